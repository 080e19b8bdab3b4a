// Prints how soon the engine answers once the NumRings-th ring is heard, and how much CPU time
// one minute of recording costs, both on the virtual line.
//   bench_telephony [CALLS [RECORD_SECONDS]]
#include "BenchLoop.h"
#include "ConsolePrompt.h"
#include "DataFolder.h"
#include "Settings.h"
#include "SimLine.h"
#include "frmTapi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

// How often a wait looks whether what it waits for has happened.
constexpr int kPollMs = 20;

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int calls = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
    const int recordSeconds = argc > 2 ? std::max(1, atoi(argv[2])) : 10;
    ConsolePrompt prompts;
    Prompts::install(&prompts);
    QTemporaryDir home;
    DataFolder::setCurrent(home.path());
    WriteSetting(u"Tapi", u"Card", u"Talvero Virtual Line");
    WriteSetting(u"Tapi", u"NumRings", u"2");
    WriteSetting(u"AnsweringMachine", u"MaxMessage", QString::number(recordSeconds));
    WriteSetting(u"Feature", u"AnsweringMachine", u"0"); // answer, no greeting file, hang up

    SimLineOptions options;
    options.ringMilliseconds = 300;
    SimLine* line = nullptr;
    QElapsedTimer clock;
    clock.start();
    qint64 lastRingAt = -1;
    QList<double> latencies;
    bool recording = false;
    bool recorded = false;
    frmTapi engine([&] {
        auto sim = std::make_unique<SimLine>(options);
        line = sim.get();
        QObject::connect(line, &SimLine::monitor, [&](const QString& m) {
            if (m.startsWith(u"RINGING ") && m.endsWith(u" 2"))
                lastRingAt = clock.nsecsElapsed();
            else if (m.startsWith(u"ANSWERED ") && lastRingAt >= 0)
                latencies.append(double(clock.nsecsElapsed() - lastRingAt) / 1e6);
            else if (m == u"CAPTURING")
                recording = true;
            else if (m == u"CAPTURED")
                recorded = true;
        });
        return sim;
    });
    engine.Tapi_On();

    for (int i = 0; i < calls; ++i) {
        const qsizetype before = latencies.size();
        line->ring(QStringLiteral("0123"));
        if (!runUntil([&] { return latencies.size() > before && !engine.currentCall(); }, 10000, kPollMs)) {
            std::fprintf(stderr, "call %d was not answered\n", i + 1);
            return 1;
        }
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("answer latency after ring %d (%d calls): median %.1f ms, min %.1f ms, max %.1f ms\n", 2, calls,
                latencies.at(latencies.size() / 2), latencies.first(), latencies.last());

    WriteSetting(u"Feature", u"AnsweringMachine", u"1");
    engine.Tapi_On();
    line->ring(QStringLiteral("0456"));
    if (!runUntil([&] { return recording; }, 10000, kPollMs))
        return 1;
    const double cpuBefore = processCpuSeconds();
    const qint64 wallBefore = clock.nsecsElapsed();
    if (!runUntil([&] { return recorded; }, (recordSeconds + 10) * 1000, kPollMs))
        return 1;
    const double cpu = processCpuSeconds() - cpuBefore;
    const double wall = double(clock.nsecsElapsed() - wallBefore) / 1e9;
    std::printf("recording %.1f s of call: %.3f s CPU, %.2f s CPU per minute of call (%.2f %% of one core)\n", wall,
                cpu, cpu / wall * 60, cpu / wall * 100);
    return 0;
}
