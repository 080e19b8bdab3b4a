#include "SpeakNumber.h"

#include <gtest/gtest.h>

TEST(SpeakNumber, SaysTheCountWithTheNumberWords)
{
    struct Case {
        int count;
        QStringList files;
    };
    const Case cases[] = {
        {0, {"0.wav"}},
        {7, {"7.wav"}},
        {10, {"10.wav"}},
        {11, {"10.wav", "1.wav"}},
        {20, {"2.wav", "10.wav"}},
        {99, {"9.wav", "10.wav", "9.wav"}},
        {100, {"100.wav"}},
        {105, {"100.wav", "5.wav"}},
        {110, {"100.wav", "10.wav"}},
        {123, {"100.wav", "2.wav", "10.wav", "3.wav"}},
        {200, {"2.wav", "100.wav"}},
        {215, {"2.wav", "100.wav", "10.wav", "5.wav"}},
        {300, {"3.wav", "b00.wav"}},
        {350, {"3.wav", "b00.wav", "5.wav", "10.wav"}},
        {401, {"4.wav", "100.wav", "1.wav"}},
        {600, {"6.wav", "p00.wav"}},
        {612, {"6.wav", "p00.wav", "10.wav", "2.wav"}},
        {999, {"9.wav", "100.wav", "9.wav", "10.wav", "9.wav"}},
        {1000, {}},
        {54321, {}},
        {-1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SpeakNumber(c.count), c.files) << c.count;
}
