#include "WaveDevice.h"

#include "DataFolder.h"
#include "PcAudio.h"
#include "Prompt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QTimer>

#include <memory>

namespace {

enum class Mode { Closed, Recording, Recorded, Playing };

constexpr int kPlaybackPollMs = 50;

Mode g_mode = Mode::Closed;

// Copies the scratch recording over path through a file beside it, so that a failed copy never
// leaves path half written.
bool copyOver(const QString& scratch, const QString& path)
{
    QFile source(scratch);
    QSaveFile target(path);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly))
        return false;
    return target.write(source.readAll()) == source.size() && target.commit();
}

} // namespace

PcAudio& waveAudio()
{
    static std::unique_ptr<PcAudio> audio = makePcAudio();
    return *audio;
}

QString scratchWavePath()
{
    return DataFolder::tmpDir() + QStringLiteral("/temp-%1.wav").arg(QCoreApplication::applicationPid());
}

bool waveDeviceBusy()
{
    return g_mode == Mode::Recording || g_mode == Mode::Playing;
}

Status RecordWave()
{
    if (waveDeviceBusy())
        return Status::failure(kWaveBusyMessage);
    QFile::remove(scratchWavePath());
    if (Status s = waveAudio().startRecording(scratchWavePath()); !s) {
        QFile::remove(scratchWavePath());
        return s;
    }
    g_mode = Mode::Recording;
    return {};
}

Status finishRecording()
{
    if (g_mode == Mode::Recorded)
        return {};
    if (g_mode != Mode::Recording)
        return Status::failure(QStringLiteral("録音は始まっていません。"));
    const Status stopped = waveAudio().stopRecording();
    g_mode = Mode::Closed;
    if (!stopped) {
        QFile::remove(scratchWavePath());
        return stopped;
    }
    g_mode = Mode::Recorded;
    return {};
}

bool SaveWave(const QString& path)
{
    const QString scratch = scratchWavePath();
    const bool recorded = finishRecording().ok();
    g_mode = Mode::Closed;
    if (!recorded || !QFile::exists(scratch) || !copyOver(scratch, path)) {
        Prompts::exclamation(kWriteFailedMessage);
        return false;
    }
    QFile::remove(scratch);
    return true;
}

Status PlayWave(const QString& path)
{
    if (waveDeviceBusy())
        return Status::failure(kWaveBusyMessage);
    const QString scratch = scratchWavePath();
    QFile::remove(scratch);
    if (!QFile::copy(path, scratch))
        return Status::failure(QStringLiteral("%1 を再生できません。").arg(path));
    Status started = waveAudio().startPlayback(scratch);
    if (started) {
        g_mode = Mode::Playing;
        // The end of playback is seen by asking the device, as long as it says it is playing.
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&loop] {
            if (g_mode != Mode::Playing || !waveAudio().isPlaying())
                loop.quit();
        });
        poll.start(kPlaybackPollMs);
        loop.exec();
        StopWave();
    }
    QFile::remove(scratch);
    return started;
}

void StopWave()
{
    if (g_mode == Mode::Playing)
        waveAudio().stopPlayback();
    else if (g_mode == Mode::Recording)
        waveAudio().stopRecording();
    g_mode = Mode::Closed;
}
