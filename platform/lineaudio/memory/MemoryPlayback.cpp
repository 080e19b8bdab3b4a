#include "MemoryPlayback.h"

MemoryPlayback::MemoryPlayback(Sink sink, StateSink state) : m_sink(std::move(sink)), m_state(std::move(state))
{
    m_end.setSingleShot(true);
    m_end.setTimerType(Qt::PreciseTimer);
    connect(&m_end, &QTimer::timeout, this, [this] { finish(m_samples.size()); });
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
    m_clock.start();
    if (m_state)
        m_state(true, m_name);
    m_end.start(int(m_samples.size() * 1000 / WaveFormat::line().bytesPerSecond()));
}

void MemoryPlayback::stop()
{
    if (!m_playing)
        return;
    const qint64 due = m_clock.elapsed() * WaveFormat::line().bytesPerSecond() / 1000;
    finish(qMin<qsizetype>(m_samples.size(), due & ~qint64(1)));
}

void MemoryPlayback::finish(qsizetype playedBytes)
{
    m_end.stop();
    m_playing = false;
    if (m_sink)
        m_sink(m_samples.left(playedBytes), m_name);
    if (m_state)
        m_state(false, m_name);
}
