#include "CallLog.h"

#include "DataFolder.h"
#include "TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(CallLogTest, LinesHaveTheirFixedForms)
{
    const QDateTime at(QDate(2003, 5, 7), QTime(9, 5, 12));
    EXPECT_EQ(CallLog::incomingCallLine(at, "0123"), "2003/05/07 9:05:12 - 0123 から着信しました");
    EXPECT_EQ(CallLog::playbackModeLine(at), "2003/05/07 9:05:12 - 留守番電話再生モードを実行しました");
    EXPECT_EQ(CallLog::operationLine(at, 3, 5),
              "2003/05/07 9:05:12 - 機器番号:3 リモコンボタン番号:05　を操作しました");
    EXPECT_EQ(CallLog::operationLine(at, 0, 99),
              "2003/05/07 9:05:12 - 機器番号:0 リモコンボタン番号:99　を操作しました");
}

TEST(CallLogTest, LinesAreAppendedInUtf8)
{
    TempHome home;
    ASSERT_TRUE(CallLog::append("一行目").ok());
    ASSERT_TRUE(CallLog::append("second").ok());
    QFile log(DataFolder::path(u"\\Phone.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(log.readAll()), "一行目\nsecond\n");
}

TEST(CallLogTest, ALogThatCannotBeWrittenIsReported)
{
    TempHome home;
    QDir().mkpath(DataFolder::path(u"\\Phone.log")); // a folder where the file should be
    const Status written = CallLog::append("x");
    EXPECT_FALSE(written.ok());
    EXPECT_FALSE(written.error().isEmpty());
}
