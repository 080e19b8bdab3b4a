#include "MessageStore.h"

#include "TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(MessageStoreTest, TimeStampHasAFixedWidth)
{
    const QDate may7(2003, 5, 7);
    EXPECT_EQ(MessageStore::MakeTimeStamp({may7, QTime(9, 5, 12)}), "2003-05-07  9-05-12");
    EXPECT_EQ(MessageStore::MakeTimeStamp({may7, QTime(19, 5, 12)}), "2003-05-07 19-05-12");
    EXPECT_EQ(MessageStore::MakeTimeStamp({may7, QTime(0, 0, 0)}), "2003-05-07  0-00-00");
}

TEST(MessageStoreTest, CallerNumbersAreMadeSafeForAFileName)
{
    struct Case {
        QString number, safe;
    };
    const Case cases[] = {
        {"0123", "0123"},
        {"+81-3-1234", "+81_3_1234"},
        {"*31#", "*31#"},
        {"番号不明", "番号不明"},
        {"", ""},
        {"../../etc/passwd", "________________"},
        {"12/34", "12_34"},
        {QString("1\n2\t3") + QChar(0), "1_2_3_"},
        {QString(100, u'9'), QString(MessageStore::kMaxNumberLength, u'9')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageStore::fileSafeNumber(c.number), c.safe) << c.number.toStdString();
        EXPECT_FALSE(MessageStore::fileSafeNumber(c.number).contains(u'/'));
    }
    EXPECT_EQ(MessageStore::messageFileName("2003-05-07 19-05-12", "番号不明"), "2003-05-07 19-05-12,番号不明.wav");
    EXPECT_EQ(MessageStore::messageFileName("2003-05-07 19-05-12", "0123"), "2003-05-07 19-05-12,0123.wav");
}

TEST(MessageStoreTest, ATakenNameIsNeverReused)
{
    TempHome home;
    QDir().mkpath(MessageStore::folder());
    const QString name = "2003-05-07 19-05-12,0123.wav";
    const QString first = MessageStore::uniquePath(name);
    EXPECT_EQ(first, QDir(MessageStore::folder()).filePath(name));
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = MessageStore::uniquePath(name);
    EXPECT_EQ(QFileInfo(second).fileName(), "2003-05-07 19-05-12,0123 (2).wav");
    QFile(second).open(QIODevice::WriteOnly);
    EXPECT_EQ(QFileInfo(MessageStore::uniquePath(name)).fileName(), "2003-05-07 19-05-12,0123 (3).wav");
    QFile(QDir(MessageStore::folder()).filePath("notes.txt")).open(QIODevice::WriteOnly);
    EXPECT_EQ(MessageStore::GetMessages().size(), 2);
}
