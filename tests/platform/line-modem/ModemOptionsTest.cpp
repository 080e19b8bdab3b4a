#include "ModemOptions.h"

#include "ModemLine.h"
#include "Settings.h"
#include "TempHome.h"
#include "VoiceModemDouble.h"
#include "makeLine.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(ModemOptionsTest, ReadsTheModemSectionAndKeepsDefaultsForOddValues)
{
    TempHome home;
    const ModemOptions defaults;
    EXPECT_EQ(ModemOptions::fromSettings().lockDir, "/var/lock");
    WriteSetting(u"Modem", u"Device", u" /dev/serial/by-id/usb-modem ");
    WriteSetting(u"Modem", u"Speed", u"57600");
    WriteSetting(u"Modem", u"Init", u"ATS0=0;AT+VGT=128");
    WriteSetting(u"Modem", u"LockDir", u"/run/lock");
    WriteSetting(u"Modem", u"Timeout", u"1.5");
    const ModemOptions set = ModemOptions::fromSettings();
    EXPECT_EQ(set.device, "/dev/serial/by-id/usb-modem");
    EXPECT_EQ(set.speed, 57600);
    EXPECT_EQ(set.init, "ATS0=0;AT+VGT=128");
    EXPECT_EQ(set.lockDir, "/run/lock");
    EXPECT_EQ(set.commandTimeoutMs, 1500);
    for (const char16_t* odd : {u"fast", u"-3", u"0", u"99999999"}) {
        WriteSetting(u"Modem", u"Speed", odd);
        WriteSetting(u"Modem", u"Timeout", odd);
        WriteSetting(u"Modem", u"RingGap", odd);
        const ModemOptions o = ModemOptions::fromSettings();
        EXPECT_EQ(o.speed, defaults.speed);
        EXPECT_EQ(o.commandTimeoutMs, defaults.commandTimeoutMs);
        EXPECT_EQ(o.ringGapMs, defaults.ringGapMs);
    }
}

TEST(ModemOptionsTest, TheModemProviderSettingGivesAModemLineOnTheSetDevice)
{
    TempHome home;
    VoiceModemDouble modem;
    QDir().mkpath(home.file("lock"));
    WriteSetting(u"Line", u"Provider", u"modem");
    WriteSetting(u"Modem", u"Device", modem.devicePath());
    WriteSetting(u"Modem", u"LockDir", home.file("lock"));
    const std::unique_ptr<Line> line = makeLine();
    ASSERT_TRUE(dynamic_cast<ModemLine*>(line.get()));
    ASSERT_TRUE(line->initialize().ok());
    ASSERT_EQ(line->addresses().size(), 1);
    EXPECT_EQ(line->addresses().first()->addressName(), "Talvero Labs VM-56 Voice");
}
