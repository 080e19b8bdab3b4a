// Talvero started offscreen on a data folder with the virtual line, driven only by talvero-phone.
#include "TestWav.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

// The built programs: TALVERO_BIN_DIR, else bin/ beside the tests' folder of the build tree.
QString program(const char* name)
{
    QString dir = qEnvironmentVariable("TALVERO_BIN_DIR");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin");
    return QDir(dir).filePath(QString::fromLatin1(name));
}

QProcessEnvironment programEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    return env;
}

struct Phone {
    int exitCode = -1;
    QString out;
};

class TalveroPhoneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile ini(home.filePath("setting.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[Tapi]\nCard=Talvero Virtual Line\nNumRings=2\n"
                  "[Startup]\nAuto=1\n"
                  "[AnsweringMachine]\nMaxMessage=3\n"
                  "[Feature]\nAnsweringMachine=1\n"
                  "[TTS]\nInstall=1\n"
                  "[Sim]\nRingSeconds=0.5\n");
        ini.close();
        writeToneWav(home.filePath("Ans/Reception0.wav"), 1.5, 22050);
        writeToneWav(home.filePath("Ans/Reception1.wav"), 0.5);

        talvero.setProcessEnvironment(programEnvironment());
        talvero.setProcessChannelMode(QProcess::ForwardedChannels);
        talvero.start(program("Talvero"), {"--home", home.path()});
        ASSERT_TRUE(talvero.waitForStarted());
        // Ready once the line answers the door and is switched on.
        for (int i = 0; i < 300 && !phone({"status"}).out.contains("待機中"); ++i)
            QThread::msleep(100);
        ASSERT_TRUE(phone({"status"}).out.contains("待機中")) << "Talvero never switched its line on";
    }

    void TearDown() override
    {
        talvero.terminate();
        if (!talvero.waitForFinished(5000))
            talvero.kill();
        talvero.waitForFinished();
    }

    Phone phone(const QStringList& args)
    {
        QProcess p;
        p.setProcessEnvironment(programEnvironment());
        p.start(program("talvero-phone"), QStringList{"--home", home.path()} + args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()).trimmed()};
    }

    void expectEvent(const QStringList& words, const QString& expected = {})
    {
        const Phone got = phone(QStringList{"wait"} + words + QStringList{"--timeout", "20"});
        EXPECT_EQ(got.exitCode, 0) << "no " << words.join(' ').toStdString();
        if (!expected.isEmpty()) {
            EXPECT_EQ(got.out, expected);
        }
    }

    QStringList messages() const { return QDir(home.filePath("Messages")).entryList({"*.wav"}, QDir::Files); }

    QTemporaryDir home;
    QProcess talvero;
};

} // namespace

TEST_F(TalveroPhoneTest, ACallIsAnsweredGreetedRecordedAndLoggedAndASecondCallRejected)
{
    QProcess events;
    events.setProcessEnvironment(programEnvironment());
    events.start(program("talvero-phone"), {"--home", home.path(), "events", "--timeout", "30"});
    ASSERT_TRUE(events.waitForStarted());
    ASSERT_EQ(phone({"listen", home.filePath("heard.wav")}).exitCode, 0);

    EXPECT_EQ(phone({"ring", "0123", "山田"}).out, "CALL 1");
    expectEvent({"RINGING", "1", "2"});
    expectEvent({"ANSWERED"}, "ANSWERED 1");
    expectEvent({"PLAYED", "Reception0.wav"});
    expectEvent({"PLAYED", "Reception1.wav"});
    expectEvent({"TONE"}, "TONE 1 *");
    expectEvent({"CAPTURING"});
    EXPECT_EQ(phone({"status"}).out, "CONNECTED メッセージ録音中");
    EXPECT_EQ(phone({"ring", "0456"}).out, "CALL 2");
    expectEvent({"DISCONNECTED", "2"}, "DISCONNECTED 2 REJECTED");
    expectEvent({"DISCONNECTED", "1"}, "DISCONNECTED 1 NORMAL");
    expectEvent({"TEXT", "切断されました"});

    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().endsWith(",0123.wav"));
    QFile message(QDir(home.filePath("Messages")).filePath(messages().first()));
    ASSERT_TRUE(message.open(QIODevice::ReadOnly));
    const QByteArray bytes = message.readAll();
    ASSERT_EQ(bytes.size(), 44 + 3 * 16000) << "three seconds of 8 kHz 16-bit sound";
    EXPECT_EQ(bytes.left(44), WavFile::header(WaveFormat::line(), 3 * 16000));
    EXPECT_EQ(bytes.mid(44), QByteArray(3 * 16000, '\0')) << "a silent caller";

    const Result<PcmSound> heard = WavFile::read(home.filePath("heard.wav"));
    ASSERT_TRUE(heard.ok());
    EXPECT_GE(heard->bytes.size(), 2 * 16000 - 1600) << "both greetings were heard";

    QFile log(home.filePath("Phone.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(log.readAll()).contains(" - 0123 から着信しました\n"));

    events.terminate();
    events.waitForFinished();
    QStringList texts;
    for (const QString& line : QString::fromUtf8(events.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("TEXT ") && (texts.isEmpty() || texts.last() != line.mid(5)))
            texts << line.mid(5);
    }
    const QStringList steps{"着信中", "メッセージ再生中", "メッセージ録音中", "切断されました"};
    qsizetype at = 0;
    for (const QString& text : texts) {
        if (at < steps.size() && text == steps.at(at))
            ++at;
    }
    EXPECT_EQ(at, steps.size()) << texts.join(" / ").toStdString();
}

TEST_F(TalveroPhoneTest, AHangUpDuringTheGreetingLeavesNoMessage)
{
    writeToneWav(home.filePath("Ans/Reception0.wav"), 6); // long enough to hang up in, however slow the machine
    EXPECT_EQ(phone({"ring", "0789"}).exitCode, 0);
    expectEvent({"PLAYING", "Reception0.wav"});
    EXPECT_EQ(phone({"hangup"}).exitCode, 0);
    expectEvent({"DISCONNECTED"}, "DISCONNECTED 1 HANGUP");
    expectEvent({"TEXT", "切断されました"});
    EXPECT_EQ(phone({"status"}).out, "IDLE 切断されました");
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(phone({"wait", "CAPTURING", "--timeout", "1"}).exitCode, 1) << "no recording started";
}

TEST_F(TalveroPhoneTest, TheToolExplainsWhatGoesWrong)
{
    EXPECT_EQ(phone({"hangup"}).exitCode, 1);
    EXPECT_EQ(phone({"dance"}).exitCode, 1);
    EXPECT_EQ(phone({}).exitCode, 2);
    QTemporaryDir elsewhere;
    QProcess p;
    p.setProcessEnvironment(programEnvironment());
    p.start(program("talvero-phone"), {"--home", elsewhere.path(), "status"});
    p.waitForFinished();
    EXPECT_EQ(p.exitCode(), 2);
}

// The SIP account's password is stored scrambled without a running Talvero; one that cannot be
// stored is refused and writes nothing.
TEST(TalveroPhoneSipPassword, StoresThePasswordScrambledOrRefusesIt)
{
    QTemporaryDir home;
    const auto run = [&](const QString& password) {
        QProcess p;
        p.setProcessEnvironment(programEnvironment());
        p.start(program("talvero-phone"), {"--home", home.path(), "sip-password", password});
        EXPECT_TRUE(p.waitForFinished(30000));
        return p.exitCode();
    };
    const auto stored = [&] {
        QFile ini(home.filePath("setting.ini"));
        return ini.open(QIODevice::ReadOnly) ? QString::fromUtf8(ini.readAll()) : QString();
    };
    EXPECT_EQ(run(QStringLiteral("abc")), 0);
    EXPECT_TRUE(stored().contains("[SIP]")) << stored().toStdString();
    EXPECT_TRUE(stored().contains("Password=0066006C0072")) << stored().toStdString();
    EXPECT_EQ(run(QStringLiteral("漢字")), 1);
    EXPECT_TRUE(stored().contains("Password=0066006C0072")) << stored().toStdString();
}
