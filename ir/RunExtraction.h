#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// Samples of the receiver become runs: the stamp of each run's last sample and its level
// (1 = status bit 4 set = dark). The run that the end of sampling cuts off is the last one.

struct RunList {
    std::vector<std::int64_t> stamps;
    std::vector<std::uint8_t> levels;
};

inline constexpr std::size_t kMaxRuns = 1'000'000;
inline constexpr std::size_t kMaxKeptRuns = 100'000;

// nullopt when there are more than kMaxRuns runs.
std::optional<RunList> extractRuns(const std::uint8_t* status, const std::int64_t* stamps, std::int64_t count);

// How many runs are kept: the trailing run is dropped, and a dark run before it too, so the kept
// list ends on a lit run. 0 for fewer than two runs.
std::size_t keptRunCount(const RunList& runs);

// Seconds from the end of the first run to the end of each of the first count runs.
std::vector<double> runTimes(const RunList& runs, std::size_t count, std::int64_t frequency);
