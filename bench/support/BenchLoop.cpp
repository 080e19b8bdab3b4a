#include "BenchLoop.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <ctime>

double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

bool runUntil(const std::function<bool()>& done, int timeoutMs, int pollMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done() || deadline.hasExpired())
            loop.quit();
    });
    check.start(pollMs);
    if (!done())
        loop.exec();
    return done();
}
