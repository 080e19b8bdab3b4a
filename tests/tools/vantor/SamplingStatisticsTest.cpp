#include "SamplingStatistics.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

// Stamps in microseconds (frequency 1e6) whose consecutive differences are the given intervals.
std::vector<std::int64_t> stampsFor(const std::vector<std::int64_t>& intervals)
{
    std::vector<std::int64_t> stamps{1000};
    for (std::int64_t d : intervals)
        stamps.push_back(stamps.back() + d);
    return stamps;
}

std::int64_t totalCount(const SamplingStatistics& s)
{
    return std::accumulate(s.counts.begin(), s.counts.end(), std::int64_t(0));
}

} // namespace

TEST(SamplingStatistics, FiguresOfTheIntervals)
{
    const auto s = computeSamplingStatistics(stampsFor({2, 4, 20, 2}), 1'000'000);
    EXPECT_EQ(s.intervals, 4);
    EXPECT_DOUBLE_EQ(s.mean, 7);
    EXPECT_DOUBLE_EQ(s.min, 2);
    EXPECT_DOUBLE_EQ(s.max, 20);
    EXPECT_DOUBLE_EQ(s.over, 20);
    EXPECT_DOUBLE_EQ(s.under, 8);
    EXPECT_DOUBLE_EQ(s.errorShare(), 20.0 / 28);
}

TEST(SamplingStatistics, NanosecondStampsGiveMicroseconds)
{
    const auto s = computeSamplingStatistics(std::vector<std::int64_t>{0, 1500, 3000}, 1'000'000'000);
    EXPECT_DOUBLE_EQ(s.mean, 1.5);
}

TEST(SamplingStatistics, ExactlyTheLimitIsNotLost)
{
    // 12.5 µs itself still counts as fast enough; only longer intervals are lost time.
    const auto s = computeSamplingStatistics(std::vector<std::int64_t>{0, 125, 250, 376}, 10'000'000);
    EXPECT_DOUBLE_EQ(s.under, 25);
    EXPECT_NEAR(s.over, 12.6, 1e-9);
}

TEST(SamplingStatistics, BinsFromMinimumWithMaximumInTheLast)
{
    // min 10, max 110: bins of width 1 from 10; the maximum falls into bin 101.
    const auto s = computeSamplingStatistics(stampsFor({10, 10, 10, 11, 60, 109, 110}), 1'000'000);
    EXPECT_DOUBLE_EQ(s.edges[0], 10);
    EXPECT_DOUBLE_EQ(s.edges[100], 110);
    EXPECT_DOUBLE_EQ(s.edges[101], 111);
    EXPECT_DOUBLE_EQ(s.binWidth(), 1);
    EXPECT_EQ(s.counts[0], 3);
    EXPECT_EQ(s.counts[1], 1);
    EXPECT_EQ(s.counts[50], 1);
    EXPECT_EQ(s.counts[99], 1);
    EXPECT_EQ(s.counts[100], 1);
    EXPECT_EQ(totalCount(s), 7);
}

TEST(SamplingStatistics, FastReadsLoseNothing)
{
    const auto s = computeSamplingStatistics(stampsFor({1, 2, 3, 12}), 1'000'000);
    EXPECT_EQ(s.over, 0);
    EXPECT_EQ(s.errorShare(), 0);
}

TEST(SamplingStatistics, AllIntervalsAlikeStayCounted)
{
    // Bins of no width would count nothing; every interval goes to the last bin instead.
    const auto s = computeSamplingStatistics(stampsFor({3, 3, 3}), 1'000'000);
    EXPECT_EQ(s.binWidth(), 0);
    EXPECT_EQ(s.counts[100], 3);
    EXPECT_EQ(totalCount(s), 3);
}

TEST(SamplingStatistics, TooFewStampsGiveNoIntervals)
{
    for (const auto& stamps : {std::vector<std::int64_t>{}, std::vector<std::int64_t>{5}}) {
        const auto s = computeSamplingStatistics(stamps, 1'000'000);
        EXPECT_EQ(s.intervals, 0);
        EXPECT_EQ(s.errorShare(), 0);
        EXPECT_EQ(totalCount(s), 0);
    }
}
