#include "VirtualModule.h"

#include "MonotonicClock.h"

#include <QFile>

namespace {

constexpr std::uint16_t kBases[3] = {0x378, 0x278, 0x3BC};
constexpr std::uint8_t kStatusDark = 0x7F; // bit 4 set: no light; the other input lines idle high
constexpr std::uint8_t kLightMask = 0x10;

std::int64_t initialAccessCost()
{
    bool ok = false;
    const qlonglong ns = qEnvironmentVariable("TALVERO_SIM_ACCESS_NS").toLongLong(&ok);
    return ok && ns >= 0 ? ns : 1000;
}

} // namespace

VirtualModule& VirtualModule::instance()
{
    static VirtualModule module;
    return module;
}

VirtualModule::VirtualModule() : m_accessCostNs(initialAccessCost())
{
    setTraceFile(qEnvironmentVariable("TALVERO_PORT_TRACE"));
}

VirtualModule::~VirtualModule()
{
    setTraceFile({});
}

void VirtualModule::setTraceFile(const QString& path)
{
    std::lock_guard lock(m_mutex);
    if (m_trace)
        std::fclose(m_trace);
    m_trace = path.isEmpty() ? nullptr : std::fopen(QFile::encodeName(path).constData(), "ae");
    if (m_trace) {
        // A replay writes thousands of lines: a buffer touched beforehand never faults a page in mid-replay.
        m_traceBuffer.assign(std::size_t(1) << 20, '\0');
        std::setvbuf(m_trace, m_traceBuffer.data(), _IOFBF, m_traceBuffer.size());
    }
    m_tracePath = m_trace ? path : QString();
}

QString VirtualModule::traceFile() const
{
    std::lock_guard lock(m_mutex);
    return m_tracePath;
}

void VirtualModule::flushTrace()
{
    std::lock_guard lock(m_mutex);
    if (m_trace)
        std::fflush(m_trace);
}

VirtualModule::Registers* VirtualModule::registersOf(std::uint16_t base)
{
    for (int i = 0; i < 3; ++i) {
        if (kBases[i] == base)
            return &m_registers[i];
    }
    return nullptr;
}

void VirtualModule::spendAccessTime(std::int64_t start) const
{
    MonotonicClock::spinUntil(start + m_accessCostNs.load(std::memory_order_relaxed));
}

std::uint8_t VirtualModule::read(std::uint16_t port)
{
    const std::int64_t start = MonotonicClock::now();
    std::uint8_t value = 0xFF;
    if (port >= 0x278 && port <= 0x3BE) {
        const int offset = port & 3;
        std::lock_guard lock(m_mutex);
        if (Registers* r = registersOf(std::uint16_t(port - offset))) {
            if (offset == 0)
                value = r->data;
            else if (offset == 2)
                value = r->control;
            else if (offset == 1)
                value = m_remote.litAt(start) ? kStatusDark & ~kLightMask : kStatusDark;
        }
    }
    spendAccessTime(start);
    return value;
}

void VirtualModule::write(std::uint16_t port, std::uint8_t value)
{
    const std::int64_t start = MonotonicClock::now();
    {
        const int offset = port & 3;
        std::lock_guard lock(m_mutex);
        Registers* r = registersOf(std::uint16_t(port - offset));
        std::uint8_t* reg = !r ? nullptr : offset == 0 ? &r->data : offset == 2 ? &r->control : nullptr;
        if (reg) {
            *reg = value;
            if (m_trace)
                std::fprintf(m_trace, "%lld %X %02X\n", static_cast<long long>(start), unsigned(port), unsigned(value));
        }
    }
    spendAccessTime(start);
}

bool VirtualModule::ledOn() const
{
    std::lock_guard lock(m_mutex);
    return (m_registers[0].data | m_registers[1].data | m_registers[2].data) & 1;
}

void VirtualModule::reset()
{
    m_remote.clear();
    m_remote.setLight(false);
    std::lock_guard lock(m_mutex);
    for (Registers& r : m_registers)
        r = Registers{};
}
