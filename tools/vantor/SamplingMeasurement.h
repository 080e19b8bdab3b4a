#pragma once

#include "RealtimeSession.h"

#include <cstdint>
#include <vector>

class PortIo;

// The sampling test's reads: always the module at 378H, received as the capture receives.
inline constexpr std::uint16_t kSamplingBase = 0x378;
inline constexpr int kSamplingReads = 100'000;

struct SamplingRun {
    std::vector<std::uint8_t> status;
    std::vector<std::int64_t> stamps; // monotonic clock, MonotonicClock::kFrequency ticks a second
    RealtimePolicy policy = RealtimePolicy::Normal;
};

// The capture's receive set-up on 378H: data lines released, D1 set, receiver read at 379H.
void setUpSamplingPort(PortIo& port);

// kSamplingReads reads of the receiver, each followed by its counter stamp, on a real-time thread
// of their own; the caller waits.
SamplingRun takeSamples(PortIo& port);
