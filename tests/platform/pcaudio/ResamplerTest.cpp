#include "Resampler.h"

#include "WavFile.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

QList<int16_t> tone(double hz, int rate, double seconds)
{
    QList<int16_t> out(qsizetype(rate * seconds));
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = static_cast<int16_t>(10000 * std::sin(2 * std::numbers::pi * hz * double(i) / rate));
    return out;
}

} // namespace

TEST(Resampler, KeepsSpeechBandAndRemovesWhatWouldAlias)
{
    const struct {
        double hz;
        int from, to;
        double minRms, maxRms;
    } cases[] = {
        {1000, 22050, 8000, 6800, 7300}, // a full-scale tone keeps its level (10000 / sqrt 2)
        {6000, 22050, 8000, 0, 300},     // above 4 kHz: would fold back to 2 kHz
        {440, 8000, 22050, 6800, 7300},
    };
    for (const auto& c : cases) {
        const QList<int16_t> out = resample(tone(c.hz, c.from, 1.0), c.from, c.to);
        EXPECT_NEAR(double(out.size()), c.to, 1) << c.hz;
        // Leave out the filter's run-in at both ends.
        const double rms = measureLevel(out.mid(c.to / 10, c.to * 8 / 10)).rms;
        EXPECT_GE(rms, c.minRms) << c.hz;
        EXPECT_LE(rms, c.maxRms) << c.hz;
    }
}
