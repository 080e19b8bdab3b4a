#pragma once

#include "RealtimeSession.h"

#include <QString>
#include <QStringView>

#include <cstdint>

class PortIo;

// How punctual the replay's switches were: each switch measured from its own deadline.
struct Lateness {
    std::int64_t medianNs = 0;
    std::int64_t p99Ns = 0;
    std::int64_t maxNs = 0;
    double lateShare = 0;   // share of switches late by more than 5 µs
    std::size_t stalls = 0; // times the replay jumped to the level due now after a stall
};

struct SendOutcome {
    bool ok = false;
    QString error;
    std::size_t records = 0;
    RealtimePolicy policy = RealtimePolicy::Normal;
    Lateness lateness;
};

// Replays the signal file on the data register of the base that baseText names: a dry pass with the
// LED held off (2), then the replay with LED on (1) for lit runs and off (0) for dark ones, each
// switch at its absolute deadline from one start, on a real-time thread of its own. A file that
// cannot be read touches no port. A baseText that names no base replays nothing, but the ports are
// still reset.
SendOutcome sendSignal(PortIo& port, QStringView baseText, const QString& path);
