#include "AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap drawn(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(0x1f, 0x3a, 0x5f), 1.5));
    p.setBrush(QColor(0x3d, 0x7e, 0xc9));
    p.drawRoundedRect(QRectF(2, 7, 28, 19), 4, 4);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(10, 15), 4, 4);
    p.drawEllipse(QPointF(22, 15), 4, 4);
    p.drawLine(QPointF(10, 19), QPointF(22, 19));
    p.setBrush(QColor(0xe0, 0x40, 0x40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(26, 23), 2, 2);
    return pixmap;
}

} // namespace

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 22, 32, 48, 64})
        icon.addPixmap(drawn(size));
    return icon;
}
