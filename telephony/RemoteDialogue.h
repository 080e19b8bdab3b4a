#pragma once

// The touch-tone dialogue that can take over an answered call. It keeps its own key tables and digit
// buffer: the engine hands it every detected digit and every Timer2 tick, starts it with each
// answer, resets it after each call, and has it send the queued operations with the line off.
class RemoteDialogue {
public:
    virtual ~RemoteDialogue() = default;
    // Answering: password entry from an empty buffer.
    virtual void beginCall() = 0;
    virtual void onDigitEvent(int digitValue) = 0;
    virtual void Timer2_Timer() = 0;
    virtual bool hasOperations() const = 0;
    virtual void RunOperations() = 0;
    virtual void ClearOperations() = 0;
    // After a call: the passwords are loaded again for the next one.
    virtual void endCall() = 0;
};
