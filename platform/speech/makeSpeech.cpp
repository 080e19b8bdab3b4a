#include "Speech.h"

#include "EspeakSpeech.h"
#include "Settings.h"
#include "sim/SimSpeech.h"

std::unique_ptr<Speech> makeSpeech(PcAudio& output)
{
    QString engine = qEnvironmentVariable("TALVERO_SPEECH");
    if (engine.isEmpty())
        engine = ReadSetting(u"Speech", u"Engine").trimmed().toLower();
    if (engine == u"sim")
        return std::make_unique<SimSpeech>(output);
    return std::make_unique<EspeakSpeech>(output);
}
