#pragma once

#include <QPoint>

class QWidget;

// Window measures are kept in twips (1/1440 inch), as the stored positions are; they become pixels
// at the screen's resolution.
namespace Twips {

constexpr int kPerInch = 1440;

int toPixels(int twips, double dotsPerInch);
int fromPixels(int pixels, double dotsPerInch);

// The resolution of the screen that shows widget (or the primary screen), horizontal and vertical.
double dpiX(const QWidget* widget);
double dpiY(const QWidget* widget);

// A point given in twips, in pixels on widget's screen; and back.
QPoint toPixels(const QWidget* widget, int leftTwips, int topTwips);

} // namespace Twips
