#include "MemoryLineAudio.h"

#include "MemoryCapture.h"
#include "MemoryPlayback.h"

MemoryLineAudio::MemoryLineAudio(int legacyId, Wiring wiring) : m_id(legacyId), m_wiring(std::move(wiring)) {}

QString MemoryLineAudio::playbackGuid() const
{
    return QStringLiteral("{memory-wave-out-%1}").arg(m_id);
}

QString MemoryLineAudio::captureGuid() const
{
    return QStringLiteral("{memory-wave-in-%1}").arg(m_id);
}

QList<AudioDeviceInfo> MemoryLineAudio::playbackDevices() const
{
    return {{playbackGuid(), QStringLiteral("WaveOut %1").arg(m_id)}};
}

QList<AudioDeviceInfo> MemoryLineAudio::captureDevices() const
{
    return {{captureGuid(), QStringLiteral("WaveIn %1").arg(m_id)}};
}

Result<std::unique_ptr<LinePlayback>> MemoryLineAudio::openPlayback(const QString& guid)
{
    using R = Result<std::unique_ptr<LinePlayback>>;
    if (m_faults.refusePlayback || (!guid.isEmpty() && guid != playbackGuid()))
        return R::failure(QStringLiteral("playback device %1 cannot be opened").arg(guid));
    return R(std::make_unique<MemoryPlayback>(m_wiring.machineVoice, m_wiring.playbackStateChanged));
}

Result<std::unique_ptr<LineCapture>> MemoryLineAudio::openCapture(const QString& guid)
{
    using R = Result<std::unique_ptr<LineCapture>>;
    if (m_faults.refuseCapture || (!guid.isEmpty() && guid != captureGuid()))
        return R::failure(QStringLiteral("capture device %1 cannot be opened").arg(guid));
    return R(std::make_unique<MemoryCapture>(m_wiring.callerVoice, m_wiring.captureStateChanged,
                                             m_faults.refuse16BitCapture));
}
