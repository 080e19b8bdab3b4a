#pragma once

#include "Result.h"
#include "UucpLock.h"

#include <QByteArray>
#include <QString>

// A serial device opened for a modem: locked, exclusive, raw, no software flow control, hardware
// flow control, non-blocking. Writes never wait: what the device cannot take now is left to the caller.
class SerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice();
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    Status open(const QString& path, int speed, const QString& lockDir);
    void close();
    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }

    // The bytes taken by the device (0 when it is full for now), or an error when it is gone.
    Result<qsizetype> write(const QByteArray& bytes);

private:
    int m_fd = -1;
    UucpLock m_lock;
};
