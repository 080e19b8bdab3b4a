#include "PortReset.h"

#include "PortBase.h"
#include "PortIo.h"

void ResetPorts(PortIo& port)
{
    for (std::uint16_t base : kPortBases) {
        port.ClrPortBit(std::uint16_t(base + 2), 5);
        port.PortOut(base, 0);
    }
}
