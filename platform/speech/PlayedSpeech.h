#pragma once

#include "Speech.h"

#include <atomic>
#include <thread>

// What both characters share: the speech is made at once, then played through the output by a
// worker thread, and its end is reported on the thread that asked for it.
class PlayedSpeech : public Speech {
public:
    explicit PlayedSpeech(PcAudio& output) : m_output(output) {}
    ~PlayedSpeech() override;

    Result<quint64> speak(const QString& text) override;

protected:
    virtual Result<SpeechAudio> synthesize(const QString& text) = 0;
    // Around the playing of one speech, on the asking thread: the character shows itself, and hides.
    virtual void speechStarted(const QString& text) { Q_UNUSED(text); }
    virtual void speechEnded() {}

private:
    void finishWorker();

    PcAudio& m_output;
    std::thread m_worker;
    std::atomic<bool> m_cancel = false;
    bool m_speaking = false;
    quint64 m_lastRequest = 0;
};
