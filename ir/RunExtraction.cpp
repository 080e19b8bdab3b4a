#include "RunExtraction.h"

namespace {

constexpr std::uint8_t kReceiverBit = 0x10;

} // namespace

std::optional<RunList> extractRuns(const std::uint8_t* status, const std::int64_t* stamps, std::int64_t count)
{
    RunList runs;
    for (std::int64_t i = 0; i < count; ++i) {
        // A run goes on while the next sample has the same level; the last sample always ends one.
        while (i < count - 2 && (status[i] & kReceiverBit) == (status[i + 1] & kReceiverBit))
            ++i;
        if (runs.stamps.size() == kMaxRuns)
            return std::nullopt;
        runs.stamps.push_back(stamps[i]);
        runs.levels.push_back((status[i] & kReceiverBit) ? 1 : 0);
    }
    return runs;
}

std::size_t keptRunCount(const RunList& runs)
{
    const std::size_t k = runs.levels.size();
    if (k < 2)
        return 0;
    return runs.levels[k - 2] == 1 ? k - 2 : k - 1;
}

std::vector<double> runTimes(const RunList& runs, std::size_t count, std::int64_t frequency)
{
    std::vector<double> times(count);
    for (std::size_t i = 0; i < count; ++i)
        times[i] = double(runs.stamps[i] - runs.stamps[0]) / double(frequency);
    return times;
}
