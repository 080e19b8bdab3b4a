#include "ProtocolGuess.h"

std::vector<SeenFrame> guessFrames(const std::vector<SignalRecord>& records)
{
    std::vector<LightPulse> pulses;
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i].level != 1)
            pulses.push_back({records[i - 1].time * 1e6, records[i].time * 1e6});
    }
    return decodePulses(pulses);
}
