#include "Resampler.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kZeroCrossings = 16; // half the filter's length, in zero crossings of the sinc

double blackman(double x) // x in [-1, 1]
{
    const double a = std::numbers::pi * (x + 1);
    return 0.42 - 0.5 * std::cos(a) + 0.08 * std::cos(2 * a);
}

} // namespace

QList<int16_t> resample(const QList<int16_t>& samples, int fromRate, int toRate)
{
    if (fromRate == toRate || samples.isEmpty() || fromRate <= 0 || toRate <= 0)
        return samples;
    // Cut-off a little below the lower Nyquist frequency, as a fraction of the input rate.
    const double cutoff = 0.45 * std::min(fromRate, toRate) / fromRate;
    const double halfWidth = kZeroCrossings / (2 * cutoff);
    const qsizetype inCount = samples.size();
    const qsizetype outCount = qsizetype(double(inCount) * toRate / fromRate);
    QList<int16_t> out(outCount);
    for (qsizetype n = 0; n < outCount; ++n) {
        const double t = double(n) * fromRate / toRate;
        const qsizetype first = std::max<qsizetype>(0, qsizetype(std::ceil(t - halfWidth)));
        const qsizetype last = std::min<qsizetype>(inCount - 1, qsizetype(std::floor(t + halfWidth)));
        double sum = 0;
        double weights = 0;
        for (qsizetype k = first; k <= last; ++k) {
            const double x = t - double(k);
            const double arg = 2 * cutoff * x;
            const double sinc = arg == 0 ? 1 : std::sin(std::numbers::pi * arg) / (std::numbers::pi * arg);
            const double w = sinc * blackman(x / halfWidth);
            sum += w * samples[k];
            weights += w;
        }
        const double v = weights != 0 ? sum / weights : 0;
        out[n] = static_cast<int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
    }
    return out;
}
