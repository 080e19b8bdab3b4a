#include "Capture.h"

#include "CarrierEstimate.h"
#include "MonotonicClock.h"
#include "PortBase.h"
#include "PortIo.h"
#include "PortReset.h"
#include "RunExtraction.h"
#include "SignalFile.h"

#include <cmath>
#include <future>
#include <thread>

namespace {

constexpr std::uint8_t kDirectionBit = 5;

CaptureOutcome failed(CaptureOutcome::Failure failure, QString error)
{
    CaptureOutcome outcome;
    outcome.failure = failure;
    outcome.error = std::move(error);
    return outcome;
}

// The sample store, allocated and touched before the real-time thread starts, so that the
// sampling loop never faults a page in.
struct SampleStore {
    std::vector<std::uint8_t> status = std::vector<std::uint8_t>(std::size_t(kMaxSamples), 0);
    std::vector<std::int64_t> stamps = std::vector<std::int64_t>(std::size_t(kMaxSamples), 0);
};

} // namespace

std::int64_t sampleCountFor(double calibrationSeconds)
{
    if (!(calibrationSeconds > 0))
        return 0;
    return std::int64_t(std::nearbyint(kCaptureSeconds / calibrationSeconds)) * kCalibrationSamples;
}

CaptureOutcome captureSignal(PortIo& port, QStringView baseText, const QString& path, CaptureObserver* observer)
{
    using Failure = CaptureOutcome::Failure;
    if (!port.IsDriverInstalled())
        return failed(Failure::Driver, driverMessage(port));
    const auto base = portBaseFromText(baseText);
    if (!base)
        return failed(Failure::Address,
                      QStringLiteral("[PPort] Addr \"%1\" is none of 378, 278, 3BC").arg(baseText.toString()));

    port.ClrPortBit(std::uint16_t(*base + 2), kDirectionBit);
    port.PortOut(*base, 2);
    port.SetPortBit(std::uint16_t(*base + 2), kDirectionBit);
    const std::uint16_t receiver = std::uint16_t(*base + 1);

    SampleStore store;
    std::uint8_t* status = store.status.data();
    std::int64_t* stamps = store.stamps.data();
    std::promise<std::int64_t> calibrated;
    std::promise<bool> go;
    std::future<std::int64_t> calibration = calibrated.get_future();
    std::future<bool> start = go.get_future();
    RealtimePolicy policy = RealtimePolicy::Normal;
    std::thread sampler([&] {
        RealtimeSession session;
        policy = session.policy();
        const std::int64_t t0 = MonotonicClock::now();
        for (std::int64_t i = 0; i < kCalibrationSamples; ++i) {
            status[i] = port.PortIn(receiver);
            stamps[i] = MonotonicClock::now();
        }
        const std::int64_t t1 = MonotonicClock::now();
        const std::int64_t n = sampleCountFor(double(t1 - t0) / double(MonotonicClock::kFrequency));
        calibrated.set_value(n);
        if (!start.get())
            return;
        for (std::int64_t i = 0; i < n; ++i) {
            status[i] = port.PortIn(receiver);
            stamps[i] = MonotonicClock::now();
        }
    });
    const std::int64_t n = calibration.get();
    const bool fits = n <= kMaxSamples;
    if (fits && observer)
        observer->recording();
    go.set_value(fits);
    sampler.join();
    if (!fits) {
        ResetPorts(port);
        return failed(Failure::SampleCount,
                      QStringLiteral("the port reads too fast: %1 samples would not fit the store of %2")
                          .arg(n)
                          .arg(kMaxSamples));
    }
    if (observer)
        observer->pleaseWait();

    const auto runs = extractRuns(status, stamps, n);
    if (!runs) {
        ResetPorts(port);
        return failed(Failure::Runs, QStringLiteral("more than %1 runs: the receiver never settled").arg(kMaxRuns));
    }
    const std::size_t kept = keptRunCount(*runs);
    if (kept > kMaxKeptRuns) {
        ResetPorts(port);
        return failed(Failure::KeptRuns, QStringLiteral("more than %1 runs to keep").arg(kMaxKeptRuns));
    }
    const std::vector<double> times = runTimes(*runs, kept, MonotonicClock::kFrequency);
    const std::vector<std::uint8_t> levels(runs->levels.begin(), runs->levels.begin() + std::ptrdiff_t(kept));
    if (const Status written = writeSignalFile(path, times.data(), levels.data(), std::ptrdiff_t(kept)); !written) {
        ResetPorts(port);
        return failed(Failure::File, written.error());
    }
    CaptureOutcome outcome;
    outcome.samples = n;
    outcome.keptRuns = kept;
    outcome.lengthMs = kept > 0 ? times.back() * 1000 : 0;
    outcome.policy = policy;
    if (observer)
        observer->signalCaptured(times, levels);
    outcome.carrierKHz = estimateCarrierKHz(times);
    if (observer)
        observer->carrierEstimated(outcome.carrierKHz);
    ResetPorts(port);
    return outcome;
}
