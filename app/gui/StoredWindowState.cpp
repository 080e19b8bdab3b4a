#include "StoredWindowState.h"

#include <cmath>
#include <limits>

namespace StoredWindowState {

namespace {

std::optional<int> twipsOf(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(std::lround(value));
}

} // namespace

std::optional<QPoint> position(const QString& leftText, const QString& topText)
{
    const auto left = twipsOf(leftText);
    const auto top = twipsOf(topText);
    if (!left || !top)
        return std::nullopt;
    return QPoint(*left, *top);
}

QString portAddress(const QString& stored)
{
    if (stored == u"278" || stored == u"3BC")
        return stored;
    return QStringLiteral("378");
}

} // namespace StoredWindowState
