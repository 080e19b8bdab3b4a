#include "null/NullPcAudio.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(NullPcAudio, ARecordingHearsWhatIsPlayed)
{
    QTemporaryDir dir;
    NullPcAudio audio;
    const QString played = dir.filePath("played.wav");
    ASSERT_TRUE(writeWav(played, 8000, QList<int16_t>(800, 3000)));
    const QString recorded = dir.filePath("recorded.wav");
    ASSERT_TRUE(audio.startRecording(recorded));
    ASSERT_TRUE(audio.startPlayback(played));
    EXPECT_FALSE(audio.isPlaying());
    auto output = audio.openOutput(16000);
    ASSERT_TRUE(output);
    const QList<int16_t> speech(1600, -3000);
    ASSERT_TRUE(output.value()->write(speech.constData(), speech.size()));
    ASSERT_TRUE(audio.stopRecording());
    const Result<WavData> wav = readWav(recorded);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->format, (WavFormat{8000, 1, 16}));
    EXPECT_NEAR(wav->seconds(), 0.2, 0.002);
    EXPECT_GT(measureLevel(wav->monoSamples()).rms, 2000);
}

TEST(NullPcAudio, ReportsBadFilesAndAStopWithoutARecording)
{
    QTemporaryDir dir;
    NullPcAudio audio;
    EXPECT_FALSE(audio.startPlayback(dir.filePath("missing.wav")));
    EXPECT_FALSE(audio.stopRecording());
    EXPECT_FALSE(audio.startRecording(dir.filePath("no/such/folder.wav")));
}
