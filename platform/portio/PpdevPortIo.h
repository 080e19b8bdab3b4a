#pragma once

#include "PortIo.h"

#include <QString>

#include <array>

// The five operations on /dev/parportN through the ppdev ioctls. Each of the three bases is one
// device (378 → parport0, 278 → parport1, 3BC → parport2 unless the settings say otherwise); a
// base whose device cannot be opened and claimed reads as all ones and ignores writes.
class PpdevPortIo : public PortIo {
public:
    // devices: the device file of 378, 278 and 3BC, in that order.
    explicit PpdevPortIo(std::array<QString, 3> devices);
    ~PpdevPortIo() override;

    bool IsDriverInstalled() override;
    void PortOut(std::uint16_t port, std::uint8_t value) override;
    std::uint8_t PortIn(std::uint16_t port) override;
    void SetPortBit(std::uint16_t port, std::uint8_t bit) override;
    void ClrPortBit(std::uint16_t port, std::uint8_t bit) override;
    QString driverProblem() const override { return m_problem; }
    QString kind() const override { return QStringLiteral("ppdev"); }

    // The devices of the three bases from [Platform] ParportDevice378/278/3BC, or the defaults.
    static std::array<QString, 3> configuredDevices();
    // What a failed open or claim of device means, as the second line of the driver message.
    static QString problemText(const QString& device, int error);

private:
    struct Port {
        QString device;
        int fd = -1;
        bool reverse = false; // control bit 5, which ppdev keeps apart as the data direction
    };
    Port* portOf(std::uint16_t address, int* offset);
    void open(Port& port);

    std::array<Port, 3> m_ports;
    QString m_problem;
};
