#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace Twips {

namespace {

const QScreen* screenOf(const QWidget* widget)
{
    if (widget && widget->screen())
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

int toPixels(int twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / kPerInch));
}

int fromPixels(int pixels, double dotsPerInch)
{
    return dotsPerInch > 0 ? static_cast<int>(std::lround(pixels * kPerInch / dotsPerInch)) : 0;
}

double dpiX(const QWidget* widget)
{
    const QScreen* screen = screenOf(widget);
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double dpiY(const QWidget* widget)
{
    const QScreen* screen = screenOf(widget);
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

QPoint toPixels(const QWidget* widget, int leftTwips, int topTwips)
{
    return {toPixels(leftTwips, dpiX(widget)), toPixels(topTwips, dpiY(widget))};
}

} // namespace Twips
