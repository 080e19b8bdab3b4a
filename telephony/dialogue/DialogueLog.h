#pragma once

// The lines the dialogue adds to the call log "\Phone.log".
class DialogueLog {
public:
    virtual ~DialogueLog() = default;
    // The remote playback password was recognised.
    virtual void LogPlaybackMode() = 0;
    // A queued signal was sent after the call.
    virtual void LogOperation(int device, int button) = 0;
    // A queued signal could not be sent.
    virtual void logOperationFailed(int device, int button) = 0;
    // The caller keyed too many wrong passwords and the call was ended.
    virtual void logPasswordAttemptsExceeded() = 0;
};
