#include "MemoryPlayback.h"

namespace {

constexpr int kTickMilliseconds = 100;

} // namespace

MemoryPlayback::MemoryPlayback(Sink sink, StateSink state) : m_sink(std::move(sink)), m_state(std::move(state))
{
    m_tick.setInterval(kTickMilliseconds);
    m_tick.setTimerType(Qt::PreciseTimer);
    connect(&m_tick, &QTimer::timeout, this, &MemoryPlayback::tick);
}

MemoryPlayback::~MemoryPlayback()
{
    stop();
}

bool MemoryPlayback::load(const QByteArray& lineSamples, const QString& soundName)
{
    stop();
    m_samples = lineSamples;
    m_name = soundName;
    return true;
}

void MemoryPlayback::play()
{
    stop();
    m_playing = true;
    m_delivered = 0;
    m_clock.start();
    if (m_state)
        m_state(true, m_name);
    m_tick.start();
    tick();
}

void MemoryPlayback::tick()
{
    const qint64 due = m_clock.elapsed() * WaveFormat::line().bytesPerSecond() / 1000 & ~qint64(1);
    if (due < m_samples.size()) {
        deliverUpTo(due);
        return;
    }
    deliverUpTo(m_samples.size());
    m_tick.stop();
    m_playing = false;
    if (m_state)
        m_state(false, m_name);
}

void MemoryPlayback::stop()
{
    if (!m_playing)
        return;
    const qint64 due = m_clock.elapsed() * WaveFormat::line().bytesPerSecond() / 1000 & ~qint64(1);
    deliverUpTo(qMin<qsizetype>(m_samples.size(), due));
    m_tick.stop();
    m_playing = false;
    if (m_state)
        m_state(false, m_name);
}

void MemoryPlayback::deliverUpTo(qsizetype bytes)
{
    if (bytes <= m_delivered)
        return;
    if (m_sink)
        m_sink(m_samples.mid(m_delivered, bytes - m_delivered), m_name);
    m_delivered = bytes;
}
