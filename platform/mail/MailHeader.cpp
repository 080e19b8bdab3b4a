#include "MailHeader.h"

namespace MailHeader {

namespace {

// "=?UTF-8?B?" + 60 base64 characters + "?=" is 72 characters, under the limit of 75.
constexpr int kWordBytes = 45;

bool isPrintableAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return true;
}

bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() > 0x7f)
            return false;
    return true;
}

QByteArray quoted(const QByteArray& text)
{
    QByteArray out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

QByteArray percentEncoded(const QString& text)
{
    return text.toUtf8().toPercentEncoding(QByteArray(), "!#$&+^`|");
}

} // namespace

bool breaksHeader(QStringView text)
{
    for (QChar c : text)
        if (c == u'\r' || c == u'\n' || c == QChar(0))
            return true;
    return false;
}

QByteArray encodeText(const QString& text)
{
    if (isPrintableAscii(text) && !text.contains(u"=?"))
        return text.toUtf8();
    QByteArray out;
    QByteArray word;
    auto flush = [&] {
        if (word.isEmpty())
            return;
        if (!out.isEmpty())
            out += "\r\n ";
        out += "=?UTF-8?B?" + word.toBase64() + "?=";
        word.clear();
    };
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, len).toUtf8();
        if (word.size() + bytes.size() > kWordBytes)
            flush();
        word += bytes;
        i += len;
    }
    flush();
    return out;
}

QByteArray address(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (isAscii(trimmed))
        return trimmed.toUtf8();
    const qsizetype open = trimmed.lastIndexOf(u'<');
    if (open < 0 || !isAscii(QStringView(trimmed).mid(open)))
        return {};
    QString name = trimmed.left(open).trimmed();
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
        name = name.mid(1, name.size() - 2);
    return encodeText(name) + ' ' + trimmed.mid(open).toUtf8();
}

QString envelopeAddress(const QString& text)
{
    const QString trimmed = text.trimmed();
    const qsizetype open = trimmed.lastIndexOf(u'<');
    const qsizetype close = trimmed.lastIndexOf(u'>');
    if (open >= 0 && close > open)
        return trimmed.mid(open + 1, close - open - 1).trimmed();
    return trimmed;
}

QByteArray nameParameter(const QString& fileName)
{
    if (isPrintableAscii(fileName))
        return "name=" + quoted(fileName.toUtf8());
    return "name=\"" + encodeText(fileName) + '"';
}

QByteArray fileNameParameter(const QString& fileName)
{
    if (isPrintableAscii(fileName))
        return "filename=" + quoted(fileName.toUtf8());
    return "filename*=UTF-8''" + percentEncoded(fileName);
}

QByteArray date(const QDateTime& when)
{
    static const char* const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = when.date();
    const QTime t = when.time();
    const int offsetMinutes = when.offsetFromUtc() / 60;
    const int absOffset = offsetMinutes < 0 ? -offsetMinutes : offsetMinutes;
    return QStringLiteral("%1, %2 %3 %4 %5:%6:%7 %8%9%10")
        .arg(QLatin1String(kDays[d.dayOfWeek() - 1]))
        .arg(d.day())
        .arg(QLatin1String(kMonths[d.month() - 1]))
        .arg(d.year(), 4, 10, QChar(u'0'))
        .arg(t.hour(), 2, 10, QChar(u'0'))
        .arg(t.minute(), 2, 10, QChar(u'0'))
        .arg(t.second(), 2, 10, QChar(u'0'))
        .arg(QLatin1String(offsetMinutes < 0 ? "-" : "+"))
        .arg(absOffset / 60, 2, 10, QChar(u'0'))
        .arg(absOffset % 60, 2, 10, QChar(u'0'))
        .toLatin1();
}

} // namespace MailHeader
