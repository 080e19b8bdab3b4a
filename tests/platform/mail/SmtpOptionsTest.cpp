#include "SmtpOptions.h"

#include "PasswordScrambler.h"
#include "Settings.h"
#include "TempHome.h"

#include <gtest/gtest.h>

TEST(SmtpOptions, DefaultsWhenNothingIsSet)
{
    TempHome home;
    const Result<SmtpOptions> o = readSmtpOptions();
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o->port, 25);
    EXPECT_EQ(o->security, SmtpOptions::Security::None);
    EXPECT_TRUE(o->user.isEmpty());
    EXPECT_EQ(o->timeoutSeconds, 60);
}

TEST(SmtpOptions, ReadsTheMailSection)
{
    TempHome home;
    WriteSetting(u"Mail", u"Security", u"TLS");
    WriteSetting(u"Mail", u"User", u"owner");
    WriteSetting(u"Mail", u"Pass", *EncodePassword(QStringLiteral("secret")));
    Result<SmtpOptions> o = readSmtpOptions();
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o->security, SmtpOptions::Security::Tls);
    EXPECT_EQ(o->port, 465) << "tls without a port uses the port of implicit TLS";
    EXPECT_EQ(o->password, QStringLiteral("secret"));
    WriteSetting(u"Mail", u"Security", u"starttls");
    WriteSetting(u"Mail", u"Port", u" 587 ");
    o = readSmtpOptions();
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o->security, SmtpOptions::Security::StartTls);
    EXPECT_EQ(o->port, 587);
}

TEST(SmtpOptions, GarbledValuesNameTheirKey)
{
    const struct {
        const char16_t* key;
        const char16_t* value;
    } cases[] = {{u"Port", u"25x"}, {u"Port", u"70000"}, {u"Security", u"ssl3"}, {u"Timeout", u"0"}};
    for (const auto& c : cases) {
        TempHome home;
        WriteSetting(u"Mail", c.key, c.value);
        const Result<SmtpOptions> o = readSmtpOptions();
        ASSERT_FALSE(o.ok());
        EXPECT_TRUE(o.error().contains(QString::fromUtf16(c.key))) << o.error().toStdString();
    }
}
