#include "LinePlayer.h"

#include "LineAudio.h"
#include "WavFile.h"

#include <QFileInfo>

LinePlayer::LinePlayer() = default;
LinePlayer::~LinePlayer() = default;

LinePlayer::Start LinePlayer::play(LineAudio& audio, const QString& deviceGuid, const QString& path)
{
    release();
    Result<std::unique_ptr<LinePlayback>> device = audio.openPlayback(deviceGuid);
    if (!device)
        return Start::DeviceFailed;
    const Result<PcmSound> sound = WavFile::read(path);
    if (!sound || !device.value()->load(WavFile::toLineSamples(*sound), QFileInfo(path).fileName()))
        return Start::NotPlayable;
    m_buffer = std::move(device.value());
    m_buffer->play();
    return Start::Playing;
}

bool LinePlayer::checkStopped()
{
    if (!m_buffer || m_buffer->isPlaying())
        return false;
    m_buffer.reset();
    return true;
}

void LinePlayer::release()
{
    m_buffer.reset();
}
