#include "SignalFile.h"

#include <QFile>
#include <QSaveFile>

#include <charconv>
#include <cmath>

namespace {

// Nanosecond digits are all the clock has; trailing zeros and a bare point are dropped.
QByteArray formatTime(double time)
{
    QByteArray text = QByteArray::number(time, 'f', 9);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text == "-0" ? QByteArray("0") : text;
}

QByteArrayView trimmed(QByteArrayView field)
{
    while (!field.isEmpty() && (field.front() == ' ' || field.front() == '\t'))
        field = field.sliced(1);
    while (!field.isEmpty() && (field.back() == ' ' || field.back() == '\t' || field.back() == '\r'))
        field.chop(1);
    if (field.size() > 1 && field.front() == '+')
        field = field.sliced(1);
    return field;
}

template <typename T> bool parseNumber(QByteArrayView field, T& value)
{
    field = trimmed(field);
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    return !field.isEmpty() && ec == std::errc() && ptr == end;
}

} // namespace

QByteArray formatSignalLine(double time, int level)
{
    return ' ' + formatTime(time) + " , " + QByteArray::number(level) + " \r\n";
}

std::optional<SignalRecord> parseSignalLine(QByteArrayView line)
{
    const qsizetype comma = line.indexOf(',');
    if (comma < 0)
        return std::nullopt;
    SignalRecord record;
    if (!parseNumber(line.first(comma), record.time) || !std::isfinite(record.time) ||
        !parseNumber(line.sliced(comma + 1), record.level))
        return std::nullopt;
    return record;
}

Status writeSignalFile(const QString& path, const double* times, const std::uint8_t* levels, std::ptrdiff_t count)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QByteArray text;
    if (count > 0)
        text.reserve(count * 16);
    for (std::ptrdiff_t i = 0; i < count; ++i)
        text += formatSignalLine(times[i], levels[i]);
    if (file.write(text) != text.size() || !file.commit())
        return Status::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return {};
}

Result<std::vector<SignalRecord>> readSignalFile(const QString& path)
{
    using R = Result<std::vector<SignalRecord>>;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return R::failure(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const QByteArray text = file.readAll();
    std::vector<SignalRecord> records;
    qsizetype lineNumber = 0;
    for (qsizetype start = 0; start < text.size();) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArrayView line = QByteArrayView(text).sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (trimmed(line).isEmpty())
            continue;
        const auto record = parseSignalLine(line);
        if (!record)
            return R::failure(QStringLiteral("%1: line %2 is not \"time , level\"").arg(path).arg(lineNumber));
        if (records.size() == kMaxSignalRecords)
            return R::failure(QStringLiteral("%1: more than %2 records").arg(path).arg(kMaxSignalRecords));
        records.push_back(*record);
    }
    return records;
}
