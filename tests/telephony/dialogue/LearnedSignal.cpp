#include "LearnedSignal.h"

#include "SignalFile.h"

#include <gtest/gtest.h>

void writeLearnedSignal(const QString& path, const IrFrame& frame, double kHz)
{
    std::vector<double> times{0};
    std::vector<std::uint8_t> levels{1};
    const double period = 1e-3 / kHz;
    double t = 0;
    const std::vector<double> envelope = encodeFrame(frame);
    for (std::size_t i = 0; i < envelope.size(); ++i) {
        const double end = t + envelope[i] * 1e-6;
        if (i % 2 == 1) {
            t = end;
            times.back() = t; // a space lengthens the dark run before it
            continue;
        }
        for (; t + period / 2 < end; t += period) {
            times.push_back(t + period / 3);
            levels.push_back(0);
            times.push_back(t + period);
            levels.push_back(1);
        }
        t = times.back();
    }
    times.back() += 0.01;
    ASSERT_TRUE(writeSignalFile(path, times.data(), levels.data(), std::ptrdiff_t(times.size())));
}
