#include "DialState.h"

#include <gtest/gtest.h>

TEST(DialState, PollCodesAndTheirTexts)
{
    const struct {
        int state;
        int code;
        const char16_t* text;
    } cases[] = {
        {DialState::OpeningPort, 101, u"ポートを開いています..."},
        {DialState::ConnectDevice, 102, u"ダイヤル中..."},
        {DialState::Authenticate, 103, u"ユーザー名とパスワードを確認中..."},
        {DialState::LogonNetwork, 104, u"ネットワークにログオンしています..."},
        {DialState::Connected, 0, u"接続されました"},
        {DialState::Disconnected, -9, u"切断されました"},
    };
    for (const auto& c : cases) {
        DialState::startDial();
        DialState::notify(c.state, 0);
        EXPECT_EQ(DialState::pollCode(), c.code) << c.state;
        EXPECT_EQ(DialState::statusText(c.code), QString::fromUtf16(c.text));
    }
    EXPECT_EQ(DialState::statusText(-1), QStringLiteral("ダイヤルアップエラー"));
    EXPECT_EQ(DialState::statusText(7), QStringLiteral("不明なステータス"));
}

TEST(DialState, NotificationKeepsErrorsAndKnownStatesOnly)
{
    DialState::startDial();
    EXPECT_EQ(DialState::lastState(), DialState::Disconnected);
    DialState::notify(DialState::Authenticate, 0);
    DialState::notify(3, 0); // not a kept state
    EXPECT_EQ(DialState::lastState(), DialState::Authenticate);
    DialState::notify(DialState::Connected, 676, QStringLiteral("busy"));
    EXPECT_EQ(DialState::lastState(), DialState::Authenticate) << "an error leaves the state";
    EXPECT_EQ(DialState::lastError(), 676);
    EXPECT_EQ(DialState::lastErrorText(), QStringLiteral("busy"));
    EXPECT_EQ(DialState::pollCode(), -1);
    DialState::resetError();
    EXPECT_EQ(DialState::lastError(), 0);
}
