#pragma once

#include <QString>

#include <memory>

class LineAudio;
class LinePlayback;

// Plays one WAV file at a time to the line's playback device.
class LinePlayer {
public:
    enum class Start { Playing, DeviceFailed, NotPlayable };

    LinePlayer();
    ~LinePlayer();

    // Any PCM WAV, converted to the line's 8 kHz mono 16-bit. A new sound replaces the one playing.
    Start play(LineAudio& audio, const QString& deviceGuid, const QString& path);
    // True once the sound has stopped; the playback objects are then released.
    bool checkStopped();
    void release();

private:
    std::unique_ptr<LinePlayback> m_buffer;
};
