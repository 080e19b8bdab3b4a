#include "VirtualRemote.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kStart = 1'000'000'000;

// The light the remote gives over the first millisecond of a frame, sampled every µs.
int litMicroseconds(VirtualRemote& remote, std::int64_t from, std::int64_t to)
{
    int lit = 0;
    for (std::int64_t t = from; t < to; t += 1000)
        lit += remote.litAt(t) ? 1 : 0;
    return lit;
}

TEST(VirtualRemote, DistanceDecidesWhatTheReceiverSees)
{
    const IrFrame frame{Protocol::NEC, 0x10, 0x4F};
    struct Case {
        VirtualRemote::Distance distance;
        int minLit;
        int maxLit;
    } cases[] = {
        {VirtualRemote::Distance::Far, 0, 0},        // no light at all
        {VirtualRemote::Distance::Normal, 300, 370}, // a third of the 9 ms leader's first ms
        {VirtualRemote::Distance::Near, 1000, 1000}, // saturated: lit throughout
    };
    for (const Case& c : cases) {
        VirtualRemote remote;
        remote.press(frame, kStart, {0, 1.0 / 3, 0, c.distance});
        const int lit = litMicroseconds(remote, kStart, kStart + 1'000'000);
        EXPECT_GE(lit, c.minLit);
        EXPECT_LE(lit, c.maxLit);
    }
}

TEST(VirtualRemote, HoldSendsRepeatsAndSteadyLightWins)
{
    VirtualRemote remote;
    remote.hold(IrFrame{Protocol::NEC, 1, 2}, kStart, 300, {});
    // The NEC repeat code 108 ms after the frame starts with a 9 ms burst.
    EXPECT_GT(litMicroseconds(remote, kStart + 108'000'000, kStart + 109'000'000), 200);
    EXPECT_GT(remote.busyUntil(), kStart + 216'000'000);
    EXPECT_FALSE(remote.litAt(kStart - 1000));
    remote.setLight(true);
    EXPECT_TRUE(remote.light());
    EXPECT_TRUE(remote.litAt(kStart - 1000));
    remote.clear();
    remote.setLight(false);
    EXPECT_EQ(remote.busyUntil(), 0);
}

TEST(VirtualRemote, QueriesBackInTimeStillAnswerRight)
{
    VirtualRemote remote;
    remote.press(IrFrame{Protocol::SIRC, 1, 2}, kStart, {});
    const int forward = litMicroseconds(remote, kStart, kStart + 2'000'000);
    EXPECT_EQ(litMicroseconds(remote, kStart, kStart + 2'000'000), forward);
}

} // namespace
