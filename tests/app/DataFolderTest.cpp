#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class EnvGuard {
public:
    explicit EnvGuard(const char* name) : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name)) {}
    ~EnvGuard() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(DataFolder, ChoosesInOrderOfPrecedence)
{
    EnvGuard home("TALVERO_HOME");
    EnvGuard xdg("XDG_DATA_HOME");
    QTemporaryDir portable;
    put(portable.filePath("setting.ini"), "");
    qputenv("XDG_DATA_HOME", "/xdg");

    qputenv("TALVERO_HOME", "/env/home");
    QStringList args{"Talvero", "--home", "/arg/home", "-x"};
    EXPECT_EQ(DataFolder::choose(&args, portable.path()), QString("/arg/home"));
    EXPECT_EQ(args, (QStringList{"Talvero", "-x"}));
    args = {"Talvero", "--home=/eq/home"};
    EXPECT_EQ(DataFolder::choose(&args, portable.path()), QString("/eq/home"));
    args = {"Talvero"};
    EXPECT_EQ(DataFolder::choose(&args, portable.path()), QString("/env/home"));
    qunsetenv("TALVERO_HOME");
    EXPECT_EQ(DataFolder::choose(&args, portable.path()), portable.path());
    EXPECT_EQ(DataFolder::choose(&args, "/no/such/dir"), QString("/xdg/talvero"));
}

TEST(DataFolder, CopiesShippedDataWithoutOverwriting)
{
    QTemporaryDir shipped;
    QTemporaryDir home;
    put(shipped.filePath("home/Ans/System/sys01.wav"), "shipped prompt");
    put(shipped.filePath("home/Ans/Reception0.wav"), "shipped greeting");
    put(home.filePath("Ans/Reception0.wav"), "my greeting");

    ASSERT_TRUE(DataFolder::prepare(home.path(), shipped.path()).ok());
    EXPECT_EQ(contents(home.filePath("Ans/System/sys01.wav")), QByteArray("shipped prompt"));
    EXPECT_EQ(contents(home.filePath("Ans/Reception0.wav")), QByteArray("my greeting"));
}

TEST(DataFolder, UnusableFolderGivesAMessageNamingIt)
{
    QTemporaryDir dir;
    put(dir.filePath("file"), "x");
    const QString folder = dir.filePath("file/home");
    const Status s = DataFolder::prepare(folder, QString());
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.error().contains(folder)) << s.error().toStdString();
}

TEST(DataFolder, TurnsBackslashPathsIntoPathsInTheFolder)
{
    DataFolder::setCurrent("/home/u/talvero");
    EXPECT_EQ(DataFolder::path(u"\\Ans\\Reception0.wav"), QString("/home/u/talvero/Ans/Reception0.wav"));
    EXPECT_EQ(DataFolder::path(u"\\Messages\\"), QString("/home/u/talvero/Messages/"));
    EXPECT_EQ(DataFolder::path(u"\\setting.ini"), QString("/home/u/talvero/setting.ini"));
    DataFolder::setCurrent(QString());
}
