// Prints the IR layer's figures; asserts nothing. Usage: bench_ir [ROUND_TRIP_FRAMES] (default 100).
#include "Capture.h"
#include "MonotonicClock.h"
#include "PortIo.h"
#include "ProtocolGuess.h"
#include "RealtimeThread.h"
#include "SignalFile.h"
#include "Transmission.h"
#include "VirtualAppliance.h"
#include "VirtualModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>

namespace {

constexpr std::int64_t kSecond = MonotonicClock::kFrequency;

// Samples per second of one loop of port reads and clock reads, run for seconds.
template <typename Read> double samplesPerSecond(Read read, double seconds)
{
    const std::int64_t end = MonotonicClock::now() + std::int64_t(seconds * double(kSecond));
    std::int64_t count = 0;
    std::int64_t last = 0;
    volatile std::uint8_t sink = 0;
    std::int64_t start = MonotonicClock::now();
    while (last < end) {
        for (int i = 0; i < 1000; ++i) {
            sink = read();
            last = MonotonicClock::now();
        }
        count += 1000;
    }
    (void)sink;
    return double(count) / (double(last - start) / double(kSecond));
}

void samplingRate()
{
    std::printf("== sampling rate (samples/s), port layer against a bare loop over the same backend\n");
    const auto port = makePortIo(QStringLiteral("sim"));
    VirtualModule& module = VirtualModule::instance();
    for (std::int64_t cost : {std::int64_t(1000), std::int64_t(0)}) {
        module.setAccessCostNs(cost);
        // The bare loop spends the same access cost and reads the clock, and nothing else.
        double bare = 0;
        double layer = 0;
        const RealtimePolicy policy = runRealtime([&] {
            bare = samplesPerSecond(
                [cost] {
                    MonotonicClock::spinUntil(MonotonicClock::now() + cost);
                    return std::uint8_t(0x7F);
                },
                1.0);
            layer = samplesPerSecond([&] { return port->PortIn(0x379); }, 1.0);
        });
        std::printf("access cost %4lld ns (%s): bare %.3f M/s, port layer %.3f M/s, ratio %.3f\n",
                    static_cast<long long>(cost), qPrintable(policyName(policy)), bare / 1e6, layer / 1e6,
                    layer / bare);
    }
    module.setAccessCostNs(1000);
}

void gapsUnderEachPolicy()
{
    std::printf("== sampling gaps over 3 s of port reads (1 us access cost), per scheduling policy\n");
    const auto port = makePortIo(QStringLiteral("sim"));
    const std::int64_t samples = 3'000'000;
    std::vector<std::int64_t> stamps(std::size_t(samples), 0);
    for (RealtimePolicy wanted : {RealtimePolicy::Normal, RealtimePolicy::Nice, RealtimePolicy::Fifo}) {
        const RealtimePolicy ran = runRealtime(
            [&] {
                for (std::int64_t i = 0; i < samples; ++i) {
                    port->PortIn(0x379);
                    stamps[std::size_t(i)] = MonotonicClock::now();
                }
            },
            wanted);
        std::int64_t over = 0;
        std::int64_t lost = 0;
        std::int64_t longest = 0;
        for (std::size_t i = 1; i < stamps.size(); ++i) {
            const std::int64_t d = stamps[i] - stamps[i - 1];
            longest = std::max(longest, d);
            if (d > 12'500) {
                ++over;
                lost += d;
            }
        }
        const double seconds = double(stamps.back() - stamps.front()) / double(kSecond);
        std::printf("asked %-6s ran %-6s: %.3f s, %.0f intervals > 12.5 us per second, %.3f %% of time in them, "
                    "longest gap %.1f us\n",
                    qPrintable(policyName(wanted)), qPrintable(policyName(ran)), seconds, double(over) / seconds,
                    100.0 * double(lost) / double(stamps.back() - stamps.front()), double(longest) / 1000);
    }
}

IrFrame randomFrame(std::mt19937& random)
{
    std::uniform_int_distribution<int> protocol(0, 3);
    std::uniform_int_distribution<std::uint32_t> byte(0, 255);
    IrFrame f;
    f.protocol = Protocol(protocol(random));
    switch (f.protocol) {
    case Protocol::NEC:
        f.address = byte(random);
        f.command = byte(random);
        break;
    case Protocol::AEHA:
        f.address = byte(random) | byte(random) << 8;
        f.command = byte(random) | byte(random) << 8 | std::uint64_t(byte(random)) << 16;
        break;
    case Protocol::SIRC:
        f.address = byte(random) & 0x1F;
        f.command = byte(random) & 0x7F;
        break;
    case Protocol::RC5:
        f.address = byte(random) & 0x1F;
        f.command = byte(random) & 0x7F;
        break;
    }
    return f;
}

// Presses the remote half a second after sampling starts.
class PressOnRecording : public CaptureObserver {
public:
    PressOnRecording(IrFrame frame, VirtualRemote::Options options) : m_frame(frame), m_options(options) {}
    void recording() override
    {
        VirtualModule::instance().remote().press(m_frame, MonotonicClock::now() + 500'000'000, m_options);
    }

private:
    IrFrame m_frame;
    VirtualRemote::Options m_options;
};

struct Percentiles {
    double median = 0;
    double p99 = 0;
    double max = 0;
};

Percentiles percentiles(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[std::min(v.size() - 1, v.size() * 99 / 100)], v.back()};
}

void roundTrip(int frames)
{
    std::printf("== capture -> send round trip on the virtual module, %d random frames, carriers 30-56 kHz\n", frames);
    QTemporaryDir dir;
    const QString file = dir.filePath("signal.rmt");
    const QString trace = dir.filePath("led.trace");
    const auto port = makePortIo(QStringLiteral("sim"));
    VirtualModule& module = VirtualModule::instance();
    std::mt19937 random(20261210);
    std::uniform_real_distribution<double> carrier(30, 56);
    int captured = 0;
    int recognised = 0;
    int decoded = 0;
    std::vector<double> captureError;
    std::vector<double> applianceError;
    std::vector<double> medianLate, p99Late, maxLate, lateShare;
    std::size_t stalls = 0;
    for (int i = 0; i < frames; ++i) {
        const IrFrame frame = randomFrame(random);
        const double kHz = carrier(random);
        module.reset();
        PressOnRecording press(frame, {kHz, 1.0 / 3, 0.3, {}});
        const CaptureOutcome c = captureSignal(*port, u"378", file, &press);
        if (!c.ok() || !(c.carrierKHz > 20 && c.carrierKHz < 60))
            continue;
        ++captured;
        captureError.push_back(100 * std::abs(c.carrierKHz - kHz) / kHz);
        const auto records = readSignalFile(file);
        const auto guessed = records ? guessFrames(*records) : std::vector<SeenFrame>();
        if (!guessed.empty() && guessed.front().frame == frame)
            ++recognised;
        else
            std::printf("  capture of %s at %.1f kHz not recognised\n", qPrintable(describeFrame(frame)), kHz);
        QFile::remove(trace);
        module.setTraceFile(trace);
        const SendOutcome s = sendSignal(*port, u"378", file);
        module.setTraceFile({});
        if (!s.ok)
            continue;
        medianLate.push_back(double(s.lateness.medianNs) / 1000);
        p99Late.push_back(double(s.lateness.p99Ns) / 1000);
        maxLate.push_back(double(s.lateness.maxNs) / 1000);
        lateShare.push_back(s.lateness.lateShare);
        stalls += s.lateness.stalls;
        const auto seen = VirtualAppliance::decodeTrace(trace);
        if (seen && !seen->empty() && seen->front().frame == frame) {
            ++decoded;
            applianceError.push_back(100 * std::abs(seen->front().carrierKHz - kHz) / kHz);
        } else {
            std::printf("  send of %s at %.1f kHz not decoded (replay max late %.1f us)\n",
                        qPrintable(describeFrame(frame)), kHz, double(s.lateness.maxNs) / 1000);
        }
        if ((i + 1) % 10 == 0) {
            std::printf("  %d/%d done\n", i + 1, frames);
            std::fflush(stdout);
        }
    }
    const Percentiles ce = percentiles(captureError);
    const Percentiles ae = percentiles(applianceError);
    std::printf("captured ok (20 < kHz < 60): %d/%d; frame recognised in the file: %d/%d; decoded correctly by the "
                "appliance after send: %d/%d (%.1f %%)\n",
                captured, frames, recognised, frames, decoded, frames, 100.0 * decoded / std::max(frames, 1));
    std::printf("carrier error of the capture estimate: median %.2f %%, p99 %.2f %%, max %.2f %%\n", ce.median, ce.p99,
                ce.max);
    std::printf("carrier error seen by the appliance:  median %.2f %%, p99 %.2f %%, max %.2f %%\n", ae.median, ae.p99,
                ae.max);
    const Percentiles m = percentiles(medianLate);
    const Percentiles p = percentiles(p99Late);
    const Percentiles x = percentiles(maxLate);
    const Percentiles share = percentiles(lateShare);
    std::printf("replay lateness over %zu sends: median of medians %.3f us, median p99 %.2f us (worst %.2f us), "
                "median max %.1f us (worst %.1f us), share late > 5 us: median %.4f %% (worst %.4f %%), stalls %zu\n",
                medianLate.size(), m.median, p.median, p.max, x.median, x.max, 100 * share.median, 100 * share.max,
                stalls);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(0, std::atoi(argv[1])) : 100;
    samplingRate();
    gapsUnderEachPolicy();
    roundTrip(frames);
    return 0;
}
