#pragma once

#include "Protocols.h"

#include <QString>

// The frame every learned test signal holds.
inline const IrFrame kLearned{Protocol::NEC, 0x10, 0x4F};

// The frame as the module's receiver would have learned it: carrier pulses of a third of the
// period during each mark, one record per run.
void writeLearnedSignal(const QString& path, const IrFrame& frame, double kHz = 38);
