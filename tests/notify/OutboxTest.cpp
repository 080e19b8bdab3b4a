#include "Outbox.h"

#include "TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(Outbox, KeepsEachNoticeOnceUntilRemoved)
{
    TempHome home;
    const QDateTime t(QDate(2026, 12, 10), QTime(10, 0, 0));
    EXPECT_TRUE(Outbox::entries().isEmpty());
    ASSERT_TRUE(Outbox::add(QStringLiteral("/m/a,1.wav"), t));
    ASSERT_TRUE(Outbox::add(QStringLiteral("/m/b,2.wav"), t.addSecs(60)));
    ASSERT_TRUE(Outbox::add(QStringLiteral("/m/a,1.wav"), t.addSecs(120)));
    const QList<Outbox::Entry> list = Outbox::entries();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].path, QStringLiteral("/m/a,1.wav"));
    EXPECT_EQ(list[0].kept, t);
    EXPECT_EQ(list[1].path, QStringLiteral("/m/b,2.wav"));
    EXPECT_FALSE(Outbox::add(QStringLiteral("/m/c\n.wav"), t));
    ASSERT_TRUE(Outbox::remove(QStringLiteral("/m/a,1.wav")));
    ASSERT_EQ(Outbox::entries().size(), 1);
    ASSERT_TRUE(Outbox::remove(QStringLiteral("/m/b,2.wav")));
    EXPECT_FALSE(QFile::exists(Outbox::filePath()));
}

TEST(Outbox, GarbledLinesAreSkipped)
{
    TempHome home;
    QFile f(Outbox::filePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("garbage\n\t\n2026-12-10T10:00:00\t/m/ok.wav\nhalf-written\t");
    f.close();
    const QList<Outbox::Entry> list = Outbox::entries();
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(list[0].path, QStringLiteral("/m/ok.wav"));
}
