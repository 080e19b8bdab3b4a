#include "SimLineServer.h"

#include "SimLine.h"
#include "SimLineSocket.h"
#include "WaitUntil.h"

#include <QLocalSocket>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SimLineServerTest : ::testing::Test {
    SimLineServerTest()
    {
        SimLineOptions options;
        options.ringMilliseconds = 30;
        line = std::make_unique<SimLine>(options);
        name = SimLineSocket::name(dir.path());
        EXPECT_TRUE(line->openDoor(name).ok());
        client.connectToServer(name);
        EXPECT_TRUE(waitUntil([&] { return client.state() == QLocalSocket::ConnectedState; }));
    }
    QString ask(const QString& command)
    {
        client.write(command.toUtf8() + '\n');
        return next();
    }
    QString next()
    {
        if (!waitUntil([&] { return client.canReadLine(); }))
            return QStringLiteral("(no reply)");
        return QString::fromUtf8(client.readLine()).trimmed();
    }

    QTemporaryDir dir;
    std::unique_ptr<SimLine> line;
    QString name;
    QLocalSocket client;
};

} // namespace

TEST_F(SimLineServerTest, CommandsAreAnswered)
{
    struct Case {
        const char* command;
        const char* reply;
    };
    const Case cases[] = {
        {"STATUS", "OK IDLE"},
        {"RING 0123 山田 太郎", "OK CALL 1"},
        {"STATUS", "OK OFFERING"},
        {"DIGITS 12#", "OK"},
        {"DIGITS 1x", "ERR not a key: x"},
        {"SAY -", "OK"},
        {"HANGUP", "OK"},
        {"HANGUP", "ERR no call"},
        {"RING", "ERR RING needs a number (- for none)"},
        {"DANCE", "ERR unknown command DANCE"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ask(c.command), QString::fromUtf8(c.reply)) << c.command;
}

TEST_F(SimLineServerTest, AWaitFindsAnEventThatCameBeforeItAndMovesPastIt)
{
    EXPECT_EQ(ask("RING 5"), "OK CALL 1");
    ASSERT_TRUE(waitUntil([&] { return line->describe().startsWith("OFFERING"); }));
    waitUntil([] { return false; }, 100); // a few rings go by before anyone waits
    EXPECT_EQ(ask("WAIT RINGING 1 1"), "OK RINGING 1 1");
    EXPECT_EQ(ask("WAIT RINGING"), "OK RINGING 1 2");
    line->showStatus("待機中");
    EXPECT_EQ(ask("WAIT TEXT 待機中"), "OK TEXT 待機中");
    EXPECT_EQ(ask("HANGUP"), "OK");
    EXPECT_EQ(ask("WAIT DISCONNECTED"), "OK DISCONNECTED 1 HANGUP");
}

TEST_F(SimLineServerTest, SubscribersAreSentEveryEvent)
{
    EXPECT_EQ(ask("EVENTS"), "OK");
    line->showStatus("停止中");
    EXPECT_EQ(next(), "EVENT TEXT 停止中");
}

TEST_F(SimLineServerTest, ALiveDoorIsNotTakenOver)
{
    SimLine other;
    EXPECT_FALSE(other.openDoor(name).ok());
    EXPECT_EQ(ask("STATUS"), "OK IDLE");
}
