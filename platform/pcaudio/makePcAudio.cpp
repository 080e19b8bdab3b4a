#include "PcAudio.h"

#include "Settings.h"
#include "null/NullPcAudio.h"
#include "pulse/PulsePcAudio.h"

std::unique_ptr<PcAudio> makePcAudio()
{
    QString device = qEnvironmentVariable("TALVERO_PCAUDIO");
    if (device.isEmpty())
        device = ReadSetting(u"Audio", u"Device").trimmed().toLower();
    if (device == u"null")
        return std::make_unique<NullPcAudio>();
    if (device == u"pulse" || pulseServerAnswers())
        return std::make_unique<PulsePcAudio>(recordSourceName());
    return std::make_unique<NullPcAudio>();
}

QString recordSourceName()
{
    const QString source = ReadSetting(u"Audio", u"RecordSource").trimmed();
    return source.isEmpty() ? QStringLiteral("@DEFAULT_MONITOR@") : source;
}
