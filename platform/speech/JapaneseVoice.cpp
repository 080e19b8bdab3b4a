#include "JapaneseVoice.h"

#include "EspeakVoice.h"

Status JapaneseVoice::open()
{
    if (Status s = EspeakVoice::open(); !s)
        return s;
    return m_reader.open();
}

Result<SpeechAudio> JapaneseVoice::synthesize(const QString& text) const
{
    return EspeakVoice::synthesize(reading(text));
}
