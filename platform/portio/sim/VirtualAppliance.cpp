#include "VirtualAppliance.h"

#include <QFile>

#include <charconv>

namespace VirtualAppliance {

namespace {

constexpr std::uint16_t kDataRegisters[3] = {0x378, 0x278, 0x3BC};

template <typename T> bool parseField(QByteArrayView field, T& value, int base)
{
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value, base);
    return ec == std::errc() && ptr == end;
}

} // namespace

Result<std::vector<SeenFrame>> decodeTraceText(QByteArrayView text)
{
    std::uint8_t data[3] = {0, 0, 0};
    bool lit = false;
    double litSince = 0;
    std::vector<LightPulse> pulses;
    int lineNumber = 0;
    for (QByteArrayView line : QByteArray::fromRawData(text.data(), text.size()).split('\n')) {
        ++lineNumber;
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const QList<QByteArray> fields = line.toByteArray().simplified().split(' ');
        long long ns = 0;
        unsigned address = 0;
        unsigned value = 0;
        if (fields.size() != 3 || !parseField(fields[0], ns, 10) || !parseField(fields[1], address, 16) ||
            !parseField(fields[2], value, 16) || value > 0xFF)
            return Result<std::vector<SeenFrame>>::failure(
                QStringLiteral("trace line %1 is not \"<ns> <address> <value>\"").arg(lineNumber));
        for (int i = 0; i < 3; ++i) {
            if (address == kDataRegisters[i])
                data[i] = std::uint8_t(value);
        }
        const bool nowLit = (data[0] | data[1] | data[2]) & 1;
        const double us = double(ns) / 1000;
        if (nowLit && !lit)
            litSince = us;
        else if (!nowLit && lit)
            pulses.push_back({litSince, us});
        lit = nowLit;
    }
    return decodePulses(pulses);
}

Result<std::vector<SeenFrame>> decodeTrace(const QString& tracePath)
{
    QFile f(tracePath);
    if (!f.open(QIODevice::ReadOnly))
        return Result<std::vector<SeenFrame>>::failure(QStringLiteral("%1: %2").arg(tracePath, f.errorString()));
    return decodeTraceText(f.readAll());
}

} // namespace VirtualAppliance
