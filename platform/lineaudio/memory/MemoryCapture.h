#pragma once

#include "LineAudio.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// A looping capture buffer filled in real time from a voice source. The clock decides how many
// bytes are due; each notification position passed is signalled in order.
class MemoryCapture : public LineCapture {
    Q_OBJECT
public:
    using Source = std::function<QByteArray(int bytes)>;
    using StateSink = std::function<void(bool capturing)>;
    MemoryCapture(Source source, StateSink state, bool refuse16Bit);
    ~MemoryCapture() override;

    Status createBuffer(const WaveFormat& format, int bytes) override;
    WaveFormat format() const override { return m_format; }
    int bufferSize() const override { return int(m_buffer.size()); }
    void setNotificationPositions(const QList<int>& offsets) override { m_positions = offsets; }
    void start() override;
    void stop() override;
    bool isCapturing() const override { return m_capturing; }
    QByteArray read(int offset, int bytes) const override;

private:
    void advance();
    void fill(qint64 bytes);
    void scheduleNext();

    Source m_source;
    StateSink m_state;
    bool m_refuse16Bit;
    WaveFormat m_format;
    QByteArray m_buffer;
    QList<int> m_positions;
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_written = 0; // bytes captured since start
    bool m_capturing = false;
};
