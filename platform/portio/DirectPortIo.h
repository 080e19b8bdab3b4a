#pragma once

#include "PortIo.h"

// The five operations as inb/outb after ioperm (root or CAP_SYS_RAWIO, x86 only): the fastest path
// on a PC with a real port. Bases that ioperm refuses read as all ones and ignore writes.
class DirectPortIo : public PortIo {
public:
    DirectPortIo();
    ~DirectPortIo() override;

    bool IsDriverInstalled() override { return m_problem.isEmpty(); }
    void PortOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t PortIn(std::uint16_t port) override;
    void SetPortBit(std::uint16_t port, std::uint8_t bit) override;
    void ClrPortBit(std::uint16_t port, std::uint8_t bit) override;
    QString driverProblem() const override { return m_problem; }
    QString kind() const override { return QStringLiteral("direct"); }

    // The second line of the driver message for an ioperm failure with this errno.
    static QString problemText(int error);

private:
    bool permitted(std::uint16_t port) const;

    bool m_granted[3] = {false, false, false};
    QString m_problem;
};
