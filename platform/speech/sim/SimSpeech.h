#pragma once

#include "PlayedSpeech.h"

// The simulated character: no voice, a tone as long as the text would take to say.
class SimSpeech : public PlayedSpeech {
public:
    using PlayedSpeech::PlayedSpeech;

    static constexpr int kRate = 8000;
    static constexpr int kMsPerCharacter = 120;

    Status load() override { return {}; }

protected:
    Result<SpeechAudio> synthesize(const QString& text) override;
};
