#include "ModemAudio.h"

#include "ModemCapture.h"
#include "ModemPlayback.h"
#include "ModemSession.h"

ModemAudio::ModemAudio(ModemSession& session, int legacyId) : m_session(session), m_id(legacyId) {}

QString ModemAudio::playbackGuid() const
{
    return QStringLiteral("{modem-wave-out-%1}").arg(m_id);
}

QString ModemAudio::captureGuid() const
{
    return QStringLiteral("{modem-wave-in-%1}").arg(m_id);
}

QList<AudioDeviceInfo> ModemAudio::playbackDevices() const
{
    return {{playbackGuid(), QStringLiteral("WaveOut %1").arg(m_id)}};
}

QList<AudioDeviceInfo> ModemAudio::captureDevices() const
{
    return {{captureGuid(), QStringLiteral("WaveIn %1").arg(m_id)}};
}

Result<std::unique_ptr<LinePlayback>> ModemAudio::openPlayback(const QString& guid)
{
    using R = Result<std::unique_ptr<LinePlayback>>;
    if (!guid.isEmpty() && guid != playbackGuid())
        return R::failure(QStringLiteral("playback device %1 is not the modem's").arg(guid));
    if (!m_session.isUsable())
        return R::failure(QStringLiteral("the modem cannot be used now"));
    return R(std::make_unique<ModemPlayback>(m_session));
}

Result<std::unique_ptr<LineCapture>> ModemAudio::openCapture(const QString& guid)
{
    using R = Result<std::unique_ptr<LineCapture>>;
    if (!guid.isEmpty() && guid != captureGuid())
        return R::failure(QStringLiteral("capture device %1 is not the modem's").arg(guid));
    if (!m_session.isUsable())
        return R::failure(QStringLiteral("the modem cannot be used now"));
    return R(std::make_unique<ModemCapture>(m_session));
}
