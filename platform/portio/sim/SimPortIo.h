#pragma once

#include "PortIo.h"

// The port operations on the virtual IR module (VirtualModule).
class SimPortIo : public PortIo {
public:
    ~SimPortIo() override;
    bool IsDriverInstalled() override { return true; }
    void PortOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t PortIn(std::uint16_t port) override;
    void SetPortBit(std::uint16_t port, std::uint8_t bit) override;
    void ClrPortBit(std::uint16_t port, std::uint8_t bit) override;
    QString driverProblem() const override { return {}; }
    QString kind() const override { return QStringLiteral("sim"); }
};
