#include "Protocols.h"

#include <gtest/gtest.h>

namespace {

// Carrier pulses for an envelope, as a remote at kHz with the given duty sends them (µs).
std::vector<LightPulse> pulsesOf(const std::vector<double>& envelope, double kHz, double duty)
{
    std::vector<LightPulse> pulses;
    const double period = 1000 / kHz;
    double offset = 0;
    for (std::size_t i = 0; i < envelope.size(); offset += envelope[i], ++i) {
        for (double t = 0; i % 2 == 0 && t < envelope[i]; t += period)
            pulses.push_back({offset + t, offset + t + duty * period});
    }
    return pulses;
}

struct FrameCase {
    IrFrame frame;
    const char* description;
};

const FrameCase kFrames[] = {
    {{Protocol::NEC, 0x10, 0x4F}, "protocol=NEC address=0x10 command=0x4F"},
    {{Protocol::NEC, 0x1234, 0x00}, "protocol=NEC address=0x1234 command=0x00"},
    {{Protocol::AEHA, 0x2002, 0x3D0080}, "protocol=AEHA address=0x2002 command=0x3D0080"},
    {{Protocol::AEHA, 0x4004, 0x01}, "protocol=AEHA address=0x4004 command=0x01"},
    {{Protocol::SIRC, 0x01, 0x15}, "protocol=SIRC address=0x01 command=0x15"},
    {{Protocol::SIRC, 0xA4, 0x7F}, "protocol=SIRC address=0xA4 command=0x7F"},
    {{Protocol::SIRC, 0x1A01, 0x02}, "protocol=SIRC address=0x1A01 command=0x02"},
    {{Protocol::RC5, 0x05, 0x35}, "protocol=RC5 address=0x05 command=0x35"},
    {{Protocol::RC5, 0x1F, 0x7F, false, true}, "protocol=RC5 address=0x1F command=0x7F"},
};

TEST(Protocols, EveryFrameDecodesBackFromItsEnvelope)
{
    for (const FrameCase& c : kFrames) {
        const auto frames = decodeFrames(encodeFrame(c.frame));
        ASSERT_EQ(frames.size(), 1u) << c.description;
        EXPECT_EQ(frames[0], c.frame) << c.description;
        EXPECT_EQ(describeFrame(frames[0]), c.description);
    }
}

TEST(Protocols, FramesSentAsCarrierPulsesDecodeWithTheirCarrier)
{
    for (const FrameCase& c : kFrames) {
        for (double kHz : {30.0, nominalCarrierKHz(c.frame.protocol), 56.0}) {
            const auto seen = decodePulses(pulsesOf(encodeFrame(c.frame), kHz, 1.0 / 3));
            ASSERT_EQ(seen.size(), 1u) << c.description << " at " << kHz;
            EXPECT_EQ(seen[0].frame, c.frame) << c.description;
            EXPECT_NEAR(seen[0].carrierKHz, kHz, kHz * 0.01);
        }
    }
}

TEST(Protocols, HeldNecButtonSendsRepeatCodes)
{
    const IrFrame frame{Protocol::NEC, 0x10, 0x4F};
    std::vector<double> envelope = encodeFrame(frame);
    envelope.push_back(framePeriodUs(Protocol::NEC) / 2);
    const auto repeat = encodeRepeat(frame);
    envelope.insert(envelope.end(), repeat.begin(), repeat.end());
    const auto frames = decodeFrames(envelope);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_FALSE(frames[0].repeat);
    EXPECT_TRUE(frames[1].repeat);
    EXPECT_EQ(describeFrame(frames[1]), "protocol=NEC repeat");
    EXPECT_EQ(encodeRepeat(IrFrame{Protocol::SIRC, 1, 2}), encodeFrame(IrFrame{Protocol::SIRC, 1, 2}));
}

TEST(Protocols, GarbleIsNoFrame)
{
    EXPECT_TRUE(decodeFrames({}).empty());
    EXPECT_TRUE(decodeFrames({9000}).empty());
    EXPECT_TRUE(decodeFrames({100, 100, 100, 100, 100}).empty());
    std::vector<double> broken = encodeFrame(IrFrame{Protocol::NEC, 0x10, 0x4F});
    broken.resize(broken.size() - 4);
    EXPECT_TRUE(decodeFrames(broken).empty());
    // A saturated receiver: one long light, no carrier.
    EXPECT_TRUE(decodePulses({{0, 60000}}).empty());
}

TEST(Protocols, NamesAndCarriers)
{
    EXPECT_EQ(protocolFromName(u"aeha"), Protocol::AEHA);
    EXPECT_EQ(protocolFromName(u"RC5"), Protocol::RC5);
    EXPECT_FALSE(protocolFromName(u"RC6"));
    EXPECT_EQ(nominalCarrierKHz(Protocol::NEC), 38);
    EXPECT_EQ(nominalCarrierKHz(Protocol::SIRC), 40);
    EXPECT_EQ(nominalCarrierKHz(Protocol::RC5), 36);
}

TEST(Protocols, PulsesCloseTogetherAreOneBurst)
{
    const std::vector<double> envelope = envelopeFromPulses({{0, 10}, {26, 36}, {52, 62}, {1000, 1010}});
    ASSERT_EQ(envelope.size(), 3u);
    EXPECT_DOUBLE_EQ(envelope[0], 62);
    EXPECT_DOUBLE_EQ(envelope[1], 938);
    EXPECT_DOUBLE_EQ(envelope[2], 10);
    EXPECT_NEAR(carrierFromPulses({{0, 10}, {26, 36}, {52, 62}}), 1000.0 / 26, 1e-9);
    EXPECT_EQ(carrierFromPulses({{0, 10}}), 0);
}

} // namespace
