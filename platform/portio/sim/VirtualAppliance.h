#pragma once

#include "Protocols.h"
#include "Result.h"

#include <QString>

#include <vector>

// The appliance in front of the virtual module's LED: it reads the register trace of the virtual
// module (see VirtualModule), follows the LED (data bit 0 of any of the three bases) and decodes
// the light back into frames, each with the carrier it was sent on.
namespace VirtualAppliance {

Result<std::vector<SeenFrame>> decodeTrace(const QString& tracePath);
// The same for trace text already read.
Result<std::vector<SeenFrame>> decodeTraceText(QByteArrayView text);

} // namespace VirtualAppliance
