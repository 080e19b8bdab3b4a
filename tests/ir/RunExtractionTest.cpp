#include "RunExtraction.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint8_t D = 0x7F; // dark: bit 4 set
constexpr std::uint8_t L = 0x6F; // lit

RunList runsOf(const std::vector<std::uint8_t>& samples)
{
    std::vector<std::int64_t> stamps(samples.size());
    for (std::size_t i = 0; i < stamps.size(); ++i)
        stamps[i] = std::int64_t(i + 1) * 1000; // sample i+1 at (i+1) µs
    return *extractRuns(samples.data(), stamps.data(), std::int64_t(samples.size()));
}

TEST(RunExtraction, RunsEndAtTheirLastSampleAndTheLastSampleIsARun)
{
    const RunList runs = runsOf({D, D, L, L, L, D, D, L, D, D});
    EXPECT_EQ(runs.levels, (std::vector<std::uint8_t>{1, 0, 1, 0, 1, 1}));
    EXPECT_EQ(runs.stamps, (std::vector<std::int64_t>{2000, 5000, 7000, 8000, 9000, 10000}));
}

TEST(RunExtraction, TrimmingAlwaysEndsOnALitRun)
{
    struct Case {
        std::vector<std::uint8_t> samples;
        std::size_t kept;
    } cases[] = {
        {std::vector<std::uint8_t>(100, D), 0}, // steady idle: two runs, nothing kept
        {std::vector<std::uint8_t>(100, L), 1}, // steady light: one lit run
        {{D, D, L, L, D, D, D, D}, 2},          // ends dark: the dark run and the cut one go
        {{D, D, L, L, D, L, L, L}, 4},          // ends lit: only the cut run goes
    };
    for (const Case& c : cases) {
        const RunList runs = runsOf(c.samples);
        const std::size_t kept = keptRunCount(runs);
        EXPECT_EQ(kept, c.kept);
        if (kept > 0) {
            EXPECT_EQ(runs.levels[kept - 1], 0);
        }
    }
    EXPECT_EQ(keptRunCount(RunList{}), 0u);
}

TEST(RunExtraction, TimesStartAtTheEndOfTheFirstRun)
{
    const RunList runs = runsOf({D, D, L, L, L, D, L, L});
    const std::vector<double> times = runTimes(runs, keptRunCount(runs), 1'000'000'000);
    ASSERT_EQ(times.size(), 4u);
    EXPECT_DOUBLE_EQ(times[0], 0);
    EXPECT_DOUBLE_EQ(times[1], 3e-6);
    EXPECT_DOUBLE_EQ(times[2], 4e-6);
    EXPECT_DOUBLE_EQ(times[3], 5e-6) << "the last sample is a run of its own, cut off";
}

TEST(RunExtraction, TooManyRunsIsRefused)
{
    std::vector<std::uint8_t> samples(kMaxRuns + 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = i % 2 ? D : L;
    std::vector<std::int64_t> stamps(samples.size(), 0);
    EXPECT_FALSE(extractRuns(samples.data(), stamps.data(), std::int64_t(samples.size())));
    EXPECT_TRUE(extractRuns(samples.data(), stamps.data(), std::int64_t(kMaxRuns)));
}

} // namespace
