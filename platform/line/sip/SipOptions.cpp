#include "SipOptions.h"

#include "PasswordScrambler.h"
#include "Settings.h"

namespace {

int readInt(QStringView key, int fallback, int low, int high)
{
    bool ok = false;
    const int value = ReadSetting(u"SIP", key).trimmed().toInt(&ok);
    return ok ? qBound(low, value, high) : fallback;
}

// "host:port", "[v6]:port" or "host"; the port falls back when it is missing or out of range.
void parseListen(const QString& text, QString& host, int& port)
{
    const QString value = text.trimmed();
    if (value.isEmpty())
        return;
    QString hostPart = value;
    QString portPart;
    if (value.startsWith(u'[')) {
        const qsizetype close = value.indexOf(u']');
        if (close < 0)
            return;
        hostPart = value.mid(1, close - 1);
        if (value.mid(close + 1).startsWith(u':'))
            portPart = value.mid(close + 2);
    } else if (value.count(u':') == 1) {
        hostPart = value.section(u':', 0, 0);
        portPart = value.section(u':', 1);
    }
    if (hostPart.isEmpty())
        return;
    host = hostPart;
    bool ok = false;
    const int p = portPart.toInt(&ok);
    if (ok && p > 0 && p < 65536)
        port = p;
}

} // namespace

SipOptions SipOptions::fromSettings()
{
    SipOptions o;
    parseListen(ReadSetting(u"SIP", u"Listen"), o.listenHost, o.listenPort);
    o.registrar = ReadSetting(u"SIP", u"Registrar").trimmed();
    const QString user = ReadSetting(u"SIP", u"User").trimmed();
    if (!user.isEmpty())
        o.user = user;
    o.password = DecodePassword(ReadSetting(u"SIP", u"Password").trimmed());
    o.display = ReadSetting(u"SIP", u"Display").trimmed();
    QStringList codecs;
    for (const QString& c : ReadSetting(u"SIP", u"Codecs").split(u',', Qt::SkipEmptyParts)) {
        const QString name = c.trimmed().toUpper();
        if ((name == u"PCMU" || name == u"PCMA") && !codecs.contains(name))
            codecs << name;
    }
    if (!codecs.isEmpty())
        o.codecs = codecs;
    o.ringMilliseconds = readInt(u"RingSeconds", 5, 1, 60) * 1000;
    o.registerSeconds = readInt(u"RegisterSeconds", 600, 60, 86400);
    return o;
}

QString SipOptions::identityHost() const
{
    if (!registrar.isEmpty()) {
        QString host = registrar;
        if (host.startsWith(u"sip:", Qt::CaseInsensitive))
            host = host.mid(4);
        return host.section(u';', 0, 0);
    }
    const QString host = listenHost.contains(u':') ? u'[' + listenHost + u']' : listenHost;
    return host + u':' + QString::number(listenPort);
}

QString SipOptions::addressName() const
{
    return user + u'@' + identityHost();
}
