#pragma once

#include <QString>

// The IR module as the dialogue reaches it after the call.
class SignalSender {
public:
    virtual ~SignalSender() = default;
    // About a second between two transmissions, with pending events still handled.
    virtual void pauseBeforeSignal() = 0;
    // The engine's timers stay stopped for the length of a transmission.
    virtual void SuspendTapiTimers() = 0;
    virtual bool SendSignal(const QString& signalFile) = 0;
    virtual void ResumeTapiTimers() = 0;
};
