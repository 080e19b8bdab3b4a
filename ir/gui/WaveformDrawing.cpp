#include "WaveformDrawing.h"

Waveform waveformOfCapture(const std::vector<double>& times, const std::vector<std::uint8_t>& levels)
{
    Waveform drawn;
    const std::size_t count = std::min(times.size(), levels.size());
    if (count <= 2) {
        // The run after the kept ones: dark after a lit run, except for a capture that stayed lit.
        const double level = count == 1 ? 0 : 1;
        drawn.lines.append(QLineF(0, level, 1, level));
        return drawn;
    }
    drawn.scaleWidth = times[count - 1];
    drawn.lengthMs = times[count - 1] * 1000;
    drawn.lines.reserve(qsizetype(2 * (count - 1)));
    for (std::size_t i = 0; i + 1 < count; ++i) {
        drawn.lines.append(QLineF(times[i], levels[i], times[i + 1], levels[i]));
        drawn.lines.append(QLineF(times[i + 1], levels[i], times[i + 1], levels[i + 1]));
    }
    return drawn;
}

SignalZoom zoomAt(const std::vector<SignalRecord>& records, double seconds)
{
    SignalZoom zoom;
    std::size_t next = 0;
    const SignalRecord* at = nullptr;
    while (next < records.size()) {
        at = &records[next++];
        if (at->time >= seconds)
            break;
    }
    if (!at)
        return zoom;
    zoom.start = at->time;
    double prevT = at->time;
    double prevL = at->level;
    while (next < records.size()) {
        const SignalRecord& r = records[next++];
        zoom.lines.append(QLineF(r.time - zoom.start, prevL, prevT - zoom.start, prevL));
        zoom.lines.append(QLineF(r.time - zoom.start, r.level, r.time - zoom.start, prevL));
        prevT = r.time;
        prevL = r.level;
        if (r.time - zoom.start > kZoomSeconds)
            break;
    }
    return zoom;
}
