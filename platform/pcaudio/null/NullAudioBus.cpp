#include "NullAudioBus.h"

#include "PcAudio.h"
#include "Resampler.h"

NullAudioBus& NullAudioBus::instance()
{
    static NullAudioBus bus;
    return bus;
}

void NullAudioBus::play(const QList<int16_t>& samples, int sampleRate)
{
    QMutexLocker lock(&m_mutex);
    if (m_listener)
        m_listener(resample(samples, sampleRate, kRecordingRate));
}

void NullAudioBus::setListener(Listener listener)
{
    QMutexLocker lock(&m_mutex);
    m_listener = std::move(listener);
}
