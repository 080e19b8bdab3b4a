#include "NoticeMail.h"

#include <gtest/gtest.h>

TEST(NoticeMail, BodyNamesTheMessage)
{
    EXPECT_EQ(NoticeMail::subject(), QStringLiteral("留守番電話着信通知"));
    EXPECT_EQ(NoticeMail::body(QStringLiteral("/home/u/Messages/a,b,c.wav")),
              QStringLiteral("留守番電話にメッセージが入りました。\r\nファイル名：a,b,c"));
    EXPECT_EQ(NoticeMail::body(QStringLiteral("C:\\Talvero\\Messages\\x.wav")),
              QStringLiteral("留守番電話にメッセージが入りました。\r\nファイル名：x"));
}

TEST(NoticeMail, CommasBecomeTabs)
{
    EXPECT_EQ(NoticeMail::recipients(QStringLiteral("a@x.jp, b@x.jp")), QStringLiteral("a@x.jp\t b@x.jp"));
    EXPECT_EQ(NoticeMail::recipients(QStringLiteral("a@x.jp")), QStringLiteral("a@x.jp"));
}
