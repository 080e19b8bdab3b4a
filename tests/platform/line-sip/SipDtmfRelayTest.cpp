#include "SipDtmfRelay.h"

#include <gtest/gtest.h>

namespace {

TEST(SipDtmfRelayTest, TheKeyOfAnInfoBody)
{
    const struct {
        const char* type;
        const char* body;
        char key;
    } cases[] = {
        {"application/dtmf-relay", "Signal=5\r\nDuration=160\r\n", '5'},
        {"application/dtmf-relay", "Signal= *\r\nDuration=160\r\n", '*'},
        {"Application/DTMF-Relay; charset=x", "signal=#\r\n", '#'},
        {"application/dtmf-relay", "Signal=11\r\n", '#'},
        {"application/dtmf", "7", '7'},
        {"application/dtmf", "10", '*'},
        {"application/dtmf-relay", "Duration=160\r\n", 0},
        {"application/dtmf-relay", "Signal=X\r\n", 0},
        {"application/dtmf-relay", "Signal=99\r\n", 0},
        {"text/plain", "Signal=5", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SipDtmfRelay::keyOf(c.type, c.body), c.key) << c.type << " " << c.body;
}

TEST(SipDtmfRelayTest, EventNumbersAreKeys)
{
    EXPECT_EQ(SipDtmfRelay::keyOfEvent(0), '0');
    EXPECT_EQ(SipDtmfRelay::keyOfEvent(9), '9');
    EXPECT_EQ(SipDtmfRelay::keyOfEvent(10), '*');
    EXPECT_EQ(SipDtmfRelay::keyOfEvent(11), '#');
    EXPECT_EQ(SipDtmfRelay::keyOfEvent(15), 'D');
    EXPECT_EQ(SipDtmfRelay::keyOfEvent(16), 0);
    EXPECT_EQ(SipDtmfRelay::keyOfEvent(-1), 0);
}

} // namespace
