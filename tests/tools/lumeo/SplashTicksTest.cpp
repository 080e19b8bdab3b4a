#include "SplashTicks.h"

#include <gtest/gtest.h>

TEST(SplashTicks, TheFiftiethTickIsTheLast)
{
    SplashTicks ticks;
    for (int i = 1; i < 50; ++i) {
        ASSERT_FALSE(ticks.tick()) << i;
        ASSERT_EQ(ticks.count(), i);
    }
    EXPECT_TRUE(ticks.tick());
    EXPECT_EQ(ticks.count(), 50);
}

TEST(SplashTicks, StaysAtTheLastAfterwards)
{
    SplashTicks ticks;
    for (int i = 0; i < 1000; ++i)
        ticks.tick();
    EXPECT_EQ(ticks.count(), SplashTicks::kLast);
}
