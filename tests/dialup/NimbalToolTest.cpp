#include "ClassRegistry.h"
#include "ComponentObject.h"
#include "FakePppd.h"
#include "createObject.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString tool()
{
    return QStringLiteral(NIMBAL_TOOL);
}

struct ToolRun {
    int exitCode;
    QString out;
};

ToolRun runTool(const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(tool(), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
}

// A private configuration folder, so that registering touches nothing of the user's.
class PrivateConfig {
public:
    PrivateConfig() : m_old(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path())); }
    ~PrivateConfig() { qputenv("XDG_CONFIG_HOME", m_old); }

private:
    QTemporaryDir m_dir;
    QByteArray m_old;
};

} // namespace

TEST(NimbalTool, RegistersTheClassForCreationByName)
{
    PrivateConfig config;
    EXPECT_FALSE(createObject(QStringLiteral("Nimbal.Dial")).ok());
    ASSERT_EQ(runTool({QStringLiteral("--register")}).exitCode, 0);
    const QString classId = ClassRegistry::classIdOf(QStringLiteral("Nimbal.Dial"));
    EXPECT_EQ(classId, QStringLiteral("{1E9B3042-3A86-4254-8422-422BD4C74C39}"));
    EXPECT_TRUE(ClassRegistry::libraryOf(classId).endsWith(u"/libNimbal.so"));

    const Result<std::shared_ptr<ComponentObject>> dial = createObject(QStringLiteral("Nimbal.Dial"));
    ASSERT_TRUE(dial.ok()) << dial.error().toStdString();
    EXPECT_EQ(callMethod(**dial, u"GetStatus")->toString(), QStringLiteral("未接続"));

    ASSERT_EQ(runTool({QStringLiteral("--unregister")}).exitCode, 0);
    EXPECT_TRUE(ClassRegistry::classIdOf(QStringLiteral("Nimbal.Dial")).isEmpty());
    EXPECT_TRUE(ClassRegistry::libraryOf(classId).isEmpty());
}

TEST(NimbalTool, CallsPrintTheResults)
{
    FakePppd fake;
    fake.addPeer(QStringLiteral("busy"), {QStringLiteral("say BUSY"), QStringLiteral("exit 8")});
    fake.addPeer(QStringLiteral("provider"), {QStringLiteral("stay")});
    const QString call = QStringLiteral("--call");
    const QString connect = QStringLiteral("Connect");
    const struct {
        QStringList args;
        const char* out;
    } cases[] = {
        {{call, QStringLiteral("GetEntries")}, "busy\nprovider\n"},
        {{call, connect, QStringLiteral("busy"), QStringLiteral("u"), QStringLiteral("-"), QStringLiteral("1")},
         "676\n"},
        {{call, connect, QStringLiteral("nowhere"), QString(), QString(), QStringLiteral("1")}, "623\n"},
        {{call, connect, QStringLiteral("provider"), QString(), QString(), QStringLiteral("2")}, "-1\n"},
        {{call, connect, QStringLiteral("provider"), QStringLiteral("u"), QStringLiteral("-"), QStringLiteral("1"),
          call, connect, QStringLiteral("provider"), QStringLiteral("u"), QStringLiteral("-"), QStringLiteral("1"),
          call, QStringLiteral("GetConnection"), call, QStringLiteral("Disconnect")},
         "0\n-2\nprovider\n0\n"},
    };
    for (const auto& c : cases) {
        const ToolRun r = runTool(c.args, "pw-one\npw-two\n");
        EXPECT_EQ(r.exitCode, 0) << c.args.join(u' ').toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.out)) << c.args.join(u' ').toStdString();
    }
    EXPECT_EQ(fake.password(), QByteArray("pw-one")) << "the password came from standard input";
}

TEST(NimbalTool, RefusesAPasswordOnItsCommandLine)
{
    FakePppd fake;
    fake.addPeer(QStringLiteral("provider"), {QStringLiteral("stay")});
    const ToolRun r = runTool({QStringLiteral("--call"), QStringLiteral("Connect"), QStringLiteral("provider"),
                               QStringLiteral("u"), QStringLiteral("secret"), QStringLiteral("1")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(fake.ran());
    EXPECT_NE(runTool({QStringLiteral("--call"), QStringLiteral("Nothing")}).exitCode, 0);
    EXPECT_NE(runTool({}).exitCode, 0);
}
