#include "WaveformDrawing.h"

#include <gtest/gtest.h>

TEST(WaveformDrawing, RunsAreDrawnOneStepLate)
{
    const Waveform drawn = waveformOfCapture({0, 0.001, 0.0015, 0.004}, {1, 0, 1, 0});
    EXPECT_EQ(drawn.scaleWidth, 0.004);
    ASSERT_TRUE(drawn.lengthMs);
    EXPECT_DOUBLE_EQ(*drawn.lengthMs, 4);
    EXPECT_EQ(drawn.lines, (QList<QLineF>{{0, 1, 0.001, 1},
                                          {0.001, 1, 0.001, 0},
                                          {0.001, 0, 0.0015, 0},
                                          {0.0015, 0, 0.0015, 1},
                                          {0.0015, 1, 0.004, 1},
                                          {0.004, 1, 0.004, 0}}));
}

TEST(WaveformDrawing, TwoRunsOrFewerGiveOneFlatLineAndKeepTheLength)
{
    const struct {
        std::vector<double> times;
        std::vector<std::uint8_t> levels;
        double level;
    } cases[] = {
        {{}, {}, 1},            // steady idle: nothing kept
        {{0}, {0}, 0},          // steady light
        {{0, 0.01}, {1, 0}, 1}, // one edge
    };
    for (const auto& c : cases) {
        const Waveform drawn = waveformOfCapture(c.times, c.levels);
        EXPECT_EQ(drawn.scaleWidth, 1);
        EXPECT_EQ(drawn.lines, (QList<QLineF>{{0, c.level, 1, c.level}})) << c.times.size();
        EXPECT_FALSE(drawn.lengthMs);
    }
}

TEST(WaveformDrawing, ZoomStartsAtTheFirstRecordAtOrAfterTheClick)
{
    const std::vector<SignalRecord> records = {{0, 1},      {0.010, 0},  {0.0104, 1}, {0.0108, 0},
                                               {0.0112, 1}, {0.0125, 0}, {0.0200, 1}};
    const struct {
        double click;
        double start;
        qsizetype lines;
    } cases[] = {
        {0, 0, 2},           // the left end: time 0, and the record at 10 ms crosses the millisecond
        {0.0101, 0.0104, 6}, // 10.4, 10.8, 11.2, then 12.5 crosses and is still drawn
        {0.0104, 0.0104, 6}, // a record exactly at the click
        {0.5, 0.0200, 0},    // past the end: the last record, nothing to draw
    };
    for (const auto& c : cases) {
        const SignalZoom zoom = zoomAt(records, c.click);
        EXPECT_DOUBLE_EQ(zoom.start, c.start) << c.click;
        EXPECT_EQ(zoom.lines.size(), c.lines) << c.click;
    }
    const SignalZoom zoom = zoomAt(records, 0.0104);
    EXPECT_NEAR(zoom.lines[0].x1(), 0.0004, 1e-12);
    EXPECT_EQ(zoom.lines[0].y1(), 1) << "the level held up to the next record";
    EXPECT_EQ(zoom.lines[0].x2(), 0);
    EXPECT_EQ(zoom.lines[1].y1(), 0) << "the edge down to the next record's level";
    EXPECT_TRUE(zoomAt({}, 0.1).lines.isEmpty());
}
