#pragma once

#include "CharacterWindow.h"
#include "JapaneseVoice.h"
#include "PlayedSpeech.h"

#include <memory>

// The character with the Japanese voice, shown while he speaks.
class EspeakSpeech : public PlayedSpeech {
public:
    explicit EspeakSpeech(PcAudio& output) : PlayedSpeech(output) {}

    Status load() override;

protected:
    Result<SpeechAudio> synthesize(const QString& text) override;
    void speechStarted(const QString& text) override;
    void speechEnded() override;

private:
    JapaneseVoice m_voice;
    bool m_loaded = false;
    std::unique_ptr<CharacterWindow> m_window;
};
