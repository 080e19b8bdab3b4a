#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The signal file: one learned IR signal as runs with their end times, one line a run,
// " <time> , <level> " CR LF, time in seconds from the end of the first run, level 1 dark, 0 lit.

struct SignalRecord {
    double time = 0;
    int level = 0;
};

inline constexpr std::size_t kMaxSignalRecords = 1'000'001;

// One line as written, CR LF included: " 0.000013 , 0 \r\n".
QByteArray formatSignalLine(double time, int level);
// One line as read: two comma-separated fields with any spaces around them; the time with or
// without a leading zero, in exponent notation too; the level an integer. nullopt when it does not
// parse.
std::optional<SignalRecord> parseSignalLine(QByteArrayView line);

// Writes the runs to a temporary file and renames it over path, so a failure keeps the old file.
// times and levels hold count entries (count <= 0: an empty file).
Status writeSignalFile(const QString& path, const double* times, const std::uint8_t* levels, std::ptrdiff_t count);

// Every record of the file, or an error: the file cannot be read, a line does not parse, or it
// holds more than kMaxSignalRecords records.
Result<std::vector<SignalRecord>> readSignalFile(const QString& path);
