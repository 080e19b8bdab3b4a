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
    // Installed already: no first-start question holds the program up.
    QFile settings(home.filePath("setting.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("[TTS]\nInstall=1\n");
    settings.close();
    QProcess first;
    first.setProcessEnvironment(offscreen());
    first.start(talvero(), {"--home", home.path()});
    ASSERT_TRUE(first.waitForStarted()) << first.errorString().toStdString();
    // The first start holds the folder once its lock file is there.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(home.filePath(".talvero.lock")); }, 60000))
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
