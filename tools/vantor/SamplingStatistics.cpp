#include "SamplingStatistics.h"

#include <algorithm>

double SamplingStatistics::errorShare() const
{
    const double total = over + under;
    return total > 0 ? over / total : 0;
}

SamplingStatistics computeSamplingStatistics(std::span<const std::int64_t> stamps, std::int64_t frequency)
{
    SamplingStatistics s;
    if (stamps.size() < 2 || frequency <= 0)
        return s;
    const std::size_t n = stamps.size() - 1;
    const double toUs = 1'000'000.0 / double(frequency);
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double d = double(stamps[i + 1] - stamps[i]) * toUs;
        sum += d;
        (d > kIntervalLimitUs ? s.over : s.under) += d;
        s.max = std::max(s.max, d);
        s.min = std::min(s.min, d);
    }
    s.intervals = std::int64_t(n);
    s.mean = sum / double(n);

    for (int i = 0; i <= kBinCount; ++i)
        s.edges[std::size_t(i)] = i * (s.max - s.min) / 100 + s.min;
    for (std::size_t i = 0; i < n; ++i) {
        const double d = double(stamps[i + 1] - stamps[i]) * toUs;
        // The number of edges at or below d is the 1-based bin number.
        const auto bin = std::upper_bound(s.edges.begin(), s.edges.end(), d) - s.edges.begin();
        // All intervals alike give bins of no width; they all belong to the last bin with the maximum.
        ++s.counts[std::size_t(std::min<std::ptrdiff_t>(bin, kBinCount) - 1)];
    }
    return s;
}
