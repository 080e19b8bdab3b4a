#include "SimLineServer.h"

#include "LineAudio.h"
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

TEST_F(SimLineServerTest, TheMachineCanBeHeardAndTheCallerSpokenFor)
{
    EXPECT_EQ(ask("HEAR"), "OK");
    Result<std::unique_ptr<LinePlayback>> out = line->audio().openPlayback({});
    ASSERT_TRUE(out.ok());
    out.value()->load(QByteArray(320, '\4'), "x.wav");
    out.value()->play();
    QByteArray heard;
    while (heard.size() < 320) {
        const QString l = next();
        ASSERT_TRUE(l.startsWith("AUDIO ")) << l.toStdString();
        heard += QByteArray::fromBase64(l.mid(6).toLatin1());
    }
    EXPECT_EQ(heard, QByteArray(320, '\4'));

    client.write("VOICE " + QByteArray(6, '\2').toBase64() + '\n');
    EXPECT_EQ(ask("STATUS"), "OK IDLE"); // handled after the voice
    Result<std::unique_ptr<LineCapture>> in = line->audio().openCapture({});
    ASSERT_TRUE(in.ok());
    ASSERT_TRUE(in.value()->createBuffer(WaveFormat::line(), 3200).ok());
    in.value()->setNotificationPositions({1600});
    bool full = false;
    QObject::connect(in.value().get(), &LineCapture::notified, [&] { full = true; });
    in.value()->start();
    ASSERT_TRUE(waitUntil([&] { return full; }));
    EXPECT_EQ(in.value()->read(0, 8), QByteArray(6, '\2') + QByteArray(2, '\0'));
}
