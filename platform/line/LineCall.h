#pragma once

#include "LineTypes.h"
#include "Result.h"

#include <QString>

#include <optional>

// One call on an address, as long as someone holds it.
class LineCall {
public:
    virtual ~LineCall() = default;
    virtual int id() const = 0; // for logs and the line's monitors
    virtual CallState state() const = 0;
    // No value when the line reported none (the query fails); an empty text when it reported an empty one.
    virtual std::optional<QString> callerIdNumber() const = 0;
    virtual std::optional<QString> callerIdName() const = 0;
    virtual Status answer() = 0;
    virtual void disconnect(DisconnectCode code) = 0;
    // LINEDIGITMODE_DTMF switches detection of the caller's keys on, LINEDIGITMODE_OFF off.
    virtual Status detectDigits(int digitMode) = 0;
    virtual Status generateDigits(const QString& digits, int digitMode) = 0;
};
