#pragma once

#include <QLineF>
#include <QList>
#include <QWidget>

#include <optional>

// A picture box with the viewer's scales: seconds from 0 across scaleWidth, level from 1.1 at the
// top down to -0.1 at the bottom. It keeps what was drawn into it, like a picture that redraws itself.
class WaveformPicture : public QWidget {
    Q_OBJECT
public:
    static inline const QColor kLineColour = QColor(0, 0, 204);
    static inline const QColor kMarkerColour = Qt::red;

    explicit WaveformPicture(QWidget* parent = nullptr);

    // Erases everything and sets the horizontal scale.
    void clear(double scaleWidth);
    void drawLines(const QList<QLineF>& lines);
    // The red box from (start, 1.1) to (start + width, 1.01); none erases it to white again.
    void setMarker(std::optional<double> start, double width = 0);

    double scaleWidth() const { return m_scaleWidth; }
    const QList<QLineF>& lines() const { return m_lines; }
    std::optional<double> marker() const { return m_markerStart; }
    // Where a point of the scales lies in pixels, and the seconds at a pixel column.
    QPointF toPixels(QPointF scaled) const;
    double secondsAt(double x) const;

signals:
    void pressedAt(double seconds);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QTransform transform() const;

    double m_scaleWidth = 1;
    QList<QLineF> m_lines;
    std::optional<double> m_markerStart;
    double m_markerWidth = 0;
};
