#include "HistogramView.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const QColor kBar(0, 0, 204);
constexpr int kWidth = 453;
constexpr int kHeight = 229;

// count intervals of each given length in µs, as stamps of a 1 MHz counter.
SamplingStatistics statisticsOf(const std::vector<std::pair<std::int64_t, int>>& lengths)
{
    std::vector<std::int64_t> stamps{0};
    for (const auto& [length, count] : lengths) {
        for (int i = 0; i < count; ++i)
            stamps.push_back(stamps.back() + length);
    }
    return computeSamplingStatistics(stamps, 1'000'000);
}

QImage render(HistogramView& view)
{
    view.resize(kWidth, kHeight);
    return view.grab().toImage();
}

int xOf(const HistogramView& view, double us)
{
    return int(std::lround(us / view.scaleWidth() * kWidth));
}

int yOf(double level)
{
    return int(std::lround(kHeight - level * kHeight / 7.0));
}

} // namespace

TEST(HistogramView, BarHeightIsLogarithmic)
{
    const struct {
        std::int32_t count;
        double height;
    } cases[] = {{0, 0}, {1, 1}, {10, 2}, {1000, 4}, {100000, 6}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(barHeight(c.count), c.height) << c.count;
}

TEST(HistogramView, BarsReachTheirGridLines)
{
    // 100,000 intervals of 1 µs reach the top grid line (6); the single one of 20 µs the lowest (1).
    HistogramView view;
    view.showStatistics(statisticsOf({{1, 100000}, {20, 1}}));
    EXPECT_DOUBLE_EQ(view.scaleWidth(), 22);
    const QImage image = render(view);
    const int tall = xOf(view, 1) + 1;
    EXPECT_EQ(image.pixelColor(tall, yOf(6) + 3), kBar);
    EXPECT_NE(image.pixelColor(tall, yOf(6) - 3), kBar);
    const int single = xOf(view, 20) + 1;
    EXPECT_EQ(image.pixelColor(single, yOf(1) + 3), kBar);
    EXPECT_NE(image.pixelColor(single, yOf(1) - 3), kBar);
    // The limit line in red crosses the picture at 12.5 µs.
    EXPECT_EQ(image.pixelColor(xOf(view, 12.5), kHeight / 2), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(xOf(view, 5), yOf(3)), QColor(0, 255, 51));
}

TEST(HistogramView, FastReadsShowNoBarRightOfTheLimit)
{
    HistogramView view;
    view.showStatistics(statisticsOf({{1, 5000}, {2, 300}, {12, 3}}));
    const QImage image = render(view);
    for (int x = xOf(view, 12.5) + 2; x < kWidth; ++x) {
        for (int y = 0; y < kHeight; ++y)
            ASSERT_NE(image.pixelColor(x, y), kBar) << x << "," << y;
    }
}

TEST(HistogramView, RedWhileMeasuring)
{
    HistogramView view;
    view.showMeasuring();
    const QImage image = render(view);
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(kWidth - 5, kHeight - 5), QColor(Qt::red));
}
