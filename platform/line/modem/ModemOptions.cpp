#include "ModemOptions.h"

#include "Settings.h"

namespace {

// Seconds as milliseconds within bounds; a missing or garbled value keeps the fallback.
int milliseconds(QStringView key, int fallback, double low, double high)
{
    bool ok = false;
    const double seconds = ReadSetting(u"Modem", key).trimmed().toDouble(&ok);
    return ok && seconds >= low && seconds <= high ? int(seconds * 1000) : fallback;
}

} // namespace

ModemOptions ModemOptions::fromSettings()
{
    ModemOptions o;
    o.device = ReadSetting(u"Modem", u"Device").trimmed();
    bool ok = false;
    const int speed = ReadSetting(u"Modem", u"Speed").trimmed().toInt(&ok);
    if (ok && speed >= 9600 && speed <= 460800)
        o.speed = speed;
    o.init = ReadSetting(u"Modem", u"Init").trimmed();
    const QString lockDir = ReadSetting(u"Modem", u"LockDir").trimmed();
    if (!lockDir.isEmpty())
        o.lockDir = lockDir;
    o.commandTimeoutMs = milliseconds(u"Timeout", o.commandTimeoutMs, 0.1, 60);
    o.ringGapMs = milliseconds(u"RingGap", o.ringGapMs, 0.5, 60);
    o.retryMs = milliseconds(u"Retry", o.retryMs, 0.1, 600);
    return o;
}
