#include "SimPortIo.h"

#include "VirtualModule.h"

SimPortIo::~SimPortIo()
{
    VirtualModule::instance().flushTrace();
}

void SimPortIo::PortOut(std::uint16_t port, std::uint8_t value)
{
    VirtualModule::instance().write(port, value);
}

std::uint8_t SimPortIo::PortIn(std::uint16_t port)
{
    return VirtualModule::instance().read(port);
}

void SimPortIo::SetPortBit(std::uint16_t port, std::uint8_t bit)
{
    VirtualModule& m = VirtualModule::instance();
    m.write(port, std::uint8_t(m.read(port) | (1u << (bit & 7))));
}

void SimPortIo::ClrPortBit(std::uint16_t port, std::uint8_t bit)
{
    VirtualModule& m = VirtualModule::instance();
    m.write(port, std::uint8_t(m.read(port) & ~(1u << (bit & 7))));
}
