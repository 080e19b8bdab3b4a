#pragma once

#include "RealtimeSession.h"

#include <QString>

class PortIo;
struct SamplingStatistics;

// The figures of one measurement for scripts, one "name value" line each: port, policy, intervals,
// mean_us, min_us, max_us (three decimals), over_us (time lost) and error_rate_percent (as the
// window shows it).
QString samplingReportText(const SamplingStatistics& statistics, RealtimePolicy policy, const QString& portKind);

// Measures as the window does, then resets the ports. The report, or the driver message.
struct SamplingReport {
    bool ok = false;
    QString text;
};
SamplingReport runSamplingReport(PortIo& port);
