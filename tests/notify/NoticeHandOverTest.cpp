#include "NoticeHandOver.h"

#include "DataFolder.h"
#include "MainWindowLink.h"
#include "ScriptedPrompt.h"
#include "Settings.h"
#include "SimLine.h"
#include "SmtpServer.h"
#include "TempHome.h"
#include "TestWav.h"
#include "WaitUntil.h"
#include "frmTapi.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// The main window as the engine and the mail see it: texts are kept, the option buttons switch the line.
struct RecordingWindow : MainWindowLink {
    frmTapi* engine = nullptr;
    QStringList texts;
    void setStatusText(const QString& text) override { texts << text; }
    void selectMediaMode(int index) override { index == 0 ? engine->Tapi_On() : engine->Tapi_Off(); }
    void refreshMessages() override {}
};

} // namespace

TEST(NoticeHandOver, AMessageLeftOnTheVirtualLineArrivesByMail)
{
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    TempHome home;
    ScriptedPrompt prompts;
    WriteSetting(u"Tapi", u"Card", u"Talvero Virtual Line");
    WriteSetting(u"Tapi", u"NumRings", u"2");
    WriteSetting(u"AnsweringMachine", u"MaxMessage", u"1");
    WriteSetting(u"Feature", u"AnsweringMachine", u"1");
    writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 0.2);
    WriteSetting(u"AnsweringMachine", u"MailReport", u"1");
    WriteSetting(u"AnsweringMachine", u"AttachWav", u"1");
    WriteSetting(u"AnsweringMachine", u"MailAddr", u"owner@example.jp");
    WriteSetting(u"AnsweringMachine", u"SMTPServer", u"127.0.0.1");
    WriteSetting(u"AnsweringMachine", u"SenderAddr", u"am@example.jp");
    WriteSetting(u"Mail", u"Port", QString::number(server.port()));

    SimLineOptions options;
    options.ringMilliseconds = 100;
    SimLine* line = nullptr;
    frmTapi engine([&] {
        auto sim = std::make_unique<SimLine>(options);
        line = sim.get();
        return sim;
    });
    RecordingWindow window;
    window.engine = &engine;
    MainWindowLink::install(&window);
    NoticeHandOver handOver(nullptr);
    engine.setHandOver(&handOver);
    engine.InitTAPI();
    engine.Tapi_On();
    ASSERT_TRUE(line->ring(QStringLiteral("0123")).ok());
    const bool mailed = waitUntil([&] { return !server.messages().isEmpty(); }, 30000);
    MainWindowLink::install(nullptr);
    ASSERT_TRUE(mailed);

    const QStringList kept = QDir(DataFolder::path(u"\\Messages")).entryList({QStringLiteral("*.wav")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    QFile message(QDir(DataFolder::path(u"\\Messages")).filePath(kept.first()));
    ASSERT_TRUE(message.open(QIODevice::ReadOnly));
    const QJsonObject m = server.messages().first();
    EXPECT_EQ(m["subject"].toString(), QStringLiteral("留守番電話着信通知"));
    EXPECT_EQ(m["body"].toString(),
              QStringLiteral("留守番電話にメッセージが入りました。\r\nファイル名：") + kept.first().chopped(4));
    EXPECT_EQ(m["filename"].toString(), kept.first());
    EXPECT_EQ(server.attachment(0), message.readAll());
    EXPECT_TRUE(prompts.errorWindows().isEmpty());
}
