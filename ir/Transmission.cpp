#include "Transmission.h"

#include "MonotonicClock.h"
#include "PortBase.h"
#include "PortIo.h"
#include "PortReset.h"
#include "RealtimeThread.h"
#include "SignalFile.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr std::uint8_t kDirectionBit = 5;
constexpr std::uint8_t kDryPassByte = 2;
constexpr std::int64_t kLateNs = 5000;

struct Replay {
    std::vector<std::int64_t> deadlines; // absolute, from one start
    std::vector<std::uint8_t> output;
};

std::vector<std::int64_t> offsetsNs(const std::vector<SignalRecord>& records)
{
    std::vector<std::int64_t> offsets(records.size());
    for (std::size_t i = 0; i < records.size(); ++i)
        offsets[i] = std::llround(records[i].time * double(MonotonicClock::kFrequency));
    return offsets;
}

// The dry pass: the same timing with the data register held at 2.
void dryPass(PortIo& port, std::uint16_t base, const std::vector<std::int64_t>& offsets)
{
    port.ClrPortBit(std::uint16_t(base + 2), kDirectionBit);
    const std::int64_t start = MonotonicClock::now();
    for (std::int64_t offset : offsets) {
        port.PortOut(base, kDryPassByte);
        MonotonicClock::spinUntil(start + offset);
    }
    port.PortOut(base, 0);
}

// Each output byte is held until its record's deadline. A switch that is late by more than its
// whole run writes the level due now instead, so missed edges never fire back to back.
void replay(PortIo& port, std::uint16_t base, const std::vector<std::int64_t>& offsets,
            const std::vector<std::uint8_t>& output, std::vector<std::int64_t>& late, std::size_t& stalls)
{
    port.ClrPortBit(std::uint16_t(base + 2), kDirectionBit);
    const std::size_t n = offsets.size();
    const std::int64_t start = MonotonicClock::now();
    std::int64_t now = start;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && now > start + offsets[i]) {
            ++stalls;
            while (i + 1 < n && now > start + offsets[i])
                ++i;
        }
        port.PortOut(base, output[i]);
        if (i > 0)
            late.push_back(now - (start + offsets[i - 1]));
        now = MonotonicClock::spinUntil(start + offsets[i]);
    }
    port.PortOut(base, 0);
}

Lateness summarize(std::vector<std::int64_t>& late, std::size_t stalls)
{
    Lateness l;
    l.stalls = stalls;
    if (late.empty())
        return l;
    std::sort(late.begin(), late.end());
    l.medianNs = late[late.size() / 2];
    l.p99Ns = late[std::min(late.size() - 1, late.size() * 99 / 100)];
    l.maxNs = late.back();
    l.lateShare = double(std::count_if(late.begin(), late.end(), [](std::int64_t ns) { return ns > kLateNs; })) /
                  double(late.size());
    return l;
}

} // namespace

SendOutcome sendSignal(PortIo& port, QStringView baseText, const QString& path)
{
    SendOutcome outcome;
    const auto base = portBaseFromText(baseText);
    auto first = readSignalFile(path);
    if (!first) {
        outcome.error = first.error();
        return outcome;
    }
    const std::vector<std::int64_t> dryOffsets = offsetsNs(*first);
    if (base)
        outcome.policy = runRealtime([&] { dryPass(port, *base, dryOffsets); });
    ResetPorts(port);

    auto second = readSignalFile(path);
    if (!second) {
        outcome.error = second.error();
        return outcome;
    }
    if (!base) {
        outcome.error = QStringLiteral("[PPort] Addr \"%1\" is none of 378, 278, 3BC").arg(baseText.toString());
        return outcome;
    }
    const std::vector<std::int64_t> offsets = offsetsNs(*second);
    std::vector<std::uint8_t> output(second->size());
    for (std::size_t i = 0; i < output.size(); ++i)
        output[i] = (*second)[i].level == 1 ? 0 : 1;
    std::vector<std::int64_t> late;
    late.reserve(offsets.size());
    std::size_t stalls = 0;
    outcome.policy = runRealtime([&] { replay(port, *base, offsets, output, late, stalls); });
    ResetPorts(port);
    outcome.ok = true;
    outcome.records = offsets.size();
    outcome.lateness = summarize(late, stalls);
    return outcome;
}
