#include "SipSdp.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kOffer = "v=0\r\n"
                          "o=- 1 1 IN IP4 127.0.0.1\r\n"
                          "s=-\r\n"
                          "c=IN IP4 127.0.0.1\r\n"
                          "t=0 0\r\n"
                          "m=audio 30000 RTP/AVP 9 0 8 101\r\n"
                          "a=rtpmap:9 G722/8000\r\n"
                          "a=rtpmap:101 telephone-event/8000\r\n";

const QStringList kBoth{"PCMU", "PCMA"};

TEST(SipSdpTest, AnOfferGivesTheFirstCodecOfOursAndItsEvents)
{
    const Result<SipSdp::Media> m = SipSdp::parseOffer(kOffer, kBoth);
    ASSERT_TRUE(m.ok()) << m.error().toStdString();
    EXPECT_EQ(m->address, "127.0.0.1");
    EXPECT_EQ(m->port, 30000);
    EXPECT_EQ(m->codec, "PCMU");
    EXPECT_EQ(m->payloadType, 0);
    EXPECT_EQ(m->eventPayloadType, 101);

    const Result<SipSdp::Media> alaw = SipSdp::parseOffer(kOffer, {"PCMA"});
    ASSERT_TRUE(alaw.ok());
    EXPECT_EQ(alaw->payloadType, 8);
}

TEST(SipSdpTest, OffersThatCannotBeTakenSayWhy)
{
    const std::pair<QByteArray, const char*> cases[] = {
        {"", "no session description"},
        {"this is not SDP\r\n", "bad session description"},
        {QByteArray(kOffer).replace("9 0 8 101", "9 101"), "no common codec"},
        {QByteArray(kOffer).replace("m=audio 30000", "m=audio 0"), "no audio stream"},
        {QByteArray(kOffer).replace("m=audio", "m=video"), "no audio stream"},
        {QByteArray(kOffer).replace("c=IN IP4 127.0.0.1\r\n", ""), "bad session description"},
    };
    for (const auto& [sdp, why] : cases) {
        const Result<SipSdp::Media> m = SipSdp::parseOffer(sdp, kBoth);
        ASSERT_FALSE(m.ok()) << sdp.constData();
        EXPECT_TRUE(m.error().contains(why)) << m.error().toStdString();
    }
}

TEST(SipSdpTest, TheAnswerCarriesTheChosenCodecAndEventsAndReadsBack)
{
    const SipSdp::Media chosen = *SipSdp::parseOffer(kOffer, {"PCMA"});
    const QByteArray answer = SipSdp::answer(chosen, "127.0.0.1", 40000, 7);
    EXPECT_TRUE(answer.contains("m=audio 40000 RTP/AVP 8 101\r\n")) << answer.constData();
    EXPECT_TRUE(answer.contains("a=rtpmap:101 telephone-event/8000\r\n"));
    const Result<SipSdp::Media> back = SipSdp::parseOffer(answer, kBoth);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back->port, 40000);
    EXPECT_EQ(back->codec, "PCMA");
    EXPECT_EQ(back->eventPayloadType, 101);
}

} // namespace
