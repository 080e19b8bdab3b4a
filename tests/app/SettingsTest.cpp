#include "Settings.h"

#include "TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(Settings, ReadsAndWritesTheDataFolderFile)
{
    TempHome home;
    EXPECT_EQ(ReadSetting(u"Tapi", u"NumRings"), QString(""));
    EXPECT_FALSE(QFile::exists(home.file("setting.ini")));
    ASSERT_TRUE(WriteSetting(u"Tapi", u"NumRings", u"2"));
    ASSERT_TRUE(WriteSetting(u"AnsweringMachine", u"Pass", u""));
    EXPECT_EQ(ReadSetting(u"tapi", u"numrings"), QString("2"));
    EXPECT_EQ(ReadSetting(u"AnsweringMachine", u"Pass"), QString(""));
    QFile f(home.file("setting.ini"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("Pass=\n")) << "an empty value keeps the key";
}

TEST(Settings, LongValuesAreCutAtAWholeCharacter)
{
    TempHome home;
    ASSERT_TRUE(WriteSetting(u"A", u"ascii", QString(2000, u'x')));
    EXPECT_EQ(ReadSetting(u"A", u"ascii"), QString(1023, u'x'));
    // 341 three-byte characters are 1023 bytes; one more would be cut in half.
    ASSERT_TRUE(WriteSetting(u"A", u"kana", QString(400, u'あ')));
    EXPECT_EQ(ReadSetting(u"A", u"kana"), QString(341, u'あ'));
    ASSERT_TRUE(WriteSetting(u"A", u"mixed", QStringLiteral("x") + QString(400, u'あ')));
    EXPECT_EQ(ReadSetting(u"A", u"mixed"), QStringLiteral("x") + QString(340, u'あ'));
}
