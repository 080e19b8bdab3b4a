#include "MemoryCapture.h"

#include <QPointer>

MemoryCapture::MemoryCapture(Source source, StateSink state, bool refuse16Bit)
    : m_source(std::move(source)), m_state(std::move(state)), m_refuse16Bit(refuse16Bit)
{
    m_tick.setSingleShot(true);
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &MemoryCapture::advance);
}

MemoryCapture::~MemoryCapture()
{
    stop();
}

Status MemoryCapture::createBuffer(const WaveFormat& format, int bytes)
{
    if (format.bitsPerSample == 16 && m_refuse16Bit)
        return Status::failure(QStringLiteral("the capture device does not support 16-bit samples"));
    if (bytes <= 0 || bytes % format.blockAlign() != 0)
        return Status::failure(QStringLiteral("bad capture buffer size"));
    m_format = format;
    m_buffer = QByteArray(bytes, format.bitsPerSample == 8 ? char(0x80) : char(0));
    return {};
}

void MemoryCapture::start()
{
    if (m_buffer.isEmpty() || m_capturing)
        return;
    m_capturing = true;
    m_written = 0;
    m_clock.start();
    if (m_state)
        m_state(true);
    scheduleNext();
}

void MemoryCapture::stop()
{
    if (!m_capturing)
        return;
    m_tick.stop();
    m_capturing = false;
    if (m_state)
        m_state(false);
}

QByteArray MemoryCapture::read(int offset, int bytes) const
{
    return m_buffer.mid(offset, bytes);
}

void MemoryCapture::fill(qint64 bytes)
{
    QByteArray voice = m_source ? m_source(int(bytes * 2 / m_format.blockAlign())) : QByteArray();
    const qint64 frames = bytes / m_format.blockAlign();
    for (qint64 i = 0; i < frames; ++i) {
        const qint64 at = 2 * i;
        const qint16 s = at + 1 < voice.size() ? qint16(quint8(voice[at]) | quint8(voice[at + 1]) << 8) : 0;
        const qint64 pos = (m_written % m_buffer.size());
        if (m_format.bitsPerSample == 8) {
            m_buffer[pos] = char((s >> 8) + 128);
        } else {
            m_buffer[pos] = char(s & 0xff);
            m_buffer[pos + 1] = char((s >> 8) & 0xff);
        }
        m_written += m_format.blockAlign();
    }
}

void MemoryCapture::advance()
{
    const qint64 before = m_written;
    const qint64 due =
        m_clock.elapsed() * m_format.bytesPerSecond() / 1000 / m_format.blockAlign() * m_format.blockAlign();
    if (due > before)
        fill(due - before);
    // The positions passed, in the order they were passed.
    QList<std::pair<qint64, int>> passed;
    const qint64 size = m_buffer.size();
    for (int i = 0; i < m_positions.size(); ++i) {
        for (qint64 c = (before / size) * size + m_positions[i]; c <= m_written; c += size) {
            if (c > before)
                passed.append({c, i});
        }
    }
    std::sort(passed.begin(), passed.end());
    QPointer<MemoryCapture> alive(this);
    for (const auto& p : passed) {
        emit notified(p.second);
        if (!alive || !m_capturing)
            return;
    }
    scheduleNext();
}

void MemoryCapture::scheduleNext()
{
    const qint64 size = m_buffer.size();
    qint64 next = -1;
    for (int p : m_positions) {
        qint64 c = (m_written / size) * size + p;
        while (c <= m_written)
            c += size;
        if (next < 0 || c < next)
            next = c;
    }
    if (next < 0)
        return;
    const qint64 at = next * 1000 / m_format.bytesPerSecond();
    m_tick.start(int(qMax<qint64>(0, at - m_clock.elapsed())));
}
