#include "TestPhoneWindow.h"

#include "LineCall.h"
#include "SimLine.h"
#include "SimLineSocket.h"
#include "WaitUntil.h"

#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TestPhoneWindowTest, RingsKeysAndHangsUpThroughTheLinesDoor)
{
    QTemporaryDir dir;
    SimLine line;
    line.initialize();
    line.setEventFilter(kAllLineEvents);
    line.registerCallNotifications(line.addresses().first(), false, true, TAPIMEDIATYPE_AUDIO, 1);
    QStringList told;
    QObject::connect(&line, &SimLine::monitor, [&](const QString& m) { told << m; });
    QList<LineEvent> events;
    QObject::connect(&line, &Line::event, [&](const LineEvent& e) { events << e; });
    ASSERT_TRUE(line.openDoor(SimLineSocket::name(dir.path())).ok());

    TestPhoneWindow phone(SimLineSocket::name(dir.path()));
    phone.findChild<QPushButton*>("cmdCall")->click();
    ASSERT_TRUE(waitUntil([&] { return !events.isEmpty(); }));
    const std::shared_ptr<LineCall> call = events.first().call;
    EXPECT_EQ(call->callerIdNumber(), std::optional<QString>("0123456789"));
    call->answer();
    call->detectDigits(LINEDIGITMODE_DTMF);
    phone.findChild<QPushButton*>("cmdKey5")->click();
    ASSERT_TRUE(waitUntil([&] { return events.last().kind == TE_DIGITEVENT; }));
    EXPECT_EQ(events.last().digit, int('5'));
    line.showStatus("メッセージ録音中");
    ASSERT_TRUE(waitUntil([&] { return phone.statusText() == "メッセージ録音中"; }));
    phone.findChild<QPushButton*>("cmdHangUp")->click();
    ASSERT_TRUE(waitUntil([&] { return told.contains("DISCONNECTED 1 HANGUP"); }));
}
