#pragma once

#include <cstdint>

// The battery saver's count of timer ticks: the splash stays for 50 ticks of 100 ms.
class SplashTicks {
public:
    static constexpr std::int16_t kLast = 50;
    static constexpr int kIntervalMs = 100;

    std::int16_t count() const { return m_count; }
    // One tick; true when it was the last, and the ports are due.
    bool tick()
    {
        if (m_count < kLast)
            ++m_count;
        return m_count == kLast;
    }

private:
    std::int16_t m_count = 0;
};
