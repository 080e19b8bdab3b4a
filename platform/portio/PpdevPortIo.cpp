#include "PpdevPortIo.h"

#include "PortBase.h"
#include "Settings.h"

#include <QFile>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/parport.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr std::uint8_t kDirectionBit = 0x20;

} // namespace

PpdevPortIo::PpdevPortIo(std::array<QString, 3> devices)
{
    QStringList problems;
    for (std::size_t i = 0; i < 3; ++i) {
        m_ports[i].device = devices[i];
        open(m_ports[i]);
        if (m_ports[i].fd < 0)
            problems << problemText(devices[i], errno);
    }
    if (problems.size() == 3)
        m_problem = problems.join(u"; ");
}

PpdevPortIo::~PpdevPortIo()
{
    for (Port& p : m_ports) {
        if (p.fd >= 0) {
            ioctl(p.fd, PPRELEASE);
            ::close(p.fd);
        }
    }
}

void PpdevPortIo::open(Port& port)
{
    const int fd = ::open(QFile::encodeName(port.device).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return;
    if (ioctl(fd, PPCLAIM) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return;
    }
    int forward = 0;
    ioctl(fd, PPDATADIR, &forward);
    port.fd = fd;
}

std::array<QString, 3> PpdevPortIo::configuredDevices()
{
    std::array<QString, 3> devices;
    for (std::size_t i = 0; i < 3; ++i) {
        const QString text = kPortBaseTexts[i];
        const QString configured = ReadSetting(u"Platform", QStringLiteral("ParportDevice") + text).trimmed();
        devices[i] = configured.isEmpty() ? QStringLiteral("/dev/parport%1").arg(i) : configured;
    }
    return devices;
}

QString PpdevPortIo::problemText(const QString& device, int error)
{
    QString text = device + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
    switch (error) {
    case EACCES:
    case EPERM: return text + QStringLiteral(": add the user to the lp group");
    case ENOENT:
    case ENODEV:
    case ENXIO: return text + QStringLiteral(": no parallel port here (modprobe ppdev, or set [Platform] Port=sim)");
    case EBUSY: return text + QStringLiteral(": another program holds the port");
    default: return text;
    }
}

bool PpdevPortIo::IsDriverInstalled()
{
    return m_problem.isEmpty();
}

PpdevPortIo::Port* PpdevPortIo::portOf(std::uint16_t address, int* offset)
{
    for (std::size_t i = 0; i < 3; ++i) {
        if (address >= kPortBases[i] && address <= kPortBases[i] + 2) {
            *offset = address - kPortBases[i];
            return m_ports[i].fd >= 0 ? &m_ports[i] : nullptr;
        }
    }
    return nullptr;
}

std::uint8_t PpdevPortIo::PortIn(std::uint16_t port)
{
    int offset = 0;
    Port* p = portOf(port, &offset);
    unsigned char value = 0xFF;
    if (!p)
        return value;
    if (offset == 0)
        ioctl(p->fd, PPRDATA, &value);
    else if (offset == 1)
        ioctl(p->fd, PPRSTATUS, &value);
    else if (ioctl(p->fd, PPRCONTROL, &value) == 0)
        value = std::uint8_t((value & ~kDirectionBit) | (p->reverse ? kDirectionBit : 0));
    return value;
}

void PpdevPortIo::PortOut(std::uint16_t port, std::uint8_t value)
{
    int offset = 0;
    Port* p = portOf(port, &offset);
    if (!p)
        return;
    unsigned char byte = value;
    if (offset == 0) {
        ioctl(p->fd, PPWDATA, &byte);
    } else if (offset == 2) {
        // ppdev takes the direction bit through its own ioctl; the other bits go to the register.
        int reverse = (value & kDirectionBit) ? 1 : 0;
        if (ioctl(p->fd, PPDATADIR, &reverse) == 0)
            p->reverse = reverse;
        byte = std::uint8_t(value & ~kDirectionBit);
        ioctl(p->fd, PPWCONTROL, &byte);
    }
}

void PpdevPortIo::SetPortBit(std::uint16_t port, std::uint8_t bit)
{
    PortOut(port, std::uint8_t(PortIn(port) | (1u << (bit & 7))));
}

void PpdevPortIo::ClrPortBit(std::uint16_t port, std::uint8_t bit)
{
    PortOut(port, std::uint8_t(PortIn(port) & ~(1u << (bit & 7))));
}
