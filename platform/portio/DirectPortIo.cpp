#include "DirectPortIo.h"

#include "PortBase.h"

#include <cerrno>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define TALVERO_HAS_PORT_IO 1
#endif

namespace {

constexpr unsigned long kRegisterCount = 3; // data, status, control

} // namespace

QString DirectPortIo::problemText(int error)
{
    const QString text = QStringLiteral("ioperm: ") + QString::fromLocal8Bit(std::strerror(error));
    switch (error) {
    case EPERM: return text + QStringLiteral(": run as root (CAP_SYS_RAWIO), or use [Platform] Port=ppdev");
    case ENOSYS: return text + QStringLiteral(": this kernel has no port I/O; use [Platform] Port=ppdev");
    default: return text;
    }
}

DirectPortIo::DirectPortIo()
{
#ifdef TALVERO_HAS_PORT_IO
    int error = 0;
    for (int i = 0; i < 3; ++i) {
        m_granted[i] = ioperm(kPortBases[i], kRegisterCount, 1) == 0;
        if (!m_granted[i])
            error = errno;
    }
    if (!m_granted[0] && !m_granted[1] && !m_granted[2])
        m_problem = problemText(error);
#else
    m_problem = QStringLiteral("direct port I/O exists only on x86; use [Platform] Port=ppdev");
#endif
}

DirectPortIo::~DirectPortIo()
{
#ifdef TALVERO_HAS_PORT_IO
    for (int i = 0; i < 3; ++i) {
        if (m_granted[i])
            ioperm(kPortBases[i], kRegisterCount, 0);
    }
#endif
}

bool DirectPortIo::permitted(std::uint16_t port) const
{
    for (int i = 0; i < 3; ++i) {
        if (m_granted[i] && port >= kPortBases[i] && port < kPortBases[i] + kRegisterCount)
            return true;
    }
    return false;
}

std::uint8_t DirectPortIo::PortIn(std::uint16_t port)
{
#ifdef TALVERO_HAS_PORT_IO
    if (permitted(port))
        return inb(port);
#endif
    (void)port;
    return 0xFF;
}

void DirectPortIo::PortOut(std::uint16_t port, std::uint8_t value)
{
#ifdef TALVERO_HAS_PORT_IO
    if (permitted(port))
        outb(value, port);
#endif
    (void)port;
    (void)value;
}

void DirectPortIo::SetPortBit(std::uint16_t port, std::uint8_t bit)
{
    PortOut(port, std::uint8_t(PortIn(port) | (1u << (bit & 7))));
}

void DirectPortIo::ClrPortBit(std::uint16_t port, std::uint8_t bit)
{
    PortOut(port, std::uint8_t(PortIn(port) & ~(1u << (bit & 7))));
}
