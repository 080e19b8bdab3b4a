#pragma once

#include <QString>

#include <cstdint>
#include <memory>

// Access to the parallel-port registers of the IR module: the five operations every program of the
// system uses, nothing else. Implementations: /dev/parportN (ppdev), direct port I/O (ioperm), and the
// virtual IR module. Create one with makePortIo().
class PortIo {
public:
    virtual ~PortIo() = default;

    // True when the ports can be reached; otherwise driverProblem() says why.
    virtual bool IsDriverInstalled() = 0;
    virtual void PortOut(std::uint16_t port, std::uint8_t value) = 0;
    virtual std::uint8_t PortIn(std::uint16_t port) = 0;
    // Change only that bit (0..7) of the register; the others keep their values.
    virtual void SetPortBit(std::uint16_t port, std::uint8_t bit) = 0;
    virtual void ClrPortBit(std::uint16_t port, std::uint8_t bit) = 0;

    // The second line of the driver message: what is wrong on this machine (empty when installed).
    virtual QString driverProblem() const = 0;
    // "sim", "ppdev" or "direct".
    virtual QString kind() const = 0;
};

// The driver message of every program, its first line kept as it always was.
inline const QString kDriverMessage = QStringLiteral("IO.dll not properly istalled.");
QString driverMessage(const PortIo& port); // kDriverMessage + "\n" + driverProblem()

// The implementation chosen by $TALVERO_PORT, else [Platform] Port (auto|sim|ppdev|direct), else auto:
// ppdev when a /dev/parportN of the three bases exists, the virtual module otherwise. An unknown
// name gives a port whose IsDriverInstalled is false and whose problem names the wrong setting.
std::unique_ptr<PortIo> makePortIo();
// The same for a given name ("auto", "sim", "ppdev", "direct"), for a "--port" option.
std::unique_ptr<PortIo> makePortIo(const QString& name);
