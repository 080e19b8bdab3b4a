#pragma once

#include "RealtimeSession.h"

#include <thread>
#include <utility>

// Runs work on a thread of its own inside a RealtimeSession and waits for it; the calling
// (user-interface) thread keeps its normal priority. Returns the policy that ran.
template <typename Work> RealtimePolicy runRealtime(Work&& work, RealtimePolicy best = RealtimePolicy::Fifo)
{
    RealtimePolicy policy = RealtimePolicy::Normal;
    std::thread thread([&] {
        RealtimeSession session(best);
        policy = session.policy();
        work();
    });
    thread.join();
    return policy;
}
