#pragma once

#include <QByteArray>

#include <chrono>
#include <mutex>

// The sound between the line's wave devices (user-interface thread) and the call's RTP stream
// (SIP thread): what the caller says while a capture runs, and what the machine plays. Both are
// 8 kHz mono 16-bit little-endian.
class SipMediaBuffers {
public:
    static constexpr int kFrameSamples = 160; // 20 ms

    // Wave-in side: the caller's voice is kept only while a capture runs, from its start.
    void setCapturing(bool on);
    QByteArray takeCallerVoice(int bytes);
    // Wave-out side. When a sound ends, what is left of it is sent at once.
    void addMachineVoice(const QByteArray& samples);
    void machineSoundEnded();

    // RTP side.
    void addCallerVoice(const qint16* samples, int count);
    // Fills one frame of what the machine plays; silence while nothing is due. Playback arrives in
    // bursts, so a sound is sent once a little of it is queued or no more of it is coming.
    void takeMachineFrame(qint16* frame);
    void clear();

private:
    static constexpr qsizetype kCallerLimit = 4 * 16000;
    static constexpr qsizetype kPrimeBytes = 3200; // 100 ms: more than one burst of playback
    static constexpr std::chrono::milliseconds kBurstGap{150};

    std::mutex m_lock;
    bool m_capturing = false;
    QByteArray m_caller;
    QByteArray m_machine;
    bool m_draining = false;
    bool m_soundEnded = false;
    std::chrono::steady_clock::time_point m_lastMachine;
};
