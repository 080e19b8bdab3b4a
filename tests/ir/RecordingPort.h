#pragma once

#include "PortIo.h"

#include <map>
#include <vector>

// A port that remembers every write, for checking what the IR code does to the registers.
class RecordingPort : public PortIo {
public:
    struct Write {
        std::uint16_t port;
        std::uint8_t value;
        bool operator==(const Write&) const = default;
    };

    bool installed = true;
    std::uint8_t status = 0x7F; // dark
    std::vector<Write> writes;
    std::map<std::uint16_t, std::uint8_t> registers;

    bool IsDriverInstalled() override { return installed; }
    void PortOut(std::uint16_t port, std::uint8_t value) override
    {
        writes.push_back({port, value});
        registers[port] = value;
    }
    std::uint8_t PortIn(std::uint16_t port) override { return (port & 3) == 1 ? status : registers[port]; }
    void SetPortBit(std::uint16_t port, std::uint8_t bit) override
    {
        PortOut(port, std::uint8_t(registers[port] | (1u << bit)));
    }
    void ClrPortBit(std::uint16_t port, std::uint8_t bit) override
    {
        PortOut(port, std::uint8_t(registers[port] & ~(1u << bit)));
    }
    QString driverProblem() const override { return installed ? QString() : QStringLiteral("no port here"); }
    QString kind() const override { return QStringLiteral("recording"); }

    // The values written to one register, in order.
    std::vector<std::uint8_t> writesTo(std::uint16_t port) const
    {
        std::vector<std::uint8_t> values;
        for (const Write& w : writes) {
            if (w.port == port)
                values.push_back(w.value);
        }
        return values;
    }
};
