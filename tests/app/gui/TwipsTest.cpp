#include "Twips.h"

#include <gtest/gtest.h>

TEST(TwipsTest, ConvertsAtTheScreenResolution)
{
    struct Case {
        int twips;
        double dpi;
        int pixels;
    };
    const Case cases[] = {{3885, 96, 259},  {1440, 96, 96},   {1000, 96, 67}, {200, 96, 13},
                          {3885, 120, 324}, {1440, 192, 192}, {0, 96, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(Twips::toPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
        EXPECT_NEAR(Twips::fromPixels(c.pixels, c.dpi), c.twips, 1440 / c.dpi) << c.pixels << " at " << c.dpi;
    }
    EXPECT_EQ(Twips::fromPixels(10, 0), 0);
}
