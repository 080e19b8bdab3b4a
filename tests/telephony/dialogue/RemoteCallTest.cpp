#include "CatalogueStore.h"
#include "DataFolder.h"
#include "LearnedSignal.h"
#include "RemoteSetup.h"
#include "Settings.h"
#include "TempHome.h"
#include "TestWav.h"
#include "VirtualAppliance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// Talvero started offscreen on the virtual line and the virtual IR module, called only through
// talvero-phone. The data folder holds both passwords ("1234" plays the messages, "99" opens remote
// operation), short prompts and one learned signal, 1-05.
class RemoteCallTest : public ::testing::Test {
protected:
    RemoteCallTest()
    {
        WriteSetting(u"Tapi", u"Card", u"Talvero Virtual Line");
        WriteSetting(u"Tapi", u"NumRings", u"1");
        WriteSetting(u"Sim", u"RingSeconds", u"0.2");
        WriteSetting(u"Startup", u"Auto", u"1");
        WriteSetting(u"TTS", u"Install", u"1");
        WriteSetting(u"AnsweringMachine", u"MaxMessage", u"2");
        writeRemoteSettings();
        WriteSetting(u"PPort", u"Addr", u"378");
        writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 6);
        writeToneWav(DataFolder::path(u"\\Ans\\Reception1.wav"), 0.1);
        writeShortPrompts(0.1);
        writeToneWav(DataFolder::path(u"\\Ans\\105.wav"), 0.1);
        const QString learned = home.file("learned.rmt");
        writeLearnedSignal(learned, kLearned);
        const auto added = CatalogueStore::addSignalFromFile({"1", "テレビ", "05", "電源"}, learned);
        EXPECT_TRUE(added.ok()) << added.error().toStdString();

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("TALVERO_HOME", home.path());
        env.insert("TALVERO_PORT", "sim");
        env.insert("TALVERO_PORT_TRACE", trace);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        talvero.setProcessEnvironment(env);
        talvero.start(bin("Talvero"), {});
        EXPECT_TRUE(talvero.waitForStarted());
    }

    ~RemoteCallTest() override
    {
        talvero.terminate();
        if (!talvero.waitForFinished(10'000))
            talvero.kill();
        talvero.waitForFinished();
    }

    static QString bin(const QString& name) { return qEnvironmentVariable("TALVERO_BIN_DIR") + u'/' + name; }

    // talvero-phone with the arguments; its output, or a null string when it failed.
    QString phone(const QStringList& args)
    {
        QProcess p;
        p.start(bin("talvero-phone"), QStringList{"--home", home.path()} + args);
        p.waitForFinished(40'000);
        const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        return p.exitCode() == 0 ? (out.isNull() ? QString("") : out) : QString();
    }
    bool waitFor(const QStringList& event)
    {
        return !phone(QStringList{"wait"} + event + QStringList{"--timeout", "30"}).isNull();
    }

    void call()
    {
        // Talvero may still be starting, or doing the work after the last call: the machine answers
        // once its line is on and waiting.
        for (int attempt = 0; attempt < 300 && !phone({"status"}).endsWith(QStringLiteral("待機中")); ++attempt)
            QThread::msleep(100);
        ASSERT_FALSE(phone({"ring", "0123"}).isNull());
        ASSERT_TRUE(waitFor({"ANSWERED"}));
    }

    QString callLog() const
    {
        QFile log(DataFolder::path(u"\\Phone.log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    TempHome home;
    const QString trace = home.file("port.trace");
    QProcess talvero;
};

TEST_F(RemoteCallTest, TheCallerOperatesTheApplianceAndHearsTheMessages)
{
    // Remote operation: device 1, button 05; the appliance sees the frame after the hang-up.
    call();
    ASSERT_FALSE(phone({"digits", "99"}).isNull());
    ASSERT_TRUE(waitFor({"PLAYED", "sys03.wav"}));
    ASSERT_FALSE(phone({"digits", "1"}).isNull());
    QThread::msleep(200);
    ASSERT_FALSE(phone({"digits", "05"}).isNull());
    ASSERT_TRUE(waitFor({"PLAYED", "sys07.wav"}));
    // An unknown pair is refused.
    ASSERT_FALSE(phone({"digits", "2"}).isNull());
    QThread::msleep(200);
    ASSERT_FALSE(phone({"digits", "06"}).isNull());
    ASSERT_TRUE(waitFor({"PLAYED", "sys05.wav"}));
    ASSERT_FALSE(phone({"hangup"}).isNull());
    for (int wait = 0; wait < 300 && !callLog().contains("を操作しました"); ++wait)
        QThread::msleep(100);
    EXPECT_TRUE(callLog().contains(" - 機器番号:1 リモコンボタン番号:05　を操作しました"));
    const auto frames = VirtualAppliance::decodeTrace(trace);
    ASSERT_TRUE(frames.ok()) << frames.error().toStdString();
    ASSERT_EQ(frames->size(), 1u);
    EXPECT_EQ(frames->front().frame, kLearned);

    // Remote playback: the count, the menu, the message heard on LISTEN, then the machine hangs up.
    writeToneWav(DataFolder::path(u"\\Messages\\2003-05-07 19-05-12,0123.wav"), 0.5);
    call();
    const QString heard = home.file("heard.wav");
    ASSERT_FALSE(phone({"listen", heard}).isNull());
    ASSERT_FALSE(phone({"digits", "1234"}).isNull());
    ASSERT_TRUE(waitFor({"PLAYED", "sys02.wav"}));
    ASSERT_FALSE(phone({"digits", "1"}).isNull());
    ASSERT_TRUE(waitFor({"DISCONNECTED"}));
    EXPECT_GT(QFileInfo(heard).size(), 44 + 8000);
    EXPECT_TRUE(callLog().contains("留守番電話再生モードを実行しました"));

    // Three wrong passwords end the call.
    call();
    ASSERT_FALSE(phone({"digits", "5*6*7*"}).isNull());
    ASSERT_TRUE(waitFor({"DISCONNECTED"}));
    EXPECT_TRUE(callLog().contains("パスワードを3回間違えたため、通話を切断しました"));
}

} // namespace
