#pragma once

#include "LineAudio.h"

class ModemSession;

// A looping capture buffer filled by what the modem receives from the line: the caller's voice is
// converted to the buffer's format as it arrives, and each notification position it passes is
// signalled in order.
class ModemCapture : public LineCapture {
    Q_OBJECT
public:
    explicit ModemCapture(ModemSession& session);
    ~ModemCapture() override;

    Status createBuffer(const WaveFormat& format, int bytes) override;
    WaveFormat format() const override { return m_format; }
    int bufferSize() const override { return int(m_buffer.size()); }
    void setNotificationPositions(const QList<int>& offsets) override { m_positions = offsets; }
    void start() override;
    void stop() override;
    bool isCapturing() const override { return m_capturing; }
    QByteArray read(int offset, int bytes) const override;

private:
    void arrive(const QByteArray& coded);

    ModemSession& m_session;
    WaveFormat m_format;
    QByteArray m_buffer;
    QList<int> m_positions;
    qint64 m_written = 0; // bytes captured since start
    int m_ticket = 0;
    bool m_capturing = false;
};
