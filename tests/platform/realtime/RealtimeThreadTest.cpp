#include "RealtimeThread.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(RealtimeThread, WorkRunsOnAThreadOfItsOwnAndTheCallerWaits)
{
    std::thread::id worker;
    bool done = false;
    const RealtimePolicy policy = runRealtime(
        [&] {
            worker = std::this_thread::get_id();
            done = true;
        },
        RealtimePolicy::Normal);
    EXPECT_TRUE(done);
    EXPECT_NE(worker, std::this_thread::get_id());
    EXPECT_EQ(policy, RealtimePolicy::Normal);
}

} // namespace
