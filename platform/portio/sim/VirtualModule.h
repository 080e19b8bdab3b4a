#pragma once

#include "VirtualRemote.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <vector>

// The virtual IR module: one module wired to all three port bases, as a demonstration, training and
// test stand-in for the real one. Its receiver (status bit 4 of base+1, 1 = dark) sees the virtual
// remote; its LED is lit while data bit 0 of any base is set. Every read or write costs about as
// long as a real port access. Every write to a data or control register can be written to a trace
// file, one line each, also when it leaves the value as it was (so that a reset of registers that
// are already clear still shows): "<monotonic ns> <register address, hex> <value, hex>",
// e.g. "81234567 378 01".
class VirtualModule {
public:
    static VirtualModule& instance();

    VirtualRemote& remote() { return m_remote; }

    // Cost of one port access in nanoseconds; starts from $TALVERO_SIM_ACCESS_NS or 1000.
    void setAccessCostNs(std::int64_t ns) { m_accessCostNs.store(ns); }
    std::int64_t accessCostNs() const { return m_accessCostNs.load(); }

    // Starts from $TALVERO_PORT_TRACE; an empty path stops tracing. Lines are appended.
    void setTraceFile(const QString& path);
    QString traceFile() const;
    void flushTrace();

    std::uint8_t read(std::uint16_t port);
    void write(std::uint16_t port, std::uint8_t value);

    // Whether the LED shines now.
    bool ledOn() const;
    // Back to power-on: all registers 0, remote idle and dark.
    void reset();

private:
    VirtualModule();
    ~VirtualModule();
    struct Registers {
        std::uint8_t data = 0;
        std::uint8_t control = 0;
    };
    Registers* registersOf(std::uint16_t base);
    void spendAccessTime(std::int64_t start) const;

    VirtualRemote m_remote;
    std::atomic<std::int64_t> m_accessCostNs;
    mutable std::mutex m_mutex;
    Registers m_registers[3];
    std::FILE* m_trace = nullptr;
    std::vector<char> m_traceBuffer;
    QString m_tracePath;
};
