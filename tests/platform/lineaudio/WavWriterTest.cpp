#include "WavWriter.h"

#include "WavFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(WavWriterTest, HeaderFollowsTheAppendedSound)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.wav");
    WavWriter w;
    ASSERT_TRUE(w.open(path, WaveFormat::line()).ok());
    ASSERT_TRUE(w.append(QByteArray(16000, '\1')).ok());
    ASSERT_TRUE(w.append(QByteArray(16000, '\2')).ok());
    ASSERT_TRUE(w.finish().ok());
    const Result<PcmSound> sound = WavFile::read(path);
    ASSERT_TRUE(sound.ok());
    EXPECT_EQ(sound->bytes.size(), 32000);
    EXPECT_EQ(sound->format, WaveFormat::line());
}

TEST(WavWriterTest, RepairGivesALeftOverFileItsSizes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("left.wav");
    {
        WavWriter w;
        ASSERT_TRUE(w.open(path, WaveFormat::line()).ok());
        ASSERT_TRUE(w.append(QByteArray(8001, '\3')).ok()); // cut in the middle of a sample
        // no finish: the program died here
    }
    ASSERT_TRUE(WavWriter::repairHeader(path).ok());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.size(), 44 + 8000);
    EXPECT_EQ(bytes.left(44), WavFile::header(WaveFormat::line(), 8000));
}

TEST(WavWriterTest, RepairRefusesWhatIsNotAWav)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("text.wav");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100, 'x'));
    f.close();
    EXPECT_FALSE(WavWriter::repairHeader(path).ok());
    EXPECT_FALSE(WavWriter::repairHeader(dir.filePath("missing.wav")).ok());
}
