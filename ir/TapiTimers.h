#pragma once

#include <functional>

// The telephony window's four timers, which a capture or a transmission stops for its length.
enum class TapiTimer { Timer1, Timer2, tmrPlay, tmrUpdate };

class TapiTimerSet {
public:
    virtual ~TapiTimerSet() = default;
    virtual bool isTimerEnabled(TapiTimer timer) const = 0;
    virtual void setTimerEnabled(TapiTimer timer, bool enabled) = 0;
};

// The telephony engine registers how to reach its timers; the function creates the telephony window
// when it does not exist yet. Without one (the command-line tools) the bracket does nothing.
void setTapiTimerSource(std::function<TapiTimerSet*()> source);

// Saves the enabled state of Timer1, Timer2, tmrPlay and tmrUpdate, then disables all four. It does
// not nest: a second call before ResumeTapiTimers saves "disabled" for all four.
void SuspendTapiTimers();
// Gives each timer its saved state back.
void ResumeTapiTimers();
