#pragma once

#include "SamplingStatistics.h"

#include <QWidget>

#include <optional>

// The sampling test's picture: red with "測定中" while it measures, then the histogram of the
// intervals on a logarithmic scale (a bin of n intervals is log10(n) + 1 high, 0 at the bottom and
// 7 at the top), with the grid at 1 to 6 and the red line at the limit.
class HistogramView : public QWidget {
    Q_OBJECT
public:
    explicit HistogramView(QWidget* parent = nullptr);

    void showMeasuring();
    void showStatistics(const SamplingStatistics& statistics);

    // The horizontal extent of the scale: from 0 to max + 2 × min microseconds.
    double scaleWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintMeasuring(QPainter& painter);
    void paintHistogram(QPainter& painter, const SamplingStatistics& s);

    bool m_measuring = false;
    std::optional<SamplingStatistics> m_statistics;
};

// The height of the bar of a bin with count intervals, in the picture's scale (0 for none).
double barHeight(std::int32_t count);
