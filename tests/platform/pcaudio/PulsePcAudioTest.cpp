#include "pulse/PulsePcAudio.h"

#include "PulseServer.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

QList<int16_t> tone(int rate, double seconds)
{
    QList<int16_t> out(qsizetype(rate * seconds));
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = static_cast<int16_t>(8000 * std::sin(2 * std::numbers::pi * 500 * double(i) / rate));
    return out;
}

} // namespace

// Playback and the character's output stream both reach the monitor of the default output, which is
// the default recording source.
TEST(PulsePcAudio, RecordsWhatThePcPlays)
{
    PulseServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    QTemporaryDir dir;
    const QString played = dir.filePath("tone.wav");
    ASSERT_TRUE(writeWav(played, 22050, tone(22050, 0.8)));
    PulsePcAudio audio(QStringLiteral("@DEFAULT_MONITOR@"));
    const QString recorded = dir.filePath("recorded.wav");
    ASSERT_TRUE(audio.startRecording(recorded));
    ASSERT_TRUE(audio.startPlayback(played));
    const QDeadlineTimer deadline(20000);
    while (audio.isPlaying() && !deadline.hasExpired())
        QThread::msleep(20);
    EXPECT_FALSE(audio.isPlaying());
    auto output = audio.openOutput(16000);
    ASSERT_TRUE(output) << output.error().toStdString();
    const QList<int16_t> speech = tone(16000, 0.5);
    ASSERT_TRUE(output.value()->write(speech.constData(), speech.size()));
    ASSERT_TRUE(output.value()->drain());
    ASSERT_TRUE(audio.stopRecording());

    const Result<WavData> wav = readWav(recorded);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format, (WavFormat{8000, 1, 16}));
    // Both sounds (1.3 s) are in it; the server adds a little latency around them.
    EXPECT_GT(wav->seconds(), 1.2);
    const QList<int16_t> samples = wav->monoSamples();
    qsizetype loud = 0;
    for (int16_t s : samples)
        loud += std::abs(s) > 2000;
    EXPECT_GT(double(loud) / 8000, 0.5) << "seconds of sound well above silence";
}

TEST(PulsePcAudio, NamesASourceThatDoesNotExist)
{
    PulseServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    QTemporaryDir dir;
    PulsePcAudio audio(QStringLiteral("no_such_source"));
    const Status s = audio.startRecording(dir.filePath("x.wav"));
    ASSERT_FALSE(s);
    EXPECT_TRUE(s.error().contains(u"no_such_source")) << s.error().toStdString();
    EXPECT_FALSE(audio.startPlayback(dir.filePath("missing.wav")));
}
