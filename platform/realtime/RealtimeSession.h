#pragma once

#include "RtThrottle.h"

#include <QString>

#include <memory>

// What the scheduler grants a time-critical thread, best first.
enum class RealtimePolicy {
    Fifo,   // SCHED_FIFO, real-time throttle lifted or absent
    Nice,   // SCHED_OTHER at nice -20: not throttled, but shares the CPU with others
    Normal, // nothing could be raised
};

QString policyName(RealtimePolicy policy); // "fifo", "nice", "normal"

// Raises the calling thread for a capture or a replay and puts everything back when destroyed:
// memory locked (mlockall), SCHED_FIFO when the throttle can be lifted, else nice -20, else nothing.
// Only for a worker thread of its own: never the user-interface thread. Sessions of all our
// processes take turns (see RtThrottle).
class RealtimeSession {
public:
    // best: the highest policy tried; a lower one is asked for by the benchmark.
    explicit RealtimeSession(RealtimePolicy best = RealtimePolicy::Fifo);
    ~RealtimeSession();
    RealtimeSession(const RealtimeSession&) = delete;
    RealtimeSession& operator=(const RealtimeSession&) = delete;

    RealtimePolicy policy() const { return m_policy; }

private:
    std::unique_ptr<RtThrottle> m_throttle;
    RealtimePolicy m_policy = RealtimePolicy::Normal;
    int m_oldPolicy = 0;
    int m_oldPriority = 0;
    int m_oldNice = 0;
    bool m_locked = false;
};
