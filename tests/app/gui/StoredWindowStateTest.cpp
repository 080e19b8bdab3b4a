#include "StoredWindowState.h"

#include <gtest/gtest.h>

TEST(StoredWindowStateTest, PositionNeedsTwoNumbersNeitherNegative)
{
    struct Case {
        const char* left;
        const char* top;
        std::optional<QPoint> position;
    };
    const Case cases[] = {
        {"1500", "750", QPoint(1500, 750)}, {"0", "0", QPoint(0, 0)},    {" 15 ", "30.4", QPoint(15, 30)},
        {"1500", "-32000", std::nullopt},   {"-1", "10", std::nullopt},  {"", "10", std::nullopt},
        {"10", "", std::nullopt},           {"abc", "10", std::nullopt}, {"10", "1e400", std::nullopt},
        {"nan", "10", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StoredWindowState::position(c.left, c.top), c.position) << c.left << " " << c.top;
}

TEST(StoredWindowStateTest, PortAddressFallsBackTo378)
{
    struct Case {
        const char* stored;
        const char* address;
    };
    const Case cases[] = {{"378", "378"}, {"278", "278"}, {"3BC", "3BC"}, {"2F8", "378"},
                          {"", "378"},    {"3bc", "378"}, {" 278", "378"}};
    for (const Case& c : cases)
        EXPECT_EQ(StoredWindowState::portAddress(c.stored), QString(c.address)) << c.stored;
}
