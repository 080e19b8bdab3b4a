#include "ProtocolGuess.h"

#include <gtest/gtest.h>

namespace {

// The records a capture writes for an envelope sent on a carrier of kHz with half-period pulses.
std::vector<SignalRecord> recordsOf(const std::vector<double>& envelope, double kHz)
{
    std::vector<SignalRecord> records{{0, 1}};
    const double half = 0.5e-3 / kHz; // seconds
    double t = 0;
    for (std::size_t i = 0; i < envelope.size(); ++i) {
        const double end = t + envelope[i] * 1e-6;
        if (i % 2 == 1) {
            records.back().time = end; // the dark run grows
            t = end;
            continue;
        }
        for (; t + 1e-9 < end; t += 2 * half) {
            records.push_back({t + half, 0});
            records.push_back({t + 2 * half, 1});
        }
    }
    records.back().level = 0;
    return records;
}

TEST(ProtocolGuess, LitRunsOfTheFileDecodeToTheFrame)
{
    const IrFrame frame{Protocol::SIRC, 0x01, 0x15};
    const auto seen = guessFrames(recordsOf(encodeFrame(frame), 40));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].frame, frame);
    EXPECT_NEAR(seen[0].carrierKHz, 40, 0.5);
}

TEST(ProtocolGuess, NoSignalIsNoFrame)
{
    EXPECT_TRUE(guessFrames({}).empty());
    EXPECT_TRUE(guessFrames({{0, 0}}).empty());
    EXPECT_TRUE(guessFrames({{0, 1}, {0.001, 0}}).empty());
}

} // namespace
