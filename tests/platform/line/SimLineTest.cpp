#include "SimLine.h"

#include "LineAddress.h"
#include "LineCall.h"
#include "TestWav.h"
#include "WaitUntil.h"
#include "WavFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct SimLineTest : ::testing::Test {
    SimLineTest()
    {
        options.ringMilliseconds = 50;
        line = std::make_unique<SimLine>(options);
        QObject::connect(line.get(), &Line::event, [this](const LineEvent& e) { events.append(e); });
        QObject::connect(line.get(), &SimLine::monitor, [this](const QString& m) { monitor.append(m); });
        line->initialize();
        line->setEventFilter(kAllLineEvents);
    }
    quint32 registerOwner()
    {
        return line->registerCallNotifications(line->addresses().first(), false, true, TAPIMEDIATYPE_AUDIO, 1);
    }
    QList<TapiEvent> kinds() const
    {
        QList<TapiEvent> k;
        for (const LineEvent& e : events)
            k.append(e.kind);
        return k;
    }

    SimLineOptions options;
    std::unique_ptr<SimLine> line;
    QList<LineEvent> events;
    QStringList monitor;
};

} // namespace

TEST_F(SimLineTest, OneUsableAddressWithWaveDevicesOfItsLegacyId)
{
    ASSERT_EQ(line->addresses().size(), 1);
    LineAddress* a = line->addresses().first();
    EXPECT_EQ(a->addressName(), "Talvero Virtual Line");
    EXPECT_TRUE(a->mediaTypes() & TAPIMEDIATYPE_AUDIO);
    EXPECT_TRUE(a->hasTerminalSupport());
    const LegacyDeviceId in = line->legacyDeviceId(0, "wave/in");
    ASSERT_EQ(in.outcome, LegacyDeviceId::Found);
    EXPECT_EQ(line->audio().captureDevices().first().description, QStringLiteral("WaveIn %1").arg(in.id));
    EXPECT_EQ(line->audio().playbackDevices().first().description, QStringLiteral("WaveOut %1").arg(in.id));
    EXPECT_EQ(line->legacyDeviceId(1, "wave/in").outcome, LegacyDeviceId::OpenFailed);
}

TEST_F(SimLineTest, ARingOffersTheCallWithCallerIdAndRingsUntilAnswered)
{
    ASSERT_NE(registerOwner(), 0u);
    ASSERT_TRUE(line->ring("0123", "山田").ok());
    ASSERT_TRUE(waitUntil([&] { return events.size() >= 5; }));
    EXPECT_EQ(kinds().mid(0, 5),
              (QList<TapiEvent>{TE_CALLNOTIFICATION, TE_CALLSTATE, TE_CALLINFOCHANGE, TE_ADDRESS, TE_ADDRESS}));
    const std::shared_ptr<LineCall> call = events.first().call;
    EXPECT_EQ(call->state(), CS_OFFERING);
    EXPECT_EQ(call->callerIdNumber(), std::optional<QString>("0123"));
    EXPECT_EQ(call->callerIdName(), std::optional<QString>("山田"));
    EXPECT_EQ(events.at(3).addressEvent, AE_RINGING);
    ASSERT_TRUE(call->answer().ok());
    EXPECT_EQ(call->state(), CS_CONNECTED);
    EXPECT_TRUE(monitor.contains("ANSWERED 1"));
    const int rings = int(monitor.filter("RINGING").size());
    waitUntil([] { return false; }, 150);
    EXPECT_EQ(monitor.filter("RINGING").size(), rings) << "an answered call rings no more";
}

TEST_F(SimLineTest, WithoutCallerIdTheQueriesFail)
{
    registerOwner();
    line->ring("-");
    ASSERT_TRUE(waitUntil([&] { return !events.isEmpty(); }));
    EXPECT_FALSE(events.first().call->callerIdNumber().has_value());
    EXPECT_FALSE(kinds().contains(TE_CALLINFOCHANGE));
}

TEST_F(SimLineTest, NothingIsDeliveredWithoutRegistrationOrOutsideTheFilter)
{
    const quint32 cookie = registerOwner();
    line->unregisterNotifications(cookie);
    line->ring("1");
    waitUntil([] { return false; }, 100);
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(monitor.filter("RINGING").isEmpty()) << "the line still rings";
    line->hangUp();
    registerOwner();
    line->setEventFilter(TE_CALLSTATE);
    line->ring("2");
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(kinds(), QList<TapiEvent>{TE_CALLSTATE});
}

TEST_F(SimLineTest, KeysAreEventsOnlyWhileDetectionIsOn)
{
    registerOwner();
    line->ring("1");
    ASSERT_TRUE(waitUntil([&] { return !events.isEmpty(); }));
    const std::shared_ptr<LineCall> call = events.first().call;
    call->answer();
    events.clear();
    ASSERT_TRUE(line->pressKeys("12").ok());
    call->detectDigits(LINEDIGITMODE_DTMF);
    ASSERT_TRUE(line->pressKeys("3*#").ok());
    EXPECT_FALSE(line->pressKeys("A").ok());
    QString digits;
    for (const LineEvent& e : events) {
        if (e.kind == TE_DIGITEVENT)
            digits += QChar(e.digit);
    }
    EXPECT_EQ(digits, "3*#");
    EXPECT_TRUE(monitor.contains("DETECT 1 ON"));
}

TEST_F(SimLineTest, DisconnectReasonsAreTold)
{
    registerOwner();
    line->ring("1");
    line->ring("2");
    ASSERT_TRUE(waitUntil([&] { return events.size() >= 4; }));
    std::shared_ptr<LineCall> second;
    for (const LineEvent& e : events) {
        if (e.kind == TE_CALLNOTIFICATION && e.call->id() == 2)
            second = e.call;
    }
    ASSERT_TRUE(second);
    second->disconnect(DC_REJECTED);
    ASSERT_TRUE(line->hangUp().ok()); // the newest live call is the first one
    EXPECT_TRUE(monitor.contains("DISCONNECTED 2 REJECTED"));
    EXPECT_TRUE(monitor.contains("DISCONNECTED 1 HANGUP"));
    EXPECT_FALSE(line->hangUp().ok());
    EXPECT_TRUE(line->addresses().first()->calls().isEmpty());
}

TEST_F(SimLineTest, WhatTheMachinePlaysIsWrittenForTheListener)
{
    QTemporaryDir dir;
    writeToneWav(dir.filePath("voice.wav"), 0.2, 22050);
    EXPECT_FALSE(line->say(dir.filePath("missing.wav")).ok());
    ASSERT_TRUE(line->say(dir.filePath("voice.wav")).ok());
    ASSERT_TRUE(line->listen(dir.filePath("heard.wav")).ok());

    Result<std::unique_ptr<LinePlayback>> out = line->audio().openPlayback({});
    ASSERT_TRUE(out.ok());
    out.value()->load(QByteArray(800, '\7'), "hello.wav");
    out.value()->play();
    ASSERT_TRUE(waitUntil([&] { return !out.value()->isPlaying(); }));
    const Result<PcmSound> heard = WavFile::read(dir.filePath("heard.wav"));
    ASSERT_TRUE(heard.ok());
    EXPECT_EQ(heard->bytes, QByteArray(800, '\7'));
    EXPECT_TRUE(monitor.contains("PLAYING hello.wav"));
}
