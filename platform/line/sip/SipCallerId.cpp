#include "SipCallerId.h"

#include <QList>

namespace {

bool isAnonymous(const QString& user, const QByteArray& host)
{
    return user.isEmpty() || user.compare(u"anonymous", Qt::CaseInsensitive) == 0 ||
           host.compare("anonymous.invalid", Qt::CaseInsensitive) == 0;
}

QByteArray unquote(const QByteArray& display)
{
    QByteArray text = display.trimmed();
    if (text.size() < 2 || !text.startsWith('"') || !text.endsWith('"'))
        return text;
    QByteArray plain;
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '\\' && i + 2 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

} // namespace

QString SipCallerId::clean(const QByteArray& raw, int maxLength)
{
    QString text;
    bool blank = false;
    // Invalid UTF-8 decodes to U+FFFD, which is dropped like every other non-printable character.
    for (const uint c : QString::fromUtf8(raw).toUcs4()) {
        if (QChar::isSpace(c)) {
            blank = !text.isEmpty();
            continue;
        }
        if (!QChar::isPrint(c) || c == QChar::ReplacementCharacter)
            continue;
        if (blank)
            text += u' ';
        blank = false;
        const char32_t code = c;
        text += QString::fromUcs4(&code, 1);
    }
    return text.left(maxLength).trimmed();
}

SipCallerId SipCallerId::fromHeader(const QByteArray& userPart, const QByteArray& display, const QByteArray& host)
{
    SipCallerId id;
    const QString number = clean(QByteArray::fromPercentEncoding(userPart), kMaxNumber).remove(u' ');
    if (isAnonymous(number, host))
        return id;
    id.number = number;
    const QString name = clean(unquote(display), kMaxName);
    if (!name.isEmpty() && name.compare(u"anonymous", Qt::CaseInsensitive) != 0)
        id.name = name;
    return id;
}
