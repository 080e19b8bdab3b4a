#include "ConfigRules.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

// Entries that keep every rule: each switch on with its texts filled in.
ConfigEntries complete()
{
    ConfigEntries e;
    e.remotePlayback = true;
    e.playbackPass = "12";
    e.mailReport = true;
    e.mailAddr = "owner@example.jp";
    e.smtpServer = "127.0.0.1";
    e.senderAddr = "talvero@example.jp";
    e.useDialUp = true;
    e.rasEntry = "provider";
    e.userName = "user";
    e.rasPass = "abc";
    e.irRemote = true;
    e.irPass = "34";
    return e;
}

} // namespace

TEST(ConfigRulesTest, TheFirstBrokenRuleIsNamed)
{
    struct Case {
        const char* what;
        std::function<void(ConfigEntries&)> change;
        QString message;
    };
    const Case cases[] = {
        {"complete", [](ConfigEntries&) {}, {}},
        {"all off and empty", [](ConfigEntries& e) { e = {}; }, {}},
        {"playback without password", [](ConfigEntries& e) { e.playbackPass.clear(); }, ConfigRules::kNoPlaybackPass},
        {"playback off, no password", [](ConfigEntries& e) { e.remotePlayback = false, e.playbackPass.clear(); }, {}},
        {"mail without recipient", [](ConfigEntries& e) { e.mailAddr.clear(); }, ConfigRules::kMailIncomplete},
        {"mail without server", [](ConfigEntries& e) { e.smtpServer.clear(); }, ConfigRules::kMailIncomplete},
        {"mail without sender", [](ConfigEntries& e) { e.senderAddr.clear(); }, ConfigRules::kMailIncomplete},
        {"dial-up without entry", [](ConfigEntries& e) { e.rasEntry.clear(); }, ConfigRules::kDialUpIncomplete},
        {"dial-up without user", [](ConfigEntries& e) { e.userName.clear(); }, ConfigRules::kDialUpIncomplete},
        {"dial-up without password, mail off", [](ConfigEntries& e) { e.rasPass.clear(), e.mailReport = false; },
         ConfigRules::kDialUpIncomplete},
        {"remote control without password", [](ConfigEntries& e) { e.irPass.clear(); },
         ConfigRules::kNoRemoteControlPass},
        {"playback comes before mail", [](ConfigEntries& e) { e.playbackPass.clear(), e.senderAddr.clear(); },
         ConfigRules::kNoPlaybackPass},
        {"a blank is a text", [](ConfigEntries& e) { e.irPass = " "; }, {}},
    };
    for (const Case& c : cases) {
        ConfigEntries e = complete();
        c.change(e);
        EXPECT_EQ(ConfigRules::brokenRule(e), c.message) << c.what;
    }
}

TEST(ConfigRulesTest, ADialUpPasswordWithoutStoredFormIsRefused)
{
    for (const char* pass : {"パス", "漢字"}) {
        ConfigEntries e;
        e.rasPass = QString::fromUtf8(pass);
        EXPECT_TRUE(ConfigRules::brokenRule(e).startsWith("ダイヤルアップ接続のパスワード")) << pass;
    }
    ConfigEntries halfWidth;
    halfWidth.rasPass = QString::fromUtf8("ｱｲｳ-9!");
    EXPECT_EQ(ConfigRules::brokenRule(halfWidth), QString());
}
