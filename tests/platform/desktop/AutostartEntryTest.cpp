#include "AutostartEntry.h"

#include <gtest/gtest.h>

TEST(AutostartEntryTest, QuotesAndEscapesTheCommand)
{
    struct Case {
        QStringList command;
        QString exec;
    };
    const Case cases[] = {
        {{"/usr/bin/Talvero"}, "/usr/bin/Talvero"},
        {{"/opt/t/Talvero", "--home", "/home/u/My Data"}, "/opt/t/Talvero --home \"/home/u/My Data\""},
        {{"/t/Talvero", "--home", "/d/$HOME"}, "/t/Talvero --home \"/d/\\\\$HOME\""},
        {{"/t/Talvero", "--home", "/d/a\"b"}, "/t/Talvero --home \"/d/a\\\\\"b\""},
        {{"/t/Talvero", "--home", "/d/100%"}, "/t/Talvero --home /d/100%%"},
        {{"/t/Talvero", "--home", "/d/a\\b"}, "/t/Talvero --home \"/d/a\\\\\\\\b\""},
        {{"/t/Talvero", "--home", "/データ"}, "/t/Talvero --home /データ"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AutostartEntry::execLine(c.command), c.exec) << c.command.join(' ').toStdString();
}

TEST(AutostartEntryTest, WritesAnApplicationEntry)
{
    const QString text = QString::fromUtf8(AutostartEntry::contents({"/t/Talvero", "--home", "/d"}));
    EXPECT_TRUE(text.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(text.contains("\nType=Application\n"));
    EXPECT_TRUE(text.contains("\nExec=/t/Talvero --home /d\n"));
    EXPECT_TRUE(text.contains("\nName=Morvane\n"));
}
