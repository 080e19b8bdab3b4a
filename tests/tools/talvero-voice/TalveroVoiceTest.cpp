#include "PulseServer.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

QString program()
{
    // The test programs live in tests/ beside bin/ of the build tree.
    const QString bin = qEnvironmentVariable("TALVERO_BIN_DIR");
    return (bin.isEmpty() ? QCoreApplication::applicationDirPath() + "/../bin" : bin) + "/talvero-voice";
}

Outcome talveroVoice(const QStringList& args, QProcessEnvironment env = QProcessEnvironment::systemEnvironment())
{
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program(), args);
    EXPECT_TRUE(p.waitForFinished(120000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Seconds of 20 ms frames whose level is well above silence.
double loudSeconds(const QList<int16_t>& samples)
{
    constexpr int kFrame = 160;
    int loud = 0;
    for (qsizetype at = 0; at + kFrame <= samples.size(); at += kFrame)
        loud += measureLevel(samples.mid(at, kFrame)).rms > 300;
    return loud * 0.02;
}

} // namespace

TEST(TalveroVoice, SaysATextIntoAFileByRecordingTheSoundServer)
{
    PulseServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    QTemporaryDir dir;
    double previous = 0;
    for (const char* text : {"テレビ,電源", "テレビ,電源,チャンネルを一つ上げる"}) {
        const QString out = dir.filePath("said.wav");
        const Outcome run = talveroVoice({"--home", dir.path(), "say", QString::fromUtf8(text), "--out", out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const Result<WavData> wav = readWav(out);
        ASSERT_TRUE(wav) << wav.error().toStdString();
        EXPECT_EQ(wav->format, (WavFormat{8000, 1, 16}));
        const QList<int16_t> samples = wav->monoSamples();
        EXPECT_GT(measureLevel(samples).rms, 1000) << text;
        const double speech = loudSeconds(samples);
        EXPECT_GT(speech, 0.5) << text;
        EXPECT_GT(speech, previous + 0.5) << text;
        previous = speech;
    }
}

TEST(TalveroVoice, ShowsTheKanaReadingItSpeaks)
{
    const Outcome run = talveroVoice({"reading", QStringLiteral("電源を入れる")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.trimmed(), QStringLiteral("デンゲンヲイレル"));
    EXPECT_EQ(talveroVoice({"say", "x"}).exitCode, 2);
}

TEST(TalveroVoice, AMissingEngineIsNamedAndTheOldFileKept)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("label.wav");
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old label");
    old.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("MECABRC", dir.filePath("no-such-mecabrc"));
    env.insert("TALVERO_PCAUDIO", "null");
    const Outcome run = talveroVoice({"--home", dir.path(), "say", "テレビ", "--out", out}, env);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("音声合成エンジンを使うことができません"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("MeCab")));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old label"));
}
