#include "PasswordScrambler.h"

#include "LegacyText.h"

#include <QList>

#include <cmath>

Result<QString> EncodePassword(const QString& plain)
{
    QString out;
    int position = 0;
    for (const uint c : plain.toUcs4()) {
        ++position;
        const int code = LegacyText::singleByteCode(c);
        const long sum = static_cast<long>(code) + 5L * position;
        if (code < 0 || sum > 0xFFFF) {
            return Result<QString>::failure(
                QStringLiteral("パスワードに使えない文字が含まれています。半角の英数字と記号を使ってください。"));
        }
        out += QString::number(sum, 16).toUpper().rightJustified(4, u'0');
    }
    return out;
}

QString DecodePassword(const QString& stored)
{
    // The group count is the length over four, rounded half to even.
    const int groups = static_cast<int>(std::nearbyint(stored.size() / 4.0));
    QString out;
    for (int i = 1; i <= groups; ++i) {
        bool ok = false;
        const int sum = stored.mid((i - 1) * 4, 4).toInt(&ok, 16);
        if (!ok)
            continue;
        const char32_t c = LegacyText::fromSingleByteCode(sum - 5 * i);
        if (c != 0)
            out += QString::fromUcs4(&c, 1);
    }
    return out;
}
