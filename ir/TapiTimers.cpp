#include "TapiTimers.h"

#include <array>

namespace {

constexpr std::array<TapiTimer, 4> kTimers = {TapiTimer::Timer1, TapiTimer::Timer2, TapiTimer::tmrPlay,
                                              TapiTimer::tmrUpdate};

std::function<TapiTimerSet*()> g_source;
std::array<bool, 4> g_saved = {false, false, false, false};

TapiTimerSet* timerSet()
{
    return g_source ? g_source() : nullptr;
}

} // namespace

void setTapiTimerSource(std::function<TapiTimerSet*()> source)
{
    g_source = std::move(source);
}

void SuspendTapiTimers()
{
    TapiTimerSet* timers = timerSet();
    if (!timers)
        return;
    for (std::size_t i = 0; i < kTimers.size(); ++i)
        g_saved[i] = timers->isTimerEnabled(kTimers[i]);
    for (TapiTimer t : kTimers)
        timers->setTimerEnabled(t, false);
}

void ResumeTapiTimers()
{
    TapiTimerSet* timers = timerSet();
    if (!timers)
        return;
    for (std::size_t i = 0; i < kTimers.size(); ++i)
        timers->setTimerEnabled(kTimers[i], g_saved[i]);
}
