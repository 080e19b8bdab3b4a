#include "MessageFolder.h"

#include "TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

} // namespace

TEST(MessageFolderTest, RowTextCutsTheExtensionAndSplitsAtCommas)
{
    struct Case {
        const char* file;
        const char* row;
    };
    const Case cases[] = {
        {"2026-12-10 10-23-43,0312345678.wav", "2026-12-10 10-23-43\t0312345678"},
        {"a,b,c.wav", "a\tb\tc"},
        {"a,b.c.wav", "a\tb"},
        {"noextension", "noextension"},
        {",.wav", "\t"},
        {".hidden", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageFolder::rowText(QString::fromUtf8(c.file)), QString::fromUtf8(c.row)) << c.file;
}

TEST(MessageFolderTest, ListsRegularFilesInNameOrder)
{
    TempHome home;
    const QString folder = MessageFolder::path();
    ASSERT_EQ(folder, home.file("Messages"));
    QDir().mkpath(folder + "/sub");
    touch(folder + "/b.wav");
    touch(folder + "/a.wav");
    touch(folder + "/.hidden");
    touch(home.file("outside.wav"));
    QFile::link(home.file("outside.wav"), folder + "/link.wav");
    EXPECT_EQ(MessageFolder::fileNames(folder), (QStringList{"a.wav", "b.wav"}));
    EXPECT_TRUE(MessageFolder::fileNames(home.file("missing")).isEmpty());
}

TEST(MessageFolderTest, FileInsideNeverLeavesTheFolder)
{
    TempHome home;
    const QString folder = home.file("Messages");
    QDir().mkpath(folder + "/sub");
    touch(folder + "/a.wav");
    touch(folder + "/x\\..\\..\\setting.ini"); // a backslash is an ordinary character in a Linux name
    touch(home.file("setting.ini"));
    QFile::link(home.file("setting.ini"), folder + "/link.wav");

    EXPECT_EQ(MessageFolder::fileInside(folder, "a.wav"), folder + "/a.wav");
    EXPECT_EQ(MessageFolder::fileInside(folder, "x\\..\\..\\setting.ini"), folder + "/x\\..\\..\\setting.ini");
    for (const char* refused : {"", ".", "..", "../setting.ini", "sub", "sub/../a.wav", "link.wav", "missing.wav"})
        EXPECT_TRUE(MessageFolder::fileInside(folder, QString::fromUtf8(refused)).isEmpty()) << refused;
}
