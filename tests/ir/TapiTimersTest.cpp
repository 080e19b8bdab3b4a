#include "TapiTimers.h"

#include <gtest/gtest.h>

#include <map>

namespace {

class FakeTimers : public TapiTimerSet {
public:
    bool isTimerEnabled(TapiTimer timer) const override { return enabled.at(timer); }
    void setTimerEnabled(TapiTimer timer, bool on) override { enabled[timer] = on; }
    std::map<TapiTimer, bool> enabled = {{TapiTimer::Timer1, true},
                                         {TapiTimer::Timer2, false},
                                         {TapiTimer::tmrPlay, true},
                                         {TapiTimer::tmrUpdate, false}};
};

class TapiTimersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setTapiTimerSource([this] {
            ++asked;
            return &timers;
        });
    }
    void TearDown() override { setTapiTimerSource({}); }
    FakeTimers timers;
    int asked = 0;
};

TEST_F(TapiTimersTest, SuspendDisablesAllAndResumeGivesTheStatesBack)
{
    const auto before = timers.enabled;
    SuspendTapiTimers();
    for (const auto& [timer, on] : timers.enabled)
        EXPECT_FALSE(on);
    ResumeTapiTimers();
    EXPECT_EQ(timers.enabled, before);
    EXPECT_EQ(asked, 2) << "the telephony window is reached (and made) on every call";
}

TEST_F(TapiTimersTest, SecondSuspendSavesDisabledForAll)
{
    SuspendTapiTimers();
    SuspendTapiTimers();
    ResumeTapiTimers();
    for (const auto& [timer, on] : timers.enabled)
        EXPECT_FALSE(on);
}

TEST(TapiTimersWithoutEngine, BracketDoesNothing)
{
    setTapiTimerSource({});
    SuspendTapiTimers();
    ResumeTapiTimers();
}

} // namespace
