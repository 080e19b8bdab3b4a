#include "RealtimeSession.h"
#include "MonotonicClock.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

TEST(RealtimeSession, PolicyNames)
{
    EXPECT_EQ(policyName(RealtimePolicy::Fifo), "fifo");
    EXPECT_EQ(policyName(RealtimePolicy::Nice), "nice");
    EXPECT_EQ(policyName(RealtimePolicy::Normal), "normal");
}

TEST(RealtimeSession, NiceSessionPutsTheThreadBack)
{
    const int niceBefore = getpriority(PRIO_PROCESS, id_t(gettid()));
    {
        RealtimeSession session(RealtimePolicy::Nice);
        EXPECT_NE(session.policy(), RealtimePolicy::Fifo);
        if (session.policy() == RealtimePolicy::Nice) {
            EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(gettid())), -20);
        }
    }
    EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(gettid())), niceBefore);
}

TEST(RealtimeSession, NormalAsksForNothing)
{
    RealtimeSession session(RealtimePolicy::Normal);
    EXPECT_EQ(session.policy(), RealtimePolicy::Normal);
    int policy = -1;
    sched_param param{};
    pthread_getschedparam(pthread_self(), &policy, &param);
    EXPECT_EQ(policy, SCHED_OTHER);
}

TEST(RealtimeSession, ClockRisesInNanoseconds)
{
    const std::int64_t a = MonotonicClock::now();
    const std::int64_t b = MonotonicClock::spinUntil(a + 50'000);
    EXPECT_GE(b, a + 50'000);
    EXPECT_EQ(MonotonicClock::kFrequency, 1'000'000'000);
}

} // namespace
