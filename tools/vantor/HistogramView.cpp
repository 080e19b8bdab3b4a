#include "HistogramView.h"

#include <QPainter>

#include <cmath>

namespace {

// The picture's design scale while measuring, in which the text stands at (3000, 1500).
constexpr double kDesignWidth = 6795;
constexpr double kDesignHeight = 3435;
constexpr double kScaleTop = 7;

const QColor kGridColor(0, 255, 51);
const QColor kBarColor(0, 0, 204);

} // namespace

double barHeight(std::int32_t count)
{
    return count > 0 ? std::log10(double(count)) + 1 : 0;
}

HistogramView::HistogramView(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HistogramView::showMeasuring()
{
    m_measuring = true;
    m_statistics.reset();
    update();
}

void HistogramView::showStatistics(const SamplingStatistics& statistics)
{
    m_measuring = false;
    m_statistics = statistics;
    update();
}

double HistogramView::scaleWidth() const
{
    return m_statistics ? m_statistics->max + 2 * m_statistics->min : 0;
}

void HistogramView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_measuring)
        paintMeasuring(painter);
    else if (m_statistics)
        paintHistogram(painter, *m_statistics);
    else
        painter.fillRect(rect(), palette().window());
}

void HistogramView::paintMeasuring(QPainter& painter)
{
    painter.fillRect(rect(), Qt::red);
    painter.setPen(Qt::black);
    const QPointF at(3000 / kDesignWidth * width(), 1500 / kDesignHeight * height());
    painter.drawText(QRectF(at, QSizeF(width(), height())), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("測定中"));
}

void HistogramView::paintHistogram(QPainter& painter, const SamplingStatistics& s)
{
    painter.fillRect(rect(), Qt::white);
    const double w = scaleWidth();
    if (!(w > 0))
        return;
    // Scale: x from 0 to w left to right, y from 0 at the bottom to 7 at the top.
    const double sx = width() / w;
    const double sy = height() / kScaleTop;
    const auto px = [&](double x) { return x * sx; };
    const auto py = [&](double y) { return height() - y * sy; };

    // Lines on whole pixels, so that each is one crisp pixel wide.
    painter.setPen(kGridColor);
    for (int i = 1; i <= 6; ++i) {
        const int y = int(std::lround(py(i)));
        painter.drawLine(0, y, width(), y);
    }
    painter.setPen(Qt::red);
    const int limit = int(std::lround(px(kIntervalLimitUs)));
    painter.drawLine(limit, 0, limit, height());

    for (int i = 0; i < kBinCount; ++i) {
        const std::int32_t c = s.counts[std::size_t(i)];
        if (c <= 0)
            continue;
        const double left = px(s.edges[std::size_t(i)]);
        // A bin of no width (all intervals alike) still shows as one pixel.
        const double right = std::max(px(s.edges[std::size_t(i)] + s.binWidth()), left + 1);
        painter.fillRect(QRectF(QPointF(left, py(barHeight(c))), QPointF(right, py(0))), kBarColor);
    }
}
