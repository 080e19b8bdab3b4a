#include "SimSpeech.h"

#include <cmath>
#include <numbers>

Result<SpeechAudio> SimSpeech::synthesize(const QString& text)
{
    SpeechAudio audio;
    audio.sampleRate = kRate;
    const qsizetype count = qsizetype(text.size()) * kMsPerCharacter * kRate / 1000;
    audio.samples.resize(count);
    for (qsizetype i = 0; i < count; ++i)
        audio.samples[i] = static_cast<int16_t>(8000 * std::sin(2 * std::numbers::pi * 440 * double(i) / kRate));
    return audio;
}
