#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QString talvero()
{
    return QStringLiteral(TALVERO_PROGRAM);
}

QProcessEnvironment offscreen()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("TALVERO_DESKTOP", "sim");
    return env;
}

} // namespace

TEST(MainProgramTest, ASecondStartOnTheSameFolderEndsAtOnce)
{
    QTemporaryDir home;
    QProcess first;
    first.setProcessEnvironment(offscreen());
    first.start(talvero(), {"--home", home.path()});
    ASSERT_TRUE(first.waitForStarted()) << first.errorString().toStdString();
    // The first start is up once it holds the folder and has written its settings.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(home.filePath("setting.ini")); }, 60000))
        << first.readAllStandardError().toStdString();

    QProcess second;
    second.setProcessEnvironment(offscreen());
    second.start(talvero(), {"--home", home.path()});
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(30000))
        first.kill();
}
