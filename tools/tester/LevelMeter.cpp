#include "LevelMeter.h"

namespace {

constexpr std::uint8_t kReceiverBit = 0x10;

} // namespace

void LevelMeter::sample(std::uint8_t status)
{
    if ((status & kReceiverBit) == 0)
        m_level = kFull;
    else if (m_level > kLowest)
        --m_level;
}
