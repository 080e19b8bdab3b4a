#pragma once

#include "RealtimeSession.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

class PortIo;

// What the capture shows while it runs and when it is done. Called on the capturing caller's thread.
class CaptureObserver {
public:
    virtual ~CaptureObserver() = default;
    virtual void recording() {}  // sampling starts: "記録中..." on red
    virtual void pleaseWait() {} // sampling ended: "お待ちください..." on light cyan
    // The kept runs for the detail viewer: times in seconds, levels, L = times.size().
    virtual void signalCaptured(const std::vector<double>& times, const std::vector<std::uint8_t>& levels)
    {
        (void)times;
        (void)levels;
    }
    virtual void carrierEstimated(double kHz) { (void)kHz; }
};

struct CaptureOutcome {
    enum class Failure { None, Driver, Address, SampleCount, Runs, KeptRuns, File };
    Failure failure = Failure::None;
    QString error; // what went wrong, for the user
    std::int64_t samples = 0;
    std::size_t keptRuns = 0;
    double lengthMs = 0;
    double carrierKHz = 0;
    RealtimePolicy policy = RealtimePolicy::Normal;

    bool ok() const { return failure == Failure::None; }
};

// The sample store: at most this many samples, about 1.67 MHz for three seconds.
inline constexpr std::int64_t kMaxSamples = 5'000'000;
inline constexpr std::int64_t kCalibrationSamples = 10'000;
inline constexpr double kCaptureSeconds = 3;

// Learns one signal from the receiver of the module at baseText ("378", "278" or "3BC") into the
// signal file at path. The sampling runs on a real-time thread of its own; the caller waits. On any
// failure the old file stays as it was.
CaptureOutcome captureSignal(PortIo& port, QStringView baseText, const QString& path, CaptureObserver* observer);

// The sample count for three seconds from the calibration's elapsed time: whole tens of thousands,
// halves to the even neighbour.
std::int64_t sampleCountFor(double calibrationSeconds);
