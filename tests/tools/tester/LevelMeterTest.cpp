#include "LevelMeter.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint8_t kDark = 0x7F; // receiver bit 4 set, the other inputs idle high
constexpr std::uint8_t kLit = 0x6F;

} // namespace

TEST(LevelMeter, LightKeepsFullScale)
{
    LevelMeter meter;
    for (int i = 0; i < 500; ++i) {
        meter.sample(kLit);
        ASSERT_EQ(meter.level(), LevelMeter::kFull);
    }
}

TEST(LevelMeter, DarkSinksOneStepASampleTo1AndNoFurther)
{
    LevelMeter meter;
    meter.sample(kLit);
    int steps = 0;
    while (meter.level() > LevelMeter::kLowest) {
        const int before = meter.level();
        meter.sample(kDark);
        ASSERT_EQ(meter.level(), before - 1);
        ++steps;
    }
    EXPECT_EQ(steps, 99);
    for (int i = 0; i < 10; ++i)
        meter.sample(kDark);
    EXPECT_EQ(meter.level(), 1);
}

TEST(LevelMeter, OnlyTheReceiverBitCounts)
{
    const struct {
        std::uint8_t status;
        int level;
    } cases[] = {{0x10, 49}, {0xFF, 49}, {0x00, 100}, {0xEF, 100}};
    for (const auto& c : cases) {
        LevelMeter meter;
        meter.setLevel(50);
        meter.sample(c.status);
        EXPECT_EQ(meter.level(), c.level) << int(c.status);
    }
}
