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
    // Each position is signalled the moment the byte before it is written, before the next byte can
    // overwrite the half it completes.
    QPointer<ModemCapture> alive(this);
    for (char c : std::as_const(samples)) {
        m_buffer[qsizetype(m_written++ % m_buffer.size())] = c;
        const qsizetype reached = m_positions.indexOf(int(m_written % m_buffer.size()));
        if (reached < 0)
            continue;
        emit notified(int(reached));
        if (!alive || !m_capturing)
            return;
    }
}
