#include "SamplingMeasurement.h"

#include "MonotonicClock.h"
#include "PortIo.h"
#include "RealtimeThread.h"

void setUpSamplingPort(PortIo& port)
{
    constexpr std::uint16_t control = kSamplingBase + 2;
    port.ClrPortBit(control, 5);
    port.PortOut(kSamplingBase, 2);
    port.SetPortBit(control, 5);
}

SamplingRun takeSamples(PortIo& port)
{
    // Allocated and touched here, so that the loop never faults a page in.
    SamplingRun run;
    run.status.assign(kSamplingReads, 0);
    run.stamps.assign(kSamplingReads, 0);
    std::uint8_t* status = run.status.data();
    std::int64_t* stamps = run.stamps.data();
    constexpr std::uint16_t receiver = kSamplingBase + 1;
    run.policy = runRealtime([&] {
        for (int i = 0; i < kSamplingReads; ++i) {
            status[i] = port.PortIn(receiver);
            stamps[i] = MonotonicClock::now();
        }
    });
    return run;
}
