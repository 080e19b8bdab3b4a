#include "SampleCodec.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QByteArray linear(const QList<int>& samples)
{
    QByteArray out;
    for (int s : samples) {
        out.append(char(s & 0xff));
        out.append(char((s >> 8) & 0xff));
    }
    return out;
}

int sampleAt(const QByteArray& bytes, int i)
{
    return qint16(quint8(bytes[2 * i]) | quint8(bytes[2 * i + 1]) << 8);
}

} // namespace

TEST(SampleCodecTest, KnownCodesOfTheCompandingLaws)
{
    EXPECT_EQ(SampleCodec::linearToMuLaw(0), 0xff);
    EXPECT_EQ(SampleCodec::muLawToLinear(0xff), 0);
    EXPECT_EQ(SampleCodec::muLawToLinear(0x80), 32124);
    EXPECT_EQ(SampleCodec::muLawToLinear(0x00), -32124);
    EXPECT_EQ(SampleCodec::linearToALaw(0), 0xd5);
    EXPECT_EQ(SampleCodec::aLawToLinear(0xd5), 8);
    EXPECT_EQ(SampleCodec::aLawToLinear(0xaa), 32256);
    EXPECT_EQ(SampleCodec::aLawToLinear(0x2a), -32256);
}

TEST(SampleCodecTest, EveryCodeSurvivesDecodingAndEncodingAgain)
{
    for (int code = 0; code < 256; ++code) {
        if (code != 0x7f) { // µ-law's negative zero decodes to 0, which codes as 0xff
            EXPECT_EQ(SampleCodec::linearToMuLaw(SampleCodec::muLawToLinear(quint8(code))), code) << code;
        }
        EXPECT_EQ(SampleCodec::linearToALaw(SampleCodec::aLawToLinear(quint8(code))), code) << code;
    }
}

TEST(SampleCodecTest, EveryCodingKeepsTheShapeOfTheSound)
{
    const QByteArray sound = linear({0, 1000, -1000, 12000, -12000, 32767, -32768, 256});
    struct Case {
        SampleCoding coding;
        int bytesPerSample;
        double worstRelativeError;
    };
    for (const Case& c : {Case{SampleCoding::Linear16, 2, 0.0}, Case{SampleCoding::Unsigned8, 1, 0.01},
                          Case{SampleCoding::Signed8, 1, 0.01}, Case{SampleCoding::MuLaw, 1, 0.04},
                          Case{SampleCoding::ALaw, 1, 0.04}}) {
        const QByteArray coded = SampleCodec::fromLinear16(sound, c.coding);
        ASSERT_EQ(coded.size(), sound.size() / 2 * c.bytesPerSample);
        const QByteArray back = SampleCodec::toLinear16(coded, c.coding);
        ASSERT_EQ(back.size(), sound.size());
        for (int i = 0; i < sound.size() / 2; ++i) {
            const int want = sampleAt(sound, i);
            const double allowed = c.worstRelativeError * 32768 + (c.coding == SampleCoding::Linear16 ? 0 : 1);
            EXPECT_LE(std::abs(sampleAt(back, i) - want), allowed) << int(c.coding) << " sample " << i;
        }
    }
    EXPECT_EQ(SampleCodec::toLinear16("\x01\x02\x03", SampleCoding::Linear16).size(), 2);
    EXPECT_EQ(quint8(SampleCodec::fromLinear16(linear({0}), SampleCoding::Unsigned8)[0]), 0x80);
}
