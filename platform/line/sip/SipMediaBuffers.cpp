#include "SipMediaBuffers.h"

#include <cstring>

void SipMediaBuffers::setCapturing(bool on)
{
    std::lock_guard guard(m_lock);
    m_capturing = on;
    m_caller.clear();
}

QByteArray SipMediaBuffers::takeCallerVoice(int bytes)
{
    std::lock_guard guard(m_lock);
    const QByteArray part = m_caller.left(bytes & ~1);
    m_caller.remove(0, part.size());
    return part;
}

void SipMediaBuffers::addMachineVoice(const QByteArray& samples)
{
    std::lock_guard guard(m_lock);
    m_machine += samples;
    m_lastMachine = std::chrono::steady_clock::now();
    m_soundEnded = false;
}

void SipMediaBuffers::machineSoundEnded()
{
    std::lock_guard guard(m_lock);
    m_soundEnded = true;
}

void SipMediaBuffers::addCallerVoice(const qint16* samples, int count)
{
    std::lock_guard guard(m_lock);
    if (!m_capturing)
        return;
    for (int i = 0; i < count; ++i) {
        m_caller += char(samples[i] & 0xff);
        m_caller += char((samples[i] >> 8) & 0xff);
    }
    if (m_caller.size() > kCallerLimit)
        m_caller.remove(0, m_caller.size() - kCallerLimit);
}

void SipMediaBuffers::takeMachineFrame(qint16* frame)
{
    std::memset(frame, 0, kFrameSamples * sizeof(qint16));
    std::lock_guard guard(m_lock);
    if (!m_draining)
        m_draining =
            m_machine.size() >= kPrimeBytes ||
            (!m_machine.isEmpty() && (m_soundEnded || std::chrono::steady_clock::now() - m_lastMachine > kBurstGap));
    if (!m_draining)
        return;
    const qsizetype bytes = qMin<qsizetype>(m_machine.size(), kFrameSamples * 2);
    for (qsizetype i = 0; i + 1 < bytes; i += 2)
        frame[i / 2] = qint16(quint8(m_machine[i]) | quint8(m_machine[i + 1]) << 8);
    m_machine.remove(0, bytes);
    if (m_machine.isEmpty() && std::chrono::steady_clock::now() - m_lastMachine > kBurstGap)
        m_draining = false;
}

void SipMediaBuffers::clear()
{
    std::lock_guard guard(m_lock);
    m_caller.clear();
    m_machine.clear();
    m_draining = false;
    m_soundEnded = false;
}
