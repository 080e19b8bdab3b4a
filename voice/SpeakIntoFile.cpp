#include "SpeakIntoFile.h"

#include "Prompt.h"
#include "Speech.h"
#include "SpeechWait.h"
#include "WavFile.h"
#include "WaveDevice.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

namespace {

// What the sound server still holds when the character has finished, so that the end is not cut.
constexpr int kTailMs = 150;
// Below this the recording heard nothing: the recording source is not the PC's output.
constexpr int kSilentPeak = 200;

void letEventsRun(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool fail(const QString& text)
{
    Prompts::exclamation(text);
    return false;
}

bool recordingIsSilent()
{
    const Result<WavData> wav = readWav(scratchWavePath());
    return !wav || measureLevel(wav->monoSamples()).peak < kSilentPeak;
}

} // namespace

int speechTimeLimitMs(const QString& text)
{
    return 10000 + 400 * int(text.size());
}

bool speakIntoFile(Speech& character, const QString& text, const QString& target, int leadInMs, int limitMs)
{
    QFile::remove(target);
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (Status s = RecordWave(); !s)
        return fail(QStringLiteral("録音を始めることができませんでした。\n") + s.error());
    letEventsRun(leadInMs);
    const Result<quint64> request = character.speak(text);
    if (!request) {
        StopWave();
        return fail(QStringLiteral("音声合成で読み上げることができませんでした。\n") + request.error());
    }
    const SpeechEnd end = waitForSpeech(character, *request, limitMs >= 0 ? limitMs : speechTimeLimitMs(text));
    if (!end.completed || !end.error.isEmpty()) {
        StopWave();
        return fail(end.completed
                        ? QStringLiteral("音声合成の音声を再生できませんでした。\n") + end.error
                        : QStringLiteral("音声合成が時間内に終わりませんでした。音声ファイルは作成していません。\n") +
                              QDir::toNativeSeparators(target));
    }
    letEventsRun(kTailMs);
    if (Status s = finishRecording(); !s)
        return fail(QStringLiteral("録音が途中で止まりました。音声ファイルは作成していません。\n") + s.error());
    if (recordingIsSilent()) {
        QFile::remove(scratchWavePath());
        StopWave();
        return fail(
            QStringLiteral("録音された音声が無音でした。録音元 ([Audio] RecordSource) が PC の出力になっているか"
                           "確かめてください。音声ファイルは作成していません。"));
    }
    return SaveWave(target);
}
