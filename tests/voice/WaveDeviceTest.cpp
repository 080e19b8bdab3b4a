#include "WaveDevice.h"

#include "PcAudio.h"
#include "ScriptedPrompt.h"
#include "TempHome.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// These run on the null device (NullDevice.cpp): what the process plays is what it records.

namespace {

QByteArray content(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void playToOutput(int count, int16_t value)
{
    auto output = waveAudio().openOutput(8000);
    ASSERT_TRUE(output);
    const QList<int16_t> samples(count, value);
    ASSERT_TRUE(output.value()->write(samples.constData(), samples.size()));
}

} // namespace

TEST(WaveDevice, RecordsThroughAScratchFileOfThisProcess)
{
    TempHome home;
    const QString scratch = scratchWavePath();
    EXPECT_TRUE(scratch.startsWith(home.file("tmp/")));
    EXPECT_TRUE(scratch.contains(QString::number(QCoreApplication::applicationPid())));
    ASSERT_TRUE(RecordWave());
    playToOutput(1600, 4000);
    const QString target = home.file("label.wav");
    ASSERT_TRUE(SaveWave(target));
    EXPECT_FALSE(QFile::exists(scratch));
    const Result<WavData> wav = readWav(target);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format, (WavFormat{8000, 1, 16}));
    EXPECT_NEAR(wav->seconds(), 0.2, 0.01);
}

TEST(WaveDevice, ASaveWithoutARecordingKeepsTheOldFile)
{
    TempHome home;
    const QString target = home.file("old.wav");
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("the old greeting");
    f.close();
    ScriptedPrompt prompts;
    prompts.expect(kWriteFailedMessage);
    EXPECT_FALSE(SaveWave(target));
    EXPECT_EQ(content(target), QByteArray("the old greeting"));
    // A recording that was stopped is dropped, not saved.
    ASSERT_TRUE(RecordWave());
    StopWave();
    prompts.expect(kWriteFailedMessage);
    EXPECT_FALSE(SaveWave(target));
    EXPECT_EQ(content(target), QByteArray("the old greeting"));
}

TEST(WaveDevice, SavingIntoAMissingFolderKeepsTheScratchRecording)
{
    TempHome home;
    ASSERT_TRUE(RecordWave());
    playToOutput(800, 4000);
    ScriptedPrompt prompts;
    prompts.expect(QStringLiteral("ファイルに書き込むことができませんでした。"));
    EXPECT_FALSE(SaveWave(home.file("no/such/folder/x.wav")));
    EXPECT_TRUE(readWav(scratchWavePath()));
    EXPECT_FALSE(waveDeviceBusy());
}

TEST(WaveDevice, RefusesASecondRecordingOrPlayback)
{
    TempHome home;
    const QString played = home.file("a file with spaces.wav");
    ASSERT_TRUE(writeWav(played, 8000, QList<int16_t>(400, 1000)));
    ASSERT_TRUE(RecordWave());
    const Status second = RecordWave();
    EXPECT_FALSE(second);
    EXPECT_EQ(second.error(), kWaveBusyMessage);
    EXPECT_EQ(PlayWave(played).error(), kWaveBusyMessage);
    StopWave();
    EXPECT_TRUE(PlayWave(played)) << "free again once stopped";
}

TEST(WaveDevice, PlaybackEndsAndLeavesNoScratchFile)
{
    TempHome home;
    const QString played = home.file("a file with spaces.wav");
    ASSERT_TRUE(writeWav(played, 8000, QList<int16_t>(400, 1000)));
    const struct {
        QString path;
        bool plays;
    } cases[] = {
        {played, true},
        {home.file("missing.wav"), false},
        {home.file("garbage.wav"), false},
    };
    QFile garbage(home.file("garbage.wav"));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a wave");
    garbage.close();
    for (const auto& c : cases) {
        EXPECT_EQ(PlayWave(c.path).ok(), c.plays) << c.path.toStdString();
        EXPECT_FALSE(QFile::exists(scratchWavePath()));
        EXPECT_FALSE(waveDeviceBusy());
    }
    EXPECT_TRUE(QFile::exists(played));
}
