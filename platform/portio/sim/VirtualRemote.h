#pragma once

#include "Protocols.h"

#include <cstdint>
#include <mutex>
#include <random>
#include <vector>

// The hand-held remote in front of the virtual module's receiver. It sends real frames as light
// pulses of its carrier at real time (the monotonic clock), and can shine a steady light (a lamp, or
// the receiver adjustment's test). The receiver asks litAt() at every port read.
class VirtualRemote {
public:
    enum class Distance {
        Normal, // every carrier pulse seen
        Near,   // the receiver saturates: lit for the whole of every burst, no carrier to be seen
        Far,    // no light reaches the receiver
    };

    struct Options {
        double carrierKHz = 0; // 0: the protocol's own carrier
        double duty = 1.0 / 3; // share of each carrier period that the LED is on
        double jitterUs = 0;   // each pulse edge moved by up to this much, at random
        Distance distance = Distance::Normal;
    };

    // One frame, its first burst starting at atNs on the monotonic clock.
    void press(const IrFrame& frame, std::int64_t atNs, const Options& options);
    // The button held for holdMs: the frame, then the protocol's repeats at its frame period.
    void hold(const IrFrame& frame, std::int64_t atNs, double holdMs, const Options& options);
    // Steady light on or off, whatever is being sent.
    void setLight(bool lit);
    bool light() const;
    // Forgets everything scheduled.
    void clear();

    // Whether light reaches the receiver at this instant.
    bool litAt(std::int64_t ns);
    // When the last scheduled pulse ends (0 when none).
    std::int64_t busyUntil() const;

private:
    struct Pulse {
        std::int64_t start;
        std::int64_t end;
    };
    void schedule(const std::vector<double>& envelope, std::int64_t atNs, const Options& options);

    mutable std::mutex m_mutex;
    std::vector<Pulse> m_pulses; // sorted, not overlapping
    std::size_t m_cursor = 0;    // first pulse that ends after the last query
    bool m_steadyLight = false;
    std::mt19937 m_random{std::random_device{}()};
};
