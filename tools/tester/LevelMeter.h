#pragma once

#include <cstdint>

// The receiver adjustment's level meter: full scale whenever the receiver sees light, one step down
// per sample while it is dark, never below 1 by itself.
class LevelMeter {
public:
    static constexpr int kFull = 100;
    static constexpr int kLowest = 1;

    int level() const { return m_level; }
    void setLevel(int level) { m_level = level; }

    // One reading of the status register (bit 4 set: dark). The caller pauses 1 ms before the next
    // sample, so the meter sinks from full scale to 1 in 99 pauses.
    void sample(std::uint8_t status);

private:
    int m_level = kLowest;
};
