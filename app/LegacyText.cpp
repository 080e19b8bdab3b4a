#include "LegacyText.h"

#include <QStringDecoder>

#include <iconv.h>

#include <cerrno>

namespace LegacyText {

namespace {

QString decodeCp932(const QByteArray& bytes)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return QString::fromLatin1(bytes);
    QByteArray out;
    out.reserve(bytes.size() * 3 / 2 + 16);
    char buffer[4096];
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    while (inLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t r = iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<qsizetype>(dst - buffer));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or cut sequence: replace one byte and go on.
            out.append("\xEF\xBF\xBD");
            ++in;
            --inLeft;
        }
    }
    iconv_close(cd);
    return QString::fromUtf8(out);
}

} // namespace

QString decode(const QByteArray& bytes, bool* hadBom)
{
    QByteArray body = bytes;
    const bool bom = body.startsWith("\xEF\xBB\xBF");
    if (bom)
        body.remove(0, 3);
    if (hadBom)
        *hadBom = bom;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return decodeCp932(body);
}

QByteArray cutUtf8(const QString& text, int maxBytes)
{
    QByteArray u = text.toUtf8();
    if (u.size() <= maxBytes)
        return u;
    int cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(u[cut]) & 0xC0) == 0x80)
        --cut;
    u.truncate(cut);
    return u;
}

int singleByteCode(char32_t c)
{
    if (c < 0x80)
        return static_cast<int>(c);
    if (c >= 0xFF61 && c <= 0xFF9F)
        return static_cast<int>(c - 0xFF61 + 0xA1);
    return -1;
}

char32_t fromSingleByteCode(int code)
{
    if (code >= 0 && code < 0x80)
        return static_cast<char32_t>(code);
    if (code >= 0xA1 && code <= 0xDF)
        return static_cast<char32_t>(code - 0xA1 + 0xFF61);
    return 0;
}

} // namespace LegacyText
