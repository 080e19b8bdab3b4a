#include "LabelNumbers.h"

#include <gtest/gtest.h>

TEST(LabelNumbers, WholePart)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {{0, "0"}, {0.99, "0"}, {7.5, "7"}, {52.999, "52"}, {123456.7, "123456"}};
    for (const auto& c : cases)
        EXPECT_EQ(LabelNumbers::wholePart(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(LabelNumbers, TenthsAreCutNotRounded)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {{1.0734, "1"}, {1.19, "1.1"}, {0.5, "0.5"}, {0.04, "0"}, {12.35, "12.3"}, {407.96, "407.9"}};
    for (const auto& c : cases)
        EXPECT_EQ(LabelNumbers::tenths(c.value), QString::fromLatin1(c.text)) << c.value;
}

TEST(LabelNumbers, PercentRoundsHalvesToEven)
{
    const struct {
        double share;
        const char* text;
    } cases[] = {{0, "0"},       {1, "100"},        {0.025, "2.5"},    {0.0123, "1.23"},
                 {0.00005, "0"}, {0.00035, "0.04"}, {0.00025, "0.02"}, {0.000251, "0.03"}};
    for (const auto& c : cases)
        EXPECT_EQ(LabelNumbers::percent(c.share), QString::fromLatin1(c.text)) << c.share;
}
