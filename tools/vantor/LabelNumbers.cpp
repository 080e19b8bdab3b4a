#include "LabelNumbers.h"

#include <cmath>

namespace LabelNumbers {

namespace {

QString plainDecimal(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text == u"-0" ? QStringLiteral("0") : text;
}

} // namespace

QString wholePart(double value)
{
    return plainDecimal(std::floor(value), 0);
}

QString tenths(double value)
{
    return plainDecimal(std::floor(value * 10) / 10, 1);
}

QString percent(double share)
{
    // std::nearbyint rounds halves to the even neighbour in the default rounding mode.
    return plainDecimal(std::nearbyint(share * 10'000) / 100, 2);
}

} // namespace LabelNumbers
