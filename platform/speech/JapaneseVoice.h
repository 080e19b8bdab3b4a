#pragma once

#include "KanaReading.h"
#include "Speech.h"

// Japanese text to speech: the text's kana reading, spoken by the Japanese voice.
class JapaneseVoice {
public:
    // Loads the reading dictionary and the voice; the error names what is missing.
    Status open();
    QString reading(const QString& text) const { return m_reader.reading(text); }
    Result<SpeechAudio> synthesize(const QString& text) const;

private:
    KanaReader m_reader;
};
