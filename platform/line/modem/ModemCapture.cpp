#include "ModemCapture.h"

#include "ModemSession.h"
#include "SampleCodec.h"

#include <QPointer>

ModemCapture::ModemCapture(ModemSession& session) : m_session(session) {}

ModemCapture::~ModemCapture()
{
    stop();
}

Status ModemCapture::createBuffer(const WaveFormat& format, int bytes)
{
    if (format.channels != 1 || format.samplesPerSecond != 8000 ||
        (format.bitsPerSample != 16 && format.bitsPerSample != 8))
        return Status::failure(QStringLiteral("the modem records 8 kHz mono, 8 or 16 bits"));
    if (bytes <= 0 || bytes % format.blockAlign() != 0)
        return Status::failure(QStringLiteral("bad capture buffer size"));
    m_format = format;
    m_buffer = QByteArray(bytes, format.bitsPerSample == 8 ? char(0x80) : char(0));
    return {};
}

void ModemCapture::start()
{
    if (m_buffer.isEmpty() || m_capturing)
        return;
    m_capturing = true;
    m_written = 0;
    QPointer<ModemCapture> self(this);
    m_ticket = m_session.receive(
        [self](const QByteArray& coded) {
            if (self)
                self->arrive(coded);
        },
        [self] {
            if (self)
                self->m_capturing = false;
        });
}

void ModemCapture::stop()
{
    if (!m_capturing)
        return;
    m_capturing = false;
    m_session.stopStream(m_ticket);
}

QByteArray ModemCapture::read(int offset, int bytes) const
{
    return m_buffer.mid(offset, bytes);
}

void ModemCapture::arrive(const QByteArray& coded)
{
    if (!m_capturing)
        return;
    QByteArray samples = SampleCodec::toLinear16(coded, m_session.method().coding);
    if (m_format.bitsPerSample == 8)
        samples = SampleCodec::fromLinear16(samples, SampleCoding::Unsigned8);
    const qint64 size = m_buffer.size();
    const qint64 before = m_written;
    for (char c : std::as_const(samples))
        m_buffer[qsizetype(m_written++ % size)] = c;
    // The positions passed, in the order they were passed.
    QList<std::pair<qint64, int>> passed;
    for (int i = 0; i < m_positions.size(); ++i) {
        for (qint64 c = (before / size) * size + m_positions[i]; c <= m_written; c += size) {
            if (c > before)
                passed.append({c, i});
        }
    }
    std::sort(passed.begin(), passed.end());
    QPointer<ModemCapture> alive(this);
    for (const auto& p : passed) {
        emit notified(p.second);
        if (!alive || !m_capturing)
            return;
    }
}
