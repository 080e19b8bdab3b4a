#pragma once

#include <cstdint>
#include <ctime>

// The counter of the capture and the replay: CLOCK_MONOTONIC in nanoseconds, read through the vDSO
// (about 25 ns). Inline so that the sampling loop pays for nothing but the read.
namespace MonotonicClock {

inline constexpr std::int64_t kFrequency = 1'000'000'000; // ticks per second

inline std::int64_t now()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * kFrequency + ts.tv_nsec;
}

// Busy-waits until the clock reaches deadline; returns the clock value that ended the wait.
inline std::int64_t spinUntil(std::int64_t deadline)
{
    std::int64_t t = now();
    while (t < deadline)
        t = now();
    return t;
}

} // namespace MonotonicClock
