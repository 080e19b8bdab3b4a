#pragma once

#include "Result.h"

#include <QDateTime>
#include <QString>

// The call log "\Phone.log": one UTF-8 line per event, appended.
namespace CallLog {

QString incomingCallLine(const QDateTime& when, const QString& number);
QString playbackModeLine(const QDateTime& when);
QString operationLine(const QDateTime& when, int device, int button);
QString operationFailedLine(const QDateTime& when, int device, int button);
QString passwordAttemptsExceededLine(const QDateTime& when);
QString captureFailedLine(const QDateTime& when, const QString& reason);

// Appends the line; the error says why the log cannot be written.
Status append(const QString& line);

} // namespace CallLog
