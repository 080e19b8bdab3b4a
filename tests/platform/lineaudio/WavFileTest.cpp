#include "WavFile.h"

#include "TestWav.h"

#include <QtEndian>

#include <gtest/gtest.h>

TEST(WavFileTest, HeaderHoldsTheFormatAndSizes)
{
    struct Case {
        WaveFormat format;
        quint32 data;
        quint32 bytesPerSecond;
        quint16 blockAlign;
    };
    for (const Case& c : {Case{WaveFormat::line(), 48000, 16000, 2}, Case{WaveFormat::line8Bit(), 24000, 8000, 1}}) {
        const QByteArray h = WavFile::header(c.format, c.data);
        ASSERT_EQ(h.size(), 44);
        EXPECT_EQ(h.left(4), "RIFF");
        EXPECT_EQ(qFromLittleEndian<quint32>(h.constData() + 4), 36 + c.data);
        EXPECT_EQ(h.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint32>(h.constData() + 16), 16u);
        EXPECT_EQ(qFromLittleEndian<quint16>(h.constData() + 20), 1);
        EXPECT_EQ(qFromLittleEndian<quint16>(h.constData() + 22), 1);
        EXPECT_EQ(qFromLittleEndian<quint32>(h.constData() + 24), 8000u);
        EXPECT_EQ(qFromLittleEndian<quint32>(h.constData() + 28), c.bytesPerSecond);
        EXPECT_EQ(qFromLittleEndian<quint16>(h.constData() + 32), c.blockAlign);
        EXPECT_EQ(qFromLittleEndian<quint16>(h.constData() + 34), c.format.bitsPerSample);
        EXPECT_EQ(h.mid(36, 4), "data");
        EXPECT_EQ(qFromLittleEndian<quint32>(h.constData() + 40), c.data);
    }
}

TEST(WavFileTest, AnyPcmFormatBecomesLineSamples)
{
    struct Case {
        int rate, channels, bits;
    };
    for (const Case& c : {Case{8000, 1, 16}, Case{22050, 1, 16}, Case{44100, 2, 16}, Case{11025, 1, 8}}) {
        const Result<PcmSound> sound = WavFile::parse(toneWav(0.5, c.rate, c.channels, c.bits));
        ASSERT_TRUE(sound.ok()) << sound.error().toStdString();
        const QByteArray line = WavFile::toLineSamples(*sound);
        EXPECT_NEAR(line.size(), 8000, 4) << c.rate << " Hz " << c.channels << " ch " << c.bits << " bit";
    }
}

TEST(WavFileTest, BadFilesAreRefusedWithAReason)
{
    QByteArray notPcm = toneWav(0.1);
    notPcm[20] = 3; // format tag: float
    QByteArray cutShort = toneWav(0.1).left(30);
    for (const QByteArray& bytes : {QByteArray(), QByteArray("hello world, this is text"), notPcm, cutShort}) {
        const Result<PcmSound> sound = WavFile::parse(bytes);
        EXPECT_FALSE(sound.ok());
        EXPECT_FALSE(sound.error().isEmpty());
    }
}

TEST(WavFileTest, ADataSizeBeyondTheFileKeepsWhatIsThere)
{
    QByteArray wav = toneWav(0.1);
    qToLittleEndian<quint32>(0xFFFFFFF0u, wav.data() + 40);
    const Result<PcmSound> sound = WavFile::parse(wav);
    ASSERT_TRUE(sound.ok());
    EXPECT_EQ(sound->bytes.size(), 1600);
}
