#include "SipDtmfRelay.h"

#include <QList>

namespace {

char keyOfText(const QByteArray& text)
{
    const QByteArray value = text.trimmed().toUpper();
    if (value.size() == 1 && SipDtmfRelay::isKey(value[0]))
        return value[0];
    bool ok = false;
    const int event = value.toInt(&ok);
    return ok ? SipDtmfRelay::keyOfEvent(event) : 0;
}

} // namespace

namespace SipDtmfRelay {

bool isKey(char c)
{
    return (c >= '0' && c <= '9') || c == '*' || c == '#' || (c >= 'A' && c <= 'D');
}

char keyOfEvent(int event)
{
    static const char kKeys[] = "0123456789*#ABCD";
    return event >= 0 && event < 16 ? kKeys[event] : 0;
}

char keyOf(const QByteArray& contentType, const QByteArray& body)
{
    const QByteArray type = contentType.trimmed().toLower().split(';').value(0).trimmed();
    if (type == "application/dtmf")
        return keyOfText(body);
    if (type != "application/dtmf-relay")
        return 0;
    for (const QByteArray& line : body.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0 && line.left(eq).trimmed().toLower() == "signal")
            return keyOfText(line.mid(eq + 1));
    }
    return 0;
}

} // namespace SipDtmfRelay
