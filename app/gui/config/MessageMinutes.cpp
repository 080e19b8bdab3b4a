#include "MessageMinutes.h"

#include <algorithm>
#include <cmath>

namespace MessageMinutes {

QString fromSeconds(const QString& seconds)
{
    bool ok = false;
    const double value = seconds.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return {};
    return QString::number(value / 60.0);
}

QString toSeconds(const QString& minutes)
{
    bool ok = false;
    const double value = minutes.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return {};
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const double whole = std::clamp(std::nearbyint(value), double(kShortest), double(kLongest));
    return QString::number(static_cast<int>(whole) * 60);
}

} // namespace MessageMinutes
