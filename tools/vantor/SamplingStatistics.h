#pragma once

#include <array>
#include <cstdint>
#include <span>

// What the sampling test makes of its counter stamps: the intervals between consecutive reads in
// microseconds, their mean, extremes, the time lost in intervals longer than the limit, and 101
// bins of equal width from the shortest interval upwards.
inline constexpr double kIntervalLimitUs = 12.5; // longer reads miss the carrier of a remote
inline constexpr int kBinCount = 101;

struct SamplingStatistics {
    std::int64_t intervals = 0;
    double mean = 0;
    double min = 1'000'000; // the starting values stay when there is no interval at all
    double max = 0;
    double over = 0;  // sum of the intervals longer than the limit
    double under = 0; // sum of the others
    // edges[i] and counts[i] are e(i + 1) and c(i + 1): bin i holds edges[i] <= d < edges[i + 1].
    std::array<double, kBinCount + 1> edges{};
    std::array<std::int32_t, kBinCount> counts{};

    double binWidth() const { return (max - min) / 100; }
    // The share of time lost, 0..1; 0 when no time was measured at all.
    double errorShare() const;
};

SamplingStatistics computeSamplingStatistics(std::span<const std::int64_t> stamps, std::int64_t frequency);
