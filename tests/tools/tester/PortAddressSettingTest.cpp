#include "PortAddressSetting.h"

#include "Settings.h"
#include "TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(PortAddressSetting, KnownAddressesAreKept)
{
    for (const char* address : {"378", "278", "3BC"}) {
        TempHome home;
        ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", QString::fromLatin1(address)));
        EXPECT_EQ(PortAddressSetting::load(), QString::fromLatin1(address));
        EXPECT_EQ(ReadSetting(u"PPort", u"Addr"), QString::fromLatin1(address));
    }
}

TEST(PortAddressSetting, AnythingElseIsCorrectedTo378InTheFile)
{
    for (const char* address : {"", "3bc", "37A", "2780", "0x378"}) {
        TempHome home;
        if (*address) {
            ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", QString::fromLatin1(address)));
        }
        EXPECT_EQ(PortAddressSetting::load(), u"378") << address;
        EXPECT_EQ(ReadSetting(u"PPort", u"Addr"), u"378") << address;
    }
}

TEST(PortAddressSetting, MissingFileIsCreatedWithTheAddressOnly)
{
    TempHome home;
    EXPECT_EQ(PortAddressSetting::load(), u"378");
    QFile file(home.file("setting.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).simplified(), u"[PPort] Addr=378");
}
