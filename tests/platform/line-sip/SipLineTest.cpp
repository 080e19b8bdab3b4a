#include "SipLine.h"

#include "BaresipCaller.h"
#include "LineCall.h"
#include "LinphoneCaller.h"
#include "SipFreePort.h"
#include "SipRawPeer.h"
#include "SipRegistrar.h"
#include "TempHome.h"
#include "TestWav.h"
#include "WaitUntil.h"

#include <QFile>
#include <QTimer>
#include <QUdpSocket>

#include <gtest/gtest.h>
#include <spandsp.h>

#include <cmath>

namespace {

// A SIP line listening on a free loopback port, registered for calls, with what it told kept.
class SipLineTest : public ::testing::Test {
protected:
    SipLineTest()
    {
        options.listenPort = freeUdpPort();
        options.ringMilliseconds = 200;
        line = std::make_unique<SipLine>(options);
        QObject::connect(line.get(), &SipLine::monitor, [this](const QString& m) { told << m; });
        QObject::connect(line.get(), &Line::event, [this](const LineEvent& e) { events << e; });
        writeToneWav(voice, 20);
    }

    void switchOn()
    {
        ASSERT_TRUE(line->initialize().ok());
        line->setEventFilter(kAllLineEvents);
        ASSERT_NE(line->registerCallNotifications(line->addresses().first(), false, true, TAPIMEDIATYPE_AUDIO, 1), 0u);
    }
    QString uri() const { return QStringLiteral("sip:talvero@127.0.0.1:%1").arg(options.listenPort); }
    // A baresip caller that has dialled the line; null when it does not start.
    std::unique_ptr<BaresipCaller> dialIn()
    {
        BaresipCaller::Options from;
        from.voiceWav = voice;
        auto caller = std::make_unique<BaresipCaller>(from);
        if (!caller->start())
            return nullptr;
        caller->dial(uri());
        return caller;
    }
    // Answers the offered call with key detection on and waits until the caller has it.
    bool answer(const BaresipCaller& caller)
    {
        const std::shared_ptr<LineCall> call = offered();
        if (!call || !call->answer().ok())
            return false;
        call->detectDigits(LINEDIGITMODE_DTMF);
        return waitUntil([&] { return caller.said("Call established"); });
    }
    bool waitFor(const QString& prefix, int timeoutMs = 10000)
    {
        return waitUntil([&] { return saw(prefix); }, timeoutMs);
    }
    bool saw(const QString& prefix) const
    {
        return std::any_of(told.begin(), told.end(), [&](const QString& m) { return m.startsWith(prefix); });
    }
    std::shared_ptr<LineCall> offered() const
    {
        const auto calls = line->addresses().first()->calls();
        return calls.isEmpty() ? nullptr : calls.first();
    }

    TempHome home;
    const QString voice = home.file("caller.wav");
    SipOptions options;
    std::unique_ptr<SipLine> line;
    QStringList told;
    QList<LineEvent> events;
};

TEST_F(SipLineTest, ACallRingsIsAnsweredHearsKeysAndEndsWithBye)
{
    switchOn();
    const auto caller = dialIn();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(waitFor("RINGING 1 2")) << told.join('\n').toStdString() << caller->output().toStdString();
    ASSERT_TRUE(offered());
    EXPECT_EQ(offered()->callerIdNumber(), std::optional<QString>("0312345678"));
    ASSERT_TRUE(answer(*caller)) << caller->output().toStdString();
    for (QChar k : QStringLiteral("12#")) {
        caller->press(k);
        ASSERT_TRUE(waitFor(QStringLiteral("KEY 1 %1").arg(k))) << told.join('\n').toStdString();
    }
    caller->hangUp();
    ASSERT_TRUE(waitFor("DISCONNECTED 1 BYE")) << told.join('\n').toStdString();
    EXPECT_EQ(told.filter("KEY").size(), 3) << told.join('\n').toStdString();
    EXPECT_EQ(told.filter("KEY 1 1 rfc4733").size(), 1);
}

TEST_F(SipLineTest, KeysSentAsSipInfoByLinphoneArriveOnceEach)
{
    switchOn();
    LinphoneCaller caller;
    ASSERT_TRUE(caller.start()) << caller.error().toStdString();
    caller.command(QStringLiteral("call ") + uri());
    ASSERT_TRUE(waitFor("OFFERED 1 0398765432")) << told.join('\n').toStdString() << caller.output().toStdString();
    ASSERT_TRUE(offered()->answer().ok());
    offered()->detectDigits(LINEDIGITMODE_DTMF);
    ASSERT_TRUE(waitUntil([&] { return caller.said("connected"); })) << caller.output().toStdString();
    for (QChar k : QStringLiteral("5#")) {
        caller.command(k);
        ASSERT_TRUE(waitFor(QStringLiteral("KEY 1 %1 info").arg(k)))
            << told.join('\n').toStdString() << caller.output().toStdString();
    }
    caller.command(QStringLiteral("terminate"));
    ASSERT_TRUE(waitFor("DISCONNECTED 1 BYE")) << told.join('\n').toStdString();
    EXPECT_EQ(told.filter("KEY").size(), 2) << told.join('\n').toStdString();
}

TEST_F(SipLineTest, WithARegistrarTheLineAuthenticatesAndRegistersAgainBeforeItExpires)
{
    SipRegistrar registrar(2);
    options.registrar = QStringLiteral("sip:127.0.0.1:%1").arg(registrar.port());
    options.user = QStringLiteral("am");
    options.password = QStringLiteral("secret");
    SipLine registered(options);
    QObject::connect(&registered, &SipLine::monitor, [this](const QString& m) { told << m; });
    EXPECT_EQ(registered.addresses().first()->addressName(), QStringLiteral("am@127.0.0.1:%1").arg(registrar.port()));
    ASSERT_TRUE(registered.initialize().ok());
    ASSERT_TRUE(waitUntil([&] { return registrar.accepted() >= 2; })) << told.join('\n').toStdString();
    const QList<QByteArray> received = registrar.registers();
    const QByteArray first = received.first();
    EXPECT_TRUE(first.contains("sip:am@127.0.0.1")) << first.constData();
    const QByteArray authorised = received.at(1);
    EXPECT_TRUE(authorised.contains("username=\"am\"")) << authorised.constData();
    EXPECT_TRUE(authorised.contains("realm=\"talvero-test\""));
    EXPECT_FALSE(authorised.contains("secret"));
    EXPECT_TRUE(saw("REGISTER 200"));
}

TEST_F(SipLineTest, AKeySentAsToneAndAsEventIsHeardOnce)
{
    switchOn();
    QUdpSocket media;
    ASSERT_TRUE(media.bind(QHostAddress::LocalHost, 0));
    SipRawPeer caller;
    caller.invite(options.listenPort, "\"x\"", "0311", SipRawPeer::offer("0 101", media.localPort()));
    ASSERT_TRUE(waitFor("OFFERED"));
    ASSERT_TRUE(offered()->answer().ok());
    offered()->detectDigits(LINEDIGITMODE_DTMF);
    ASSERT_TRUE(caller.waitForStatus(200));
    caller.ack();
    const quint16 linePort = quint16(caller.answeredRtpPort());

    // 20 ms frames: the tone of "5" from frame 5 to 10, its event sent late, from frame 12 on.
    auto packet = [](int type, int sequence, quint32 ts, const QByteArray& payload) {
        QByteArray p(12, 0);
        p[0] = char(0x80);
        p[1] = char(type);
        p[2] = char(sequence >> 8);
        p[3] = char(sequence);
        for (int i = 0; i < 4; ++i)
            p[4 + i] = char(ts >> (24 - 8 * i));
        p[8] = 0x11;
        return p + payload;
    };
    int frame = 0;
    int sequence = 0;
    QTimer clock;
    QObject::connect(&clock, &QTimer::timeout, [&] {
        QByteArray audio(160, char(0xff));
        for (int i = 0; frame >= 5 && frame <= 10 && i < 160; ++i) {
            const double t = (frame * 160 + i) / 8000.0;
            audio[i] = char(linear_to_ulaw(int(6000 * (std::sin(2 * M_PI * 770 * t) + std::sin(2 * M_PI * 1336 * t)))));
        }
        media.writeDatagram(packet(0, ++sequence, quint32(frame * 160), audio), QHostAddress::LocalHost, linePort);
        if (frame >= 12 && frame <= 14) {
            const bool end = frame == 14;
            const QByteArray event{"\x05", 1};
            const QByteArray flags(1, end ? char(0x8a) : char(0x0a));
            const QByteArray duration = QByteArray(1, char(0x03)) + char(0xc0);
            media.writeDatagram(packet(101, ++sequence, 5 * 160, event + flags + duration), QHostAddress::LocalHost,
                                linePort);
        }
        ++frame;
    });
    clock.start(20);
    ASSERT_TRUE(waitUntil([&] { return frame > 40; }));
    clock.stop();
    EXPECT_EQ(told.filter("KEY").size(), 1) << told.join('\n').toStdString();
    EXPECT_TRUE(saw("KEY 1 5 inband")) << told.join('\n').toStdString();
}

TEST_F(SipLineTest, OffersThatCannotBeTakenAreRefusedWith488AndNeverOffered)
{
    switchOn();
    SipRawPeer peer;
    peer.sendRaw(options.listenPort, "\x01\x02 not SIP at all\r\n\r\n");
    peer.sendRaw(options.listenPort, QByteArray(4000, 'x'));
    // A description that does not parse is the stack's 400; one that parses but cannot be taken is 488.
    const std::pair<QByteArray, int> offers[] = {
        {"v=0\r\nthis is garbage\r\n", 400},
        {SipRawPeer::offer("9 18"), 488},
        {SipRawPeer::offer("0").replace("m=audio 30000", "m=audio 0"), 488},
        {SipRawPeer::offer("0").replace("RTP/AVP", "RTP/SAVP"), 488},
    };
    for (const auto& [sdp, status] : offers) {
        SipRawPeer refused;
        refused.invite(options.listenPort, "\"x\"", "0311", sdp);
        ASSERT_TRUE(refused.waitForStatus(status)) << refused.received().constData();
    }
    EXPECT_FALSE(saw("OFFERED")) << told.join('\n').toStdString();
    EXPECT_TRUE(events.isEmpty());
    EXPECT_EQ(told.filter("REFUSED 488").size(), 3);
    EXPECT_FALSE(saw("REFUSED 400"));

    // The line still takes a good call afterwards.
    peer.invite(options.listenPort, "\"x\"", "0311", SipRawPeer::offer());
    ASSERT_TRUE(peer.waitForStatus(180));
    EXPECT_TRUE(waitFor("OFFERED"));
}

TEST_F(SipLineTest, AForgedCallerIdIsCleanedAndARejectedCallHearsBusy)
{
    switchOn();
    SipRawPeer peer;
    peer.invite(options.listenPort, "\"Evil\x01\x7f\xff Name\"", "0311%0D%0A", SipRawPeer::offer());
    ASSERT_TRUE(waitFor("OFFERED")) << peer.received().constData();
    const std::shared_ptr<LineCall> call = offered();
    ASSERT_TRUE(call);
    EXPECT_EQ(call->callerIdNumber(), std::optional<QString>("0311"));
    EXPECT_EQ(call->callerIdName(), std::optional<QString>("Evil Name"));
    call->disconnect(DC_REJECTED);
    EXPECT_TRUE(peer.waitForStatus(486)) << peer.received().constData();
}

TEST_F(SipLineTest, WhileNobodyIsRegisteredCallsAreUnavailable)
{
    ASSERT_TRUE(line->initialize().ok());
    SipRawPeer peer;
    peer.invite(options.listenPort, "\"x\"", "0311", SipRawPeer::offer());
    EXPECT_TRUE(peer.waitForStatus(480)) << peer.received().constData();
    EXPECT_FALSE(saw("OFFERED"));
}

TEST_F(SipLineTest, StrayAndOversizedRtpIsIgnoredAndTheCallGoesOn)
{
    switchOn();
    const auto caller = dialIn();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(waitFor("OFFERED"));
    ASSERT_TRUE(answer(*caller));
    ASSERT_TRUE(waitFor("MEDIA 1"));
    const int rtpPort = told.filter("MEDIA 1").first().section(' ', 2, 2).toInt();

    QByteArray packet("\x80\x00\x00\x01\x00\x00\x10\x00\x12\x34\x56\x78", 12);
    QUdpSocket stranger;
    ASSERT_TRUE(stranger.bind(QHostAddress("127.0.0.2"), 0));
    for (int i = 0; i < 5; ++i)
        stranger.writeDatagram(packet + QByteArray(160, char(0x55)), QHostAddress::LocalHost, quint16(rtpPort));
    QUdpSocket local;
    local.writeDatagram(packet + QByteArray(1400, char(0x55)), QHostAddress::LocalHost, quint16(rtpPort));
    local.writeDatagram("\x01\x02", QHostAddress::LocalHost, quint16(rtpPort));

    caller->press('7');
    ASSERT_TRUE(waitFor("KEY 1 7")) << told.join('\n').toStdString();
    EXPECT_FALSE(saw("DISCONNECTED"));
    caller->hangUp();
    ASSERT_TRUE(waitFor("MEDIA-END 1")) << told.join('\n').toStdString();
    const int dropped = told.filter("MEDIA-END 1").first().section(' ', 3, 3).toInt();
    EXPECT_GE(dropped, 5) << told.join('\n').toStdString();
}

} // namespace
