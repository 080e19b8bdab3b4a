#include "Dial.h"

#include "FakePppd.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <signal.h>

namespace {

QByteArray commandLineOf(int pid)
{
    QFile f(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A dial of type 0 returns before pppd has started; wait for it.
bool waitUntilRan(const FakePppd& fake)
{
    for (int i = 0; i < 1000 && (!fake.ran() || fake.pid() == 0); ++i)
        QThread::msleep(10);
    return fake.ran();
}

bool processGone(int pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

} // namespace

TEST(Dial, AFreshObjectHasNoConnection)
{
    FakePppd fake;
    Dial dial;
    EXPECT_EQ(dial.GetStatusNum(), -9);
    EXPECT_EQ(dial.GetStatus(), QStringLiteral("未接続"));
    EXPECT_EQ(dial.GetErrMsg(), QString());
    EXPECT_EQ(dial.GetConnection(), QString());
    EXPECT_EQ(dial.Disconnect(), 0);
    const QVariant entries = dial.GetEntries();
    EXPECT_EQ(entries.typeId(), QMetaType::QVariantList);
    EXPECT_TRUE(entries.toList().isEmpty());
    qputenv("NIMBAL_PEERS_DIR", "/nonexistent-peers");
    EXPECT_EQ(dial.GetEntries(), QVariant(QString()));
}

TEST(Dial, RefusedRequestsGiveMinusOne)
{
    FakePppd fake;
    fake.addPeer(QStringLiteral("provider"), {QStringLiteral("stay")});
    Dial dial;
    const struct {
        const char* what;
        QVariant entry;
        QVariant type;
    } cases[] = {
        {"type 2", QStringLiteral("provider"), 2}, {"type text", QStringLiteral("provider"), QStringLiteral("x")},
        {"missing entry", QVariant(), 1},          {"empty entry", QString(), 1},
        {"256 bytes", QString(256, u'p'), 1},      {"86 three-byte characters", QString(86, u'あ'), 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dial.Connect(c.entry, QString(), QString(), c.type), -1) << c.what;
        EXPECT_EQ(dial.GetStatusNum(), -9) << c.what;
    }
    EXPECT_FALSE(fake.ran());
}

TEST(Dial, FailedDialsGiveTheRemoteAccessNumbers)
{
    FakePppd fake;
    const struct {
        const char* entry;
        QStringList behaviour;
        int error;
    } cases[] = {
        {"busy", {QStringLiteral("say BUSY"), QStringLiteral("exit 8")}, 676},
        {"noanswer", {QStringLiteral("say NO ANSWER"), QStringLiteral("exit 8")}, 678},
        {"nocarrier",
         {QStringLiteral("say abort on (BUSY)"), QStringLiteral("say NO CARRIER"), QStringLiteral("exit 8")},
         679},
        {"nodialtone", {QStringLiteral("say NO DIALTONE"), QStringLiteral("exit 8")}, 680},
        {"timeout", {QStringLiteral("say alarm"), QStringLiteral("exit 8")}, 638},
        {"auth", {QStringLiteral("say Serial connection established."), QStringLiteral("exit 19")}, 691},
        {"locked", {QStringLiteral("exit 6")}, 602},
        {"ended", {QStringLiteral("exit 0")}, 629},
    };
    for (const auto& c : cases) {
        fake.addPeer(QString::fromUtf8(c.entry), c.behaviour);
        Dial dial;
        EXPECT_EQ(dial.Connect(QString::fromUtf8(c.entry), QStringLiteral("u"), QStringLiteral("p"), 1), c.error)
            << c.entry;
        EXPECT_FALSE(dial.GetErrMsg().isEmpty()) << c.entry;
        EXPECT_EQ(dial.GetStatusNum(), -9) << c.entry << ": a failed dial is hung up";
    }
}

TEST(Dial, AMissingEntryOrPppdDialsNothing)
{
    FakePppd fake;
    Dial dial;
    EXPECT_EQ(dial.Connect(QStringLiteral("nowhere"), QString(), QString(), 1), 623);
    EXPECT_FALSE(fake.ran());
    fake.addPeer(QStringLiteral("provider"), {QStringLiteral("stay")});
    qputenv("NIMBAL_PPPD", "/nonexistent/pppd");
    EXPECT_EQ(dial.Connect(QStringLiteral("provider"), QString(), QString(), 1), 608);
    EXPECT_TRUE(dial.GetErrMsg().contains(u"pppd")) << dial.GetErrMsg().toStdString();
    EXPECT_EQ(dial.GetStatusNum(), -9);
}

TEST(Dial, ConnectsWithThePasswordOnlyOnItsPipe)
{
    FakePppd fake;
    const QString peer = fake.addPeer(QStringLiteral("provider"), {QStringLiteral("stay")});
    QFile peerFile(peer);
    ASSERT_TRUE(peerFile.open(QIODevice::ReadOnly));
    const QByteArray peerBefore = peerFile.readAll();
    const QDateTime modifiedBefore = QFileInfo(peer).lastModified();
    const QString secret = QStringLiteral("s3cret-パス");

    Dial dial;
    ASSERT_EQ(dial.Connect(QStringLiteral("provider"), QStringLiteral("owner"), secret, 1), 0)
        << dial.GetErrMsg().toStdString();
    EXPECT_EQ(dial.GetStatusNum(), 0);
    EXPECT_EQ(dial.GetStatus(), QStringLiteral("接続されました"));
    EXPECT_EQ(dial.GetConnection(), QStringLiteral("provider"));
    EXPECT_EQ(dial.Connect(QStringLiteral("provider"), QStringLiteral("owner"), secret, 1), -2);

    EXPECT_EQ(fake.password(), secret.toUtf8());
    const int pid = fake.pid();
    const QByteArray cmdline = commandLineOf(pid);
    ASSERT_FALSE(cmdline.isEmpty());
    EXPECT_FALSE(cmdline.contains(secret.toUtf8()));
    EXPECT_TRUE(cmdline.contains(QByteArray("call\0provider\0nodetach", 22)));
    EXPECT_TRUE(fake.arguments().contains(QStringLiteral("owner")));

    EXPECT_EQ(dial.Disconnect(), 0);
    EXPECT_TRUE(processGone(pid)) << "Disconnect waits until pppd is gone";
    EXPECT_EQ(dial.GetStatusNum(), -9);
    EXPECT_EQ(dial.GetConnection(), QString());
    peerFile.seek(0);
    EXPECT_EQ(peerFile.readAll(), peerBefore) << "the peer file is only read";
    EXPECT_EQ(QFileInfo(peer).lastModified(), modifiedBefore);
}

TEST(Dial, UserAndPasswordChoices)
{
    FakePppd fake;
    fake.addPeer(QStringLiteral("provider"), {QStringLiteral("stay")});
    {
        Dial dial;
        ASSERT_EQ(dial.Connect(QStringLiteral("provider"), QString(), QStringLiteral("ignored"), 1), 0);
        EXPECT_FALSE(fake.passwordGiven()) << "no user: the peer's own user and password dial";
        EXPECT_FALSE(fake.arguments().contains(QStringLiteral("user")));
    }
    fake.forget();
    {
        Dial dial;
        ASSERT_EQ(dial.Connect(QStringLiteral("provider"), QStringLiteral("owner"), QString(), 1), 0);
        EXPECT_TRUE(fake.passwordGiven());
        EXPECT_EQ(fake.password(), QByteArray()) << "a user with an empty password dials with an empty one";
    }
    fake.forget();
    const QString longest(255, u'e');
    fake.addPeer(longest, {QStringLiteral("stay")});
    Dial dial;
    EXPECT_EQ(dial.Connect(longest, QString(), QString(), 0), 0) << "255 bytes dial";
    ASSERT_TRUE(waitUntilRan(fake));
    EXPECT_TRUE(fake.arguments().contains(longest));
    const int pid = fake.pid();
    dial.Disconnect();
    EXPECT_TRUE(processGone(pid));
}

TEST(Dial, MethodsAreReachedByName)
{
    FakePppd fake;
    Dial dial;
    const char* names[] = {"GetErrMsg", "GetEntries",    "Connect",     "Disconnect",
                           "GetStatus", "GetConnection", "getstatusnum"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(dial.dispatchId(QString::fromUtf8(names[i])), i + 1) << names[i];
    EXPECT_EQ(dial.dispatchId(u"Dial"), -1);
    EXPECT_EQ(callMethod(dial, u"GetStatusNum")->toInt(), -9);
    EXPECT_EQ(callMethod(dial, u"Connect", {QStringLiteral("x"), QString(), QString(), 2})->toInt(), -1);
    EXPECT_FALSE(callMethod(dial, u"Nothing").ok());
}
