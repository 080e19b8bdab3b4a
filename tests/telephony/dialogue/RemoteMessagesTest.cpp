#include "RemoteMessages.h"

#include "TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(RemoteMessages, ListsTheFilesOfTheFolderInNameOrder)
{
    TempHome home;
    EXPECT_TRUE(remoteMessages().isEmpty()); // no folder yet
    QDir().mkpath(home.file("Messages/sub"));
    touch(home.file("Messages/2003-05-07 19-05-12,0123.wav"));
    touch(home.file("Messages/2003-05-07  9-05-12,番号不明.wav"));
    touch(home.file("Messages/sub/inner.wav"));
    touch(home.file("secret.txt"));
    touch(home.file("Messages/2003-05-08 10-00-00,0456.wav"));
    // Links are played only when they stay inside the folder.
    QFile::link(home.file("secret.txt"), home.file("Messages/2003-05-09 10-00-00,out.wav"));
    QFile::link(home.file("Messages/2003-05-08 10-00-00,0456.wav"), home.file("Messages/2003-05-10 10-00-00,in.wav"));
    QFile::link(home.file("Messages/sub"), home.file("Messages/2003-05-11 10-00-00,dir.wav"));

    EXPECT_EQ(remoteMessages(), QStringList({home.file("Messages/2003-05-07  9-05-12,番号不明.wav"),
                                             home.file("Messages/2003-05-07 19-05-12,0123.wav"),
                                             home.file("Messages/2003-05-08 10-00-00,0456.wav"),
                                             home.file("Messages/2003-05-10 10-00-00,in.wav")}));
}
