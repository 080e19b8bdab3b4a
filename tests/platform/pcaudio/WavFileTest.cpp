#include "WavFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void put(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

} // namespace

TEST(WavFile, WritesAndReadsBackPcm)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.wav");
    const QList<int16_t> samples{0, 1000, -1000, 32767, -32768};
    ASSERT_TRUE(writeWav(path, 8000, samples));
    const QByteArray file = bytes(path);
    EXPECT_EQ(file.size(), 44 + 10);
    EXPECT_EQ(qFromLittleEndian<quint32>(file.constData() + 24), 8000u);
    const Result<WavData> wav = readWav(path);
    ASSERT_TRUE(wav) << wav.error().toStdString();
    EXPECT_EQ(wav->format, (WavFormat{8000, 1, 16}));
    EXPECT_EQ(wav->monoSamples(), samples);
}

TEST(WavFile, MixesEightBitStereoDownToMono)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("b.wav");
    // Two frames: (255, 1) averages to silence, (192, 192) to a half-scale sample.
    ASSERT_TRUE(writeWav(path, WavFormat{11025, 2, 8}, QByteArray("\xff\x01\xc0\xc0", 4)));
    const Result<WavData> wav = readWav(path);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->monoSamples(), (QList<int16_t>{0, 64 * 256}));
    EXPECT_NEAR(wav->seconds(), 2.0 / 11025, 1e-9);
}

TEST(WavFile, RefusesWhatIsNotAReadableWav)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("good.wav");
    ASSERT_TRUE(writeWav(good, 8000, QList<int16_t>(100, 5)));
    const QByteArray wav = bytes(good);
    QByteArray compressed = wav;
    compressed[20] = 2;
    QByteArray twelveBit = wav;
    twelveBit[34] = 12;
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"empty", {}},
        {"text", "hello, this is not a sound"},
        {"cut-in-data", wav.left(100)},
        {"compressed", compressed},
        {"twelve-bit", twelveBit},
        {"no-data", wav.left(36)},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(c.name);
        put(path, c.content);
        const Result<WavData> read = readWav(path);
        EXPECT_FALSE(read) << c.name;
        EXPECT_TRUE(read.error().contains(c.name)) << read.error().toStdString();
    }
    EXPECT_FALSE(readWav(dir.filePath("missing.wav")));
}

TEST(WavFile, AnUnfinishedRecordingReadsAsEmpty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("c.wav");
    {
        WavFileWriter writer;
        ASSERT_TRUE(writer.open(path, WavFormat{}));
        ASSERT_TRUE(writer.append("\x01\x02\x03\x04", 4));
    } // never finished: the program died while recording
    const Result<WavData> wav = readWav(path);
    ASSERT_TRUE(wav);
    EXPECT_TRUE(wav->pcm.isEmpty());
}
