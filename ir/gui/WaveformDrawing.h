#pragma once

#include "SignalFile.h"

#include <QLineF>
#include <QList>

#include <cstdint>
#include <optional>
#include <vector>

// What the detail viewer draws, in its own scales: seconds across, level up (top 1.1, height -1.2,
// so level 1 is high, level 0 low, and a free band above 1.01 holds the zoom marker).
inline constexpr double kScaleTop = 1.1;
inline constexpr double kScaleHeight = -1.2;
inline constexpr double kMarkerBottom = 1.01;
// The zoom window shows this many seconds from the clicked point.
inline constexpr double kZoomSeconds = 0.001;

struct Waveform {
    double scaleWidth = 1;          // seconds across the picture
    QList<QLineF> lines;            // in seconds and levels
    std::optional<double> lengthMs; // the signal's length; none when the caption keeps its text
};

// The capture's kept runs as lines. Each run is drawn one step late: the stretch between two edges
// shows the level of the run that ended at its left edge, which is the LED state the transmitter
// produces there. Two runs or fewer give one flat line across a scale of 1 second.
Waveform waveformOfCapture(const std::vector<double>& times, const std::vector<std::uint8_t>& levels);

struct SignalZoom {
    double start = 0;    // seconds: where the marker goes in the whole waveform
    QList<QLineF> lines; // in seconds from start and levels
};

// The millisecond from the first record at or after seconds (the last record when none is), read
// from the signal file's records. The record that crosses the millisecond is still drawn.
SignalZoom zoomAt(const std::vector<SignalRecord>& records, double seconds);
