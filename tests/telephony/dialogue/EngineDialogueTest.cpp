#include "EngineDialogue.h"

#include "DataFolder.h"
#include "InMemoryCatalogue.h"
#include "LearnedSignal.h"
#include "Protocols.h"
#include "RemoteSetup.h"
#include "Settings.h"
#include "SimLine.h"
#include "TempHome.h"
#include "TestWav.h"
#include "VirtualModule.h"
#include "VirtualModuleTrace.h"
#include "WaitUntil.h"
#include "frmTapi.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// A data folder for the virtual line and the virtual IR module, with both passwords ("1234" plays
// the messages, "99" opens remote operation), short prompts, one learned signal (1-05 with its
// spoken label) and the engine with its dialogue on the line.
class EngineDialogueTest : public ::testing::Test {
protected:
    EngineDialogueTest() : m_savedPort(qgetenv("TALVERO_PORT"))
    {
        qputenv("TALVERO_PORT", "sim");
        const std::pair<const char16_t*, const char16_t*> settings[] = {{u"Card", u"Talvero Virtual Line"},
                                                                        {u"NumRings", u"1"}};
        for (const auto& [key, value] : settings)
            WriteSetting(u"Tapi", key, value);
        WriteSetting(u"AnsweringMachine", u"MaxMessage", u"1");
        writeRemoteSettings();
        WriteSetting(u"PPort", u"Addr", u"378");
        writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 5);
        writeShortPrompts(0.05);
        writeToneWav(DataFolder::path(u"\\Ans\\105.wav"), 0.05);
        const QString signal = DataFolder::path(u"\\Remote\\1-05");
        QDir().mkpath(DataFolder::path(u"\\Remote"));
        writeLearnedSignal(signal, kLearned);
        catalogue.load({{"1", "テレビ", "05", "電源", signal}});
        VirtualModule::instance().setTraceFile(trace);

        engine = std::make_unique<frmTapi>([this] {
            SimLineOptions options;
            options.ringMilliseconds = 100;
            auto sim = std::make_unique<SimLine>(options);
            line = sim.get();
            QObject::connect(line, &SimLine::monitor, [this](const QString& m) { told << m; });
            return sim;
        });
        dialogue = std::make_unique<EngineDialogue>(*engine, catalogue);
        engine->InitTAPI();
        engine->Tapi_On();
    }

    ~EngineDialogueTest() override
    {
        dialogue.reset();
        engine.reset();
        VirtualModule::instance().setTraceFile({});
        qputenv("TALVERO_PORT", m_savedPort);
    }

    void call()
    {
        ASSERT_TRUE(line->ring("0123").ok());
        ASSERT_TRUE(waitFor("ANSWERED"));
    }
    void press(const QString& keys) { ASSERT_TRUE(line->pressKeys(keys).ok()); }
    bool waitFor(const QString& what, int timeoutMs = 15000)
    {
        return waitUntil([&] { return saw(what); }, timeoutMs);
    }
    bool saw(const QString& prefix) const
    {
        return std::any_of(told.begin(), told.end(), [&](const QString& m) { return m.startsWith(prefix); });
    }
    QString callLog() const
    {
        QFile log(DataFolder::path(u"\\Phone.log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
    std::vector<SeenFrame> framesSent() const { return VirtualModuleTrace::framesIn(trace); }

    TempHome home;
    const QString trace = home.file("port.trace");
    InMemoryCatalogue catalogue;
    SimLine* line = nullptr;
    QStringList told;
    std::unique_ptr<frmTapi> engine;
    std::unique_ptr<EngineDialogue> dialogue;

private:
    QByteArray m_savedPort;
};

TEST_F(EngineDialogueTest, AChosenSignalIsSentAfterTheCallAndLogged)
{
    call();
    press("99");
    ASSERT_TRUE(waitFor("PLAYED sys03.wav"));
    press("105");
    ASSERT_TRUE(waitFor("PLAYED sys07.wav"));
    EXPECT_TRUE(saw("PLAYED 105.wav"));
    EXPECT_TRUE(framesSent().empty()); // nothing is sent during the call
    ASSERT_TRUE(line->hangUp().ok());
    ASSERT_TRUE(waitUntil([&] { return callLog().contains("を操作しました"); }));
    EXPECT_TRUE(callLog().contains(" - 機器番号:1 リモコンボタン番号:05　を操作しました"));
    const std::vector<SeenFrame> frames = framesSent();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].frame, kLearned);
    EXPECT_TRUE(engine->lineOn());
    EXPECT_FALSE(dialogue->hasOperations());
}

TEST_F(EngineDialogueTest, HashCancelsTheQueueSoNothingIsSent)
{
    call();
    press("99");
    ASSERT_TRUE(waitFor("PLAYED sys03.wav"));
    press("105");
    ASSERT_TRUE(waitFor("PLAYED sys07.wav"));
    press("#");
    ASSERT_TRUE(waitFor("PLAYED sys08.wav"));
    ASSERT_TRUE(line->hangUp().ok());
    ASSERT_TRUE(waitFor("DISCONNECTED"));
    EXPECT_FALSE(callLog().contains("を操作しました"));
    EXPECT_TRUE(framesSent().empty());
}

TEST_F(EngineDialogueTest, AnUnknownPairIsRefused)
{
    call();
    press("99");
    ASSERT_TRUE(waitFor("PLAYED sys03.wav"));
    press("206");
    ASSERT_TRUE(waitFor("PLAYED sys05.wav"));
    EXPECT_FALSE(dialogue->hasOperations());
    EXPECT_EQ(dialogue->dialogue().DialogueMode(), DtmfDialogue::DeviceDigit);
}

TEST_F(EngineDialogueTest, ThePlaybackPasswordPlaysTheMessagesAndTheEngineHangsUp)
{
    writeToneWav(DataFolder::path(u"\\Messages\\2003-05-07 19-05-12,0123.wav"), 0.05);
    writeToneWav(DataFolder::path(u"\\Messages\\2003-05-08 10-00-00,0456.wav"), 0.05);
    call();
    press("1234");
    ASSERT_TRUE(waitFor("PLAYED sys02.wav"));
    EXPECT_TRUE(saw("PLAYED 2.wav"));
    press("1");
    ASSERT_TRUE(waitFor("DISCONNECTED"));
    EXPECT_EQ(told.filter("TONE").size(), 2);
    EXPECT_TRUE(saw("PLAYED 2003-05-07 19-05-12,0123.wav"));
    EXPECT_TRUE(saw("PLAYED 2003-05-08 10-00-00,0456.wav"));
    EXPECT_TRUE(callLog().contains("留守番電話再生モードを実行しました"));
}

TEST_F(EngineDialogueTest, ThreeWrongPasswordsEndTheCall)
{
    call();
    press("5*6*");
    EXPECT_FALSE(saw("DISCONNECTED"));
    press("7*");
    ASSERT_TRUE(waitFor("DISCONNECTED"));
    EXPECT_TRUE(callLog().contains("パスワードを3回間違えたため、通話を切断しました"));
    EXPECT_TRUE(QDir(DataFolder::path(u"\\Messages")).isEmpty()); // no message was recorded
}

} // namespace
