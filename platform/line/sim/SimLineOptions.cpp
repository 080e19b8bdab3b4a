#include "SimLineOptions.h"

#include "Settings.h"

SimLineOptions SimLineOptions::fromSettings()
{
    SimLineOptions o;
    bool ok = false;
    const double seconds = ReadSetting(u"Sim", u"RingSeconds").toDouble(&ok);
    if (ok && seconds > 0 && seconds <= 60)
        o.ringMilliseconds = int(seconds * 1000);
    const auto is = [](QStringView key, QStringView value) {
        return ReadSetting(u"Sim", key).compare(value, Qt::CaseInsensitive) == 0;
    };
    o.failLegacyLine = is(u"LegacyLine", u"fail");
    o.refuseRegistration = is(u"Register", u"refuse");
    o.refuseAnswer = is(u"Answer", u"refuse");
    o.audio.refusePlayback = is(u"Playback", u"refuse");
    o.audio.refuseCapture = is(u"Capture", u"refuse");
    o.audio.refuse16BitCapture = is(u"Capture", u"8bit");
    return o;
}
