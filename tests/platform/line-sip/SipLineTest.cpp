#include "SipLine.h"

#include "BaresipCaller.h"
#include "LineCall.h"
#include "SipFreePort.h"
#include "TempHome.h"
#include "TestWav.h"
#include "WaitUntil.h"

#include <QFile>

#include <gtest/gtest.h>

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
    BaresipCaller::Options from;
    from.voiceWav = voice;
    BaresipCaller caller(from);
    ASSERT_TRUE(caller.start()) << caller.error().toStdString();
    caller.dial(uri());
    ASSERT_TRUE(waitFor("RINGING 1 2")) << told.join('\n').toStdString() << caller.output().toStdString();
    const std::shared_ptr<LineCall> call = offered();
    ASSERT_TRUE(call);
    EXPECT_EQ(call->callerIdNumber(), std::optional<QString>("0312345678"));
    ASSERT_TRUE(call->answer().ok());
    call->detectDigits(LINEDIGITMODE_DTMF);
    ASSERT_TRUE(waitUntil([&] { return caller.said("Call established"); }, 10000)) << caller.output().toStdString();
    for (QChar k : QStringLiteral("12#")) {
        caller.press(k);
        ASSERT_TRUE(waitFor(QStringLiteral("KEY 1 %1").arg(k))) << told.join('\n').toStdString();
    }
    caller.hangUp();
    ASSERT_TRUE(waitFor("DISCONNECTED 1 BYE")) << told.join('\n').toStdString();
    EXPECT_EQ(told.filter("KEY").size(), 3) << told.join('\n').toStdString();
    EXPECT_EQ(told.filter("KEY 1 1 rfc4733").size(), 1);
}

} // namespace
