#include "PppReport.h"

#include "DialState.h"

#include <gtest/gtest.h>

TEST(PppReport, LogLinesGiveStates)
{
    const struct {
        const char* line;
        int state; // -1: none
    } cases[] = {
        {"Serial connection established.", DialState::Authenticate},
        {"Connect: ppp0 <--> /dev/ttyS0", DialState::Authenticate},
        {"PAP authentication succeeded", DialState::LogonNetwork},
        {"CHAP authentication succeeded", DialState::LogonNetwork},
        {"local  IP address 10.0.0.2", DialState::Connected},
        {"Using interface ppp0", -1},
        {"send (ATDT0123^M)", -1},
    };
    for (const auto& c : cases) {
        const std::optional<int> s = PppReport::stateOfLine(QString::fromUtf8(c.line));
        EXPECT_EQ(s.value_or(-1), c.state) << c.line;
    }
}

TEST(PppReport, ChatRepliesGiveErrorNumbers)
{
    const struct {
        const char* line;
        int error;
    } cases[] = {
        {"BUSY", 676},
        {"^MBUSY^M -- failed", 676},
        {"Failed (NO CARRIER)", 679},
        {"NO DIALTONE", 680},
        {"NO DIAL TONE", 680},
        {"NO ANSWER", 678},
        {"VOICE", 677},
        {"alarm", 638},
        {"abort on (BUSY)", 0},
        {"abort on (NO CARRIER)", 0},
        {"expect (CONNECT)", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PppReport::replyErrorOfLine(QString::fromUtf8(c.line)), c.error) << c.line;
    EXPECT_TRUE(PppReport::peerSilentLine(u"LCP: timeout sending Config-Requests"));
}

TEST(PppReport, ExitCodesGiveErrorNumbers)
{
    using F = PppReport::Findings;
    const struct {
        int exitCode;
        int signal;
        bool hungUp;
        F seen;
        int error;
    } cases[] = {
        {0, 0, false, F{0, false, true}, 0},
        {0, 0, false, F{}, 629},
        {2, 0, false, F{}, 604},
        {3, 0, false, F{}, 608},
        {4, 0, false, F{}, 608},
        {5, 0, false, F{}, 631},
        {5, 0, true, F{}, 0},
        {6, 0, false, F{}, 602},
        {7, 0, false, F{}, 615},
        {8, 0, false, F{676, false, false}, 676},
        {8, 0, false, F{}, 651},
        {10, 0, false, F{}, 634},
        {10, 0, false, F{0, true, false}, 650},
        {15, 0, false, F{}, 629},
        {16, 0, false, F{}, 629},
        {18, 0, false, F{}, 692},
        {19, 0, false, F{}, 691},
        {-1, 9, false, F{}, 630},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PppReport::errorOfEnd(c.exitCode, c.signal, c.hungUp, c.seen), c.error)
            << "exit " << c.exitCode << " signal " << c.signal;
}
