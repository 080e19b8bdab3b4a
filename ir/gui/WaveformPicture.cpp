#include "WaveformPicture.h"

#include "WaveformDrawing.h"

#include <QMouseEvent>
#include <QPainter>

WaveformPicture::WaveformPicture(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void WaveformPicture::clear(double scaleWidth)
{
    m_scaleWidth = scaleWidth > 0 ? scaleWidth : 1;
    m_lines.clear();
    m_markerStart.reset();
    update();
}

void WaveformPicture::drawLines(const QList<QLineF>& lines)
{
    m_lines += lines;
    update();
}

void WaveformPicture::setMarker(std::optional<double> start, double width)
{
    m_markerStart = start;
    m_markerWidth = width;
    update();
}

QTransform WaveformPicture::transform() const
{
    const double sx = (width() - 1) / m_scaleWidth;
    const double sy = (height() - 1) / -kScaleHeight;
    return QTransform(sx, 0, 0, -sy, 0, kScaleTop * sy);
}

QPointF WaveformPicture::toPixels(QPointF scaled) const
{
    return transform().map(scaled);
}

double WaveformPicture::secondsAt(double x) const
{
    return width() > 1 ? x * m_scaleWidth / (width() - 1) : 0;
}

void WaveformPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QTransform scales = transform();
    QPen pen(kLineColour, 0);
    pen.setCosmetic(true);
    painter.setPen(pen);
    QList<QLineF> mapped;
    mapped.reserve(m_lines.size());
    for (const QLineF& line : m_lines)
        mapped.append(scales.map(line));
    painter.drawLines(mapped);
    if (m_markerStart) {
        pen.setColor(kMarkerColour);
        painter.setPen(pen);
        const QRectF box(scales.map(QPointF(*m_markerStart, kScaleTop)),
                         scales.map(QPointF(*m_markerStart + m_markerWidth, kMarkerBottom)));
        painter.drawRect(box.normalized());
    }
}

void WaveformPicture::mousePressEvent(QMouseEvent* event)
{
    emit pressedAt(secondsAt(event->position().x()));
}

void WaveformPicture::mouseReleaseEvent(QMouseEvent*)
{
    emit released();
}
