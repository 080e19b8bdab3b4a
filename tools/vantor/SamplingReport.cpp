#include "SamplingReport.h"

#include "LabelNumbers.h"
#include "MonotonicClock.h"
#include "PortIo.h"
#include "PortReset.h"
#include "SamplingMeasurement.h"
#include "SamplingStatistics.h"

QString samplingReportText(const SamplingStatistics& s, RealtimePolicy policy, const QString& portKind)
{
    QString text;
    const auto line = [&](const char* name, const QString& value) {
        text += QLatin1String(name) + u' ' + value + u'\n';
    };
    line("port", portKind);
    line("policy", policyName(policy));
    line("intervals", QString::number(s.intervals));
    line("mean_us", QString::number(s.mean, 'f', 3));
    line("min_us", QString::number(s.intervals > 0 ? s.min : 0, 'f', 3));
    line("max_us", QString::number(s.max, 'f', 3));
    line("over_us", QString::number(s.over, 'f', 3));
    line("error_rate_percent", LabelNumbers::percent(s.errorShare()));
    return text;
}

SamplingReport runSamplingReport(PortIo& port)
{
    SamplingReport report;
    if (!port.IsDriverInstalled()) {
        report.text = driverMessage(port);
    } else {
        setUpSamplingPort(port);
        const SamplingRun run = takeSamples(port);
        report.ok = true;
        report.text = samplingReportText(computeSamplingStatistics(run.stamps, MonotonicClock::kFrequency), run.policy,
                                         port.kind());
    }
    ResetPorts(port);
    return report;
}
