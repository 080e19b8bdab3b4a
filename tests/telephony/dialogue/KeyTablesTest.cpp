#include "KeyTables.h"

#include "Settings.h"
#include "TempHome.h"

#include <gtest/gtest.h>

namespace {

QStringList names(const DtmfKeyTable& table)
{
    QStringList result;
    for (int k = 1; k <= table.count(); ++k)
        result << table.at(k).name + "=" + table.at(k).code;
    return result;
}

} // namespace

TEST(KeyTables, PasswordsFollowTheSwitches)
{
    struct Case {
        const char* answeringMachine;
        const char* remote;
        const char* irRemote;
        QStringList table;
    };
    const Case cases[] = {
        {"1", "1", "1", {"AM_Remote=1234", "IRR_Pass=99"}},
        {"1", "1", "0", {"AM_Remote=1234"}},
        {"1", "0", "1", {"IRR_Pass=99"}},
        {"0", "1", "1", {"IRR_Pass=99"}}, // playback needs the answering machine too
        {"0", "0", "0", {}},
        {"", "1", "", {}},
        {"01", " 1 ", "1", {"AM_Remote=1234", "IRR_Pass=99"}}, // the switches are read as numbers
    };
    for (const Case& c : cases) {
        TempHome home;
        WriteSetting(u"AnsweringMachine", u"Pass", u"1234");
        WriteSetting(u"IRRemote", u"Pass", u"99");
        WriteSetting(u"Feature", u"AnsweringMachine", QString(c.answeringMachine));
        WriteSetting(u"AnsweringMachine", u"Remote", QString(c.remote));
        WriteSetting(u"Feature", u"IRRemote", QString(c.irRemote));
        EXPECT_EQ(names(KeyTables::passwords()), c.table) << c.answeringMachine << "/" << c.remote << "/" << c.irRemote;
    }
}

TEST(KeyTables, PlaybackKeysComeFromTheSettings)
{
    TempHome home;
    WriteSetting(u"AnsweringMachine", u"Play", u"7");
    WriteSetting(u"AnsweringMachine", u"Skip", u"8");
    EXPECT_EQ(names(KeyTables::playbackKeys()), QStringList({"Play=7", "Skip=8"}));
}

TEST(KeyTables, DeviceAndButtonKeysCoverEveryDigit)
{
    const DtmfKeyTable devices = KeyTables::deviceKeys();
    ASSERT_EQ(devices.count(), 10);
    EXPECT_EQ(devices.at(1).code, QString("1"));
    EXPECT_EQ(devices.at(9).code, QString("9"));
    EXPECT_EQ(devices.at(10).code, QString("0"));
    EXPECT_EQ(devices.at(10).name, QString("DevNo"));

    const DtmfKeyTable buttons = KeyTables::buttonKeys();
    ASSERT_EQ(buttons.count(), 100);
    EXPECT_EQ(buttons.at(1).code, QString("00"));
    EXPECT_EQ(buttons.at(6).code, QString("05"));
    EXPECT_EQ(buttons.at(100).code, QString("99"));
    EXPECT_EQ(buttons.at(100).name, QString("ButtonNo"));
}
