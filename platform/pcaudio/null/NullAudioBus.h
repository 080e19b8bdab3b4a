#pragma once

#include <QList>
#include <QMutex>

#include <cstdint>
#include <functional>

// The null device's output mix: whatever is played in this process, heard by whatever records.
// It stands in for a sound card's monitor, so that recording the character's speech works without
// any sound server.
class NullAudioBus {
public:
    using Listener = std::function<void(const QList<int16_t>& samples8k)>;

    static NullAudioBus& instance();

    // Mixes samples (mono, any rate) into the output; a listener gets them at 8 kHz.
    void play(const QList<int16_t>& samples, int sampleRate);
    void setListener(Listener listener);

private:
    QMutex m_mutex;
    Listener m_listener;
};
