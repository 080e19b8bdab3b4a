#pragma once

#include "Protocols.h"
#include "SignalFile.h"

#include <vector>

// The frames a signal file holds: its lit runs are the remote's light pulses, decoded as the
// appliance would. The first record's run has no start and is left out.
std::vector<SeenFrame> guessFrames(const std::vector<SignalRecord>& records);
