#include "CarrierEstimate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// L run times of a steady carrier of kHz: every run half a period.
std::vector<double> carrierTimes(std::size_t count, double kHz)
{
    std::vector<double> times(count);
    for (std::size_t i = 0; i < count; ++i)
        times[i] = double(i) * 0.5 / (kHz * 1000);
    return times;
}

TEST(CarrierEstimate, ShortListsGiveZeroOrAThirdOfTheFirstCycle)
{
    EXPECT_EQ(estimateCarrierKHz({}), 0);
    EXPECT_EQ(estimateCarrierKHz({0}), 0);
    EXPECT_EQ(estimateCarrierKHz({0, 0.00001}), 0);
    // L = 3: one cycle of 20 µs (50 kHz) and the two zeros at indexes 1 and 2.
    EXPECT_NEAR(estimateCarrierKHz({0, 0.00001, 0.00002}), 50.0 / 3, 1e-9);
}

TEST(CarrierEstimate, MeanCoversTheUpperMiddleOfTheSortedList)
{
    // L = 100 with run lengths chosen so that cycle frequency(i) = 101 - i kHz for i = 3..100:
    // sorted they are 1..98 at indexes 3..100, and the mean of indexes 50 to 90 is that of 48..88.
    std::vector<double> times{0.0, 1e-5};
    double previous = 1e-5;
    for (int i = 3; i <= 100; ++i) {
        const double length = 1.0 / ((101 - i) * 1000.0) - previous;
        times.push_back(times.back() + length);
        previous = length;
    }
    double expected = 0;
    for (int v = 48; v <= 88; ++v)
        expected += v;
    EXPECT_NEAR(estimateCarrierKHz(times), expected / 41, 1e-6);
}

TEST(CarrierEstimate, SteadyCarrierIsFound)
{
    for (double kHz : {30.0, 38.0, 56.0})
        EXPECT_NEAR(estimateCarrierKHz(carrierTimes(2000, kHz)), kHz, 1e-6);
}

TEST(CarrierEstimate, QuickSortSortsWhatever)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(0, 100);
    for (std::size_t size : {1, 2, 3, 10, 1000}) {
        std::vector<double> a(size);
        for (double& v : a)
            v = value(random);
        a.push_back(a.front()); // a duplicate
        QuickSortDoubles(a.data(), 0, long(a.size()) - 1);
        EXPECT_TRUE(std::is_sorted(a.begin(), a.end()));
    }
}

} // namespace
