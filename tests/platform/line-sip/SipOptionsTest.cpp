#include "SipOptions.h"

#include "PasswordScrambler.h"
#include "Settings.h"
#include "TempHome.h"

#include <gtest/gtest.h>

namespace {

TEST(SipOptionsTest, WithoutSettingsTheLineListensOnTheLoopback)
{
    TempHome home;
    const SipOptions o = SipOptions::fromSettings();
    EXPECT_EQ(o.listenHost, "127.0.0.1");
    EXPECT_EQ(o.listenPort, 5070);
    EXPECT_EQ(o.addressName(), "talvero@127.0.0.1:5070");
    EXPECT_EQ(o.codecs, QStringList({"PCMU", "PCMA"}));
    EXPECT_EQ(o.ringMilliseconds, 5000);
    EXPECT_TRUE(o.registrar.isEmpty());
}

TEST(SipOptionsTest, SettingsAreReadAndGarbledOnesFallBack)
{
    TempHome home;
    WriteSetting(u"SIP", u"Listen", u"0.0.0.0:5080");
    WriteSetting(u"SIP", u"User", u"am");
    WriteSetting(u"SIP", u"Codecs", u"g729, pcma,PCMA");
    WriteSetting(u"SIP", u"RingSeconds", u"three");
    WriteSetting(u"SIP", u"Password", *EncodePassword("secret"));
    WriteSetting(u"SIP", u"Registrar", u"sip:pbx.example.org");
    const SipOptions o = SipOptions::fromSettings();
    EXPECT_EQ(o.listenHost, "0.0.0.0");
    EXPECT_EQ(o.listenPort, 5080);
    EXPECT_EQ(o.codecs, QStringList({"PCMA"}));
    EXPECT_EQ(o.ringMilliseconds, 5000);
    EXPECT_EQ(o.password, "secret");
    EXPECT_EQ(o.addressName(), "am@pbx.example.org");

    const std::tuple<const char16_t*, const char*, int> listens[] = {
        {u"127.0.0.1:99999", "127.0.0.1", 5070}, {u"[::1]:5062", "::1", 5062}, {u":", "127.0.0.1", 5070}};
    for (const auto& [listen, host, port] : listens) {
        WriteSetting(u"SIP", u"Listen", listen);
        EXPECT_EQ(SipOptions::fromSettings().listenHost, host);
        EXPECT_EQ(SipOptions::fromSettings().listenPort, port);
    }
}

} // namespace
