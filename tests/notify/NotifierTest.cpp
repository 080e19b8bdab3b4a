#include "Notifier.h"

#include "Outbox.h"
#include "PasswordScrambler.h"
#include "ScriptedPrompt.h"
#include "Settings.h"
#include "SmtpServer.h"
#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>

#include <gtest/gtest.h>

namespace {

class RecordedStatus : public StatusSink {
public:
    void showStatus(const QString& text) override { texts << text; }
    QStringList texts;
};

// A dial-up object whose Connect gives a chosen number.
class ScriptedDial : public ComponentObject {
public:
    explicit ScriptedDial(int connectResult) : m_result(connectResult) {}
    int dispatchId(QStringView method) const override
    {
        if (method == u"Connect")
            return 3;
        return method == u"Disconnect" ? 4 : -1;
    }
    QVariant invoke(int id, const QVariantList& args) override
    {
        calls << (id == 3 ? QStringLiteral("Connect") : QStringLiteral("Disconnect"));
        if (id == 3)
            connectArgs = args;
        return id == 3 ? m_result : 0;
    }
    QStringList calls;
    QVariantList connectArgs;

private:
    int m_result;
};

const QString kDialFailed =
    QStringLiteral("ダイヤルアップ接続でメールサーバーに接続しようとしたときにエラーが発生しました。"
                   "ダイヤルアップ接続の設定を確認してください。\r\n");

// A data folder with the mail settings of a working installation and one message.
class NoticeHome {
public:
    explicit NoticeHome(int port)
    {
        QDir(m_home.path()).mkdir(QStringLiteral("Messages"));
        message = addMessage(QStringLiteral("2026-12-10 10-20-30,0312345678.wav"));
        WriteSetting(u"AnsweringMachine", u"MailReport", u"1");
        WriteSetting(u"AnsweringMachine", u"AttachWav", u"1");
        WriteSetting(u"AnsweringMachine", u"UseDialUp", u"0");
        WriteSetting(u"AnsweringMachine", u"MailAddr", u"owner@example.jp, second@example.jp");
        WriteSetting(u"AnsweringMachine", u"SMTPServer", u"127.0.0.1");
        WriteSetting(u"AnsweringMachine", u"SenderAddr", u"am@example.jp");
        WriteSetting(u"AnsweringMachine", u"RASEntry", u"provider");
        WriteSetting(u"AnsweringMachine", u"UserName", u"dialer");
        WriteSetting(u"AnsweringMachine", u"RASPass", *EncodePassword(QStringLiteral("abc")));
        WriteSetting(u"Mail", u"Port", QString::number(port));
        WriteSetting(u"Mail", u"Timeout", u"5");
    }
    QString addMessage(const QString& name)
    {
        QFile f(m_home.file(QStringLiteral("Messages/") + name));
        f.open(QIODevice::WriteOnly);
        wav = QByteArray("RIFF....WAVEfmt ") + name.toUtf8().repeated(50);
        f.write(wav);
        return f.fileName();
    }
    QString message;
    QByteArray wav;

private:
    TempHome m_home;
};

} // namespace

TEST(Notifier, MailsTheMessageWithItsRecording)
{
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    NoticeHome home(server.port());
    ScriptedPrompt prompts;
    RecordedStatus status;
    auto dial = std::make_shared<ScriptedDial>(0);
    Notifier(status, dial).SendNotice(home.message);

    const QList<QJsonObject> got = server.messages();
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0]["subject"].toString(), QStringLiteral("留守番電話着信通知"));
    EXPECT_EQ(got[0]["body"].toString(),
              QStringLiteral("留守番電話にメッセージが入りました。\r\nファイル名：2026-12-10 10-20-30,0312345678"));
    EXPECT_EQ(got[0]["rcpt_tos"].toArray().size(), 2);
    EXPECT_EQ(got[0]["content_type"].toString(), QStringLiteral("audio/wav"));
    EXPECT_EQ(server.attachment(0), home.wav);
    EXPECT_TRUE(status.texts.isEmpty()) << "without dial-up no step is shown";
    EXPECT_TRUE(dial->calls.isEmpty());
    EXPECT_TRUE(prompts.errorWindows().isEmpty());
}

TEST(Notifier, SettingsThatSendLessOrNothing)
{
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    NoticeHome home(server.port());
    ScriptedPrompt prompts;
    RecordedStatus status;
    auto dial = std::make_shared<ScriptedDial>(0);
    Notifier notifier(status, dial);
    for (const char16_t* off : {u"0", u"", u" 0"}) {
        WriteSetting(u"AnsweringMachine", u"MailReport", off);
        notifier.SendNotice(home.message);
    }
    EXPECT_TRUE(server.messages().isEmpty());
    EXPECT_TRUE(status.texts.isEmpty());
    WriteSetting(u"AnsweringMachine", u"MailReport", u"1");
    WriteSetting(u"AnsweringMachine", u"AttachWav", u"0");
    notifier.SendNotice(home.message);
    ASSERT_EQ(server.messages().size(), 1);
    EXPECT_EQ(server.messages()[0]["attachments"].toInt(), 0);
    EXPECT_TRUE(dial->calls.isEmpty());
}

TEST(Notifier, DialsFirstWhenSet)
{
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    const struct {
        int connect;
        QStringList status;
        QStringList calls;
        bool mailed;
        QString errorWindow;
    } cases[] = {
        {0,
         {QStringLiteral("ダイヤル中"), QStringLiteral("ダイヤルアップ接続でメール送信中"),
          QStringLiteral("ダイヤルアップ切断中")},
         {QStringLiteral("Connect"), QStringLiteral("Disconnect")},
         true,
         {}},
        {-1,
         {QStringLiteral("ダイヤル中"), QStringLiteral("ダイヤルアップ接続エラー"),
          QStringLiteral("ダイヤルアップ切断中")},
         {QStringLiteral("Connect"), QStringLiteral("Disconnect")},
         true,
         {}},
        {678,
         {QStringLiteral("ダイヤル中"), QStringLiteral("エラー : 応答がありません")},
         {QStringLiteral("Connect")},
         false,
         kDialFailed + QStringLiteral("応答がありません")},
        {-2,
         {QStringLiteral("ダイヤル中"), QStringLiteral("エラー : 不明なエラーが発生しました")},
         {QStringLiteral("Connect")},
         false,
         kDialFailed + QStringLiteral("不明なエラーが発生しました")},
    };
    for (const auto& c : cases) {
        NoticeHome home(server.port());
        WriteSetting(u"AnsweringMachine", u"UseDialUp", u"1");
        ScriptedPrompt prompts;
        RecordedStatus status;
        auto dial = std::make_shared<ScriptedDial>(c.connect);
        QList<int> pauses;
        Notifier notifier(status, dial);
        notifier.setPause([&](int ms) { pauses << ms; });
        const qsizetype before = server.messages().size();
        notifier.SendNotice(home.message);

        EXPECT_EQ(status.texts, c.status) << c.connect;
        EXPECT_EQ(dial->calls, c.calls) << c.connect;
        EXPECT_EQ(dial->connectArgs,
                  QVariantList({QStringLiteral("provider"), QStringLiteral("dialer"), QStringLiteral("abc"), 1}));
        EXPECT_EQ(server.messages().size(), before + (c.mailed ? 1 : 0)) << c.connect;
        EXPECT_EQ(pauses, c.errorWindow.isEmpty() ? QList<int>() : QList<int>{3000}) << c.connect;
        EXPECT_EQ(prompts.errorWindows(), c.errorWindow.isEmpty() ? QStringList() : QStringList{c.errorWindow});
    }
}

TEST(Notifier, WithoutADialUpObjectTheMailStillGoes)
{
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    NoticeHome home(server.port());
    WriteSetting(u"AnsweringMachine", u"UseDialUp", u"1");
    ScriptedPrompt prompts;
    RecordedStatus status;
    Notifier(status, nullptr).SendNotice(home.message);
    EXPECT_EQ(status.texts, QStringList({QStringLiteral("ダイヤル中"), QStringLiteral("ダイヤルアップ接続エラー"),
                                         QStringLiteral("ダイヤルアップ切断中")}));
    EXPECT_EQ(server.messages().size(), 1);
}

TEST(Notifier, AFailedMailIsShownKeptAndSentLater)
{
    NoticeHome home(SmtpServer::closedPort());
    ScriptedPrompt prompts;
    RecordedStatus status;
    Notifier notifier(status, nullptr);
    notifier.SendNotice(home.message);
    ASSERT_EQ(prompts.errorWindows().size(), 1);
    EXPECT_TRUE(prompts.errorWindows()[0].startsWith(QStringLiteral("メールの送信中にエラーが発生しました。 \r\n")));
    EXPECT_TRUE(prompts.errorWindows()[0].contains(u"接続できません")) << prompts.errorWindows()[0].toStdString();
    ASSERT_EQ(Outbox::entries().size(), 1);
    EXPECT_EQ(Outbox::entries()[0].path, home.message);

    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    WriteSetting(u"Mail", u"Port", QString::number(server.port()));
    const QString next = home.addMessage(QStringLiteral("2026-12-10 11-00-00,0399999999.wav"));
    notifier.SendNotice(next);
    const QList<QJsonObject> got = server.messages();
    ASSERT_EQ(got.size(), 2);
    EXPECT_TRUE(got[0]["body"].toString().endsWith(u"0399999999"));
    EXPECT_TRUE(got[1]["body"].toString().endsWith(u"0312345678")) << "the kept notice follows the new one";
    EXPECT_TRUE(Outbox::entries().isEmpty());
    EXPECT_EQ(prompts.errorWindows().size(), 1);
}

TEST(Notifier, KeptNoticesAreRetriedAtStartUp)
{
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    NoticeHome home(server.port());
    const QString deleted = home.addMessage(QStringLiteral("gone.wav"));
    QFile::remove(deleted);
    Outbox::add(deleted, QDateTime::currentDateTime());
    Outbox::add(home.message, QDateTime::currentDateTime());
    ScriptedPrompt prompts;
    RecordedStatus status;
    Notifier notifier(status, nullptr);
    WriteSetting(u"Mail", u"Retry", u"0");
    notifier.retryOutbox();
    EXPECT_TRUE(server.messages().isEmpty()) << "retrying is off";
    WriteSetting(u"Mail", u"Retry", u"1");
    notifier.retryOutbox();
    ASSERT_EQ(server.messages().size(), 1);
    EXPECT_EQ(server.attachment(0).size(), QFile(home.message).size());
    EXPECT_TRUE(Outbox::entries().isEmpty()) << "a message deleted meanwhile is dropped";
}

TEST(Notifier, NothingIsKeptWhenRetryIsOff)
{
    NoticeHome home(SmtpServer::closedPort());
    WriteSetting(u"Mail", u"Retry", u"0");
    ScriptedPrompt prompts;
    RecordedStatus status;
    Notifier(status, nullptr).SendNotice(home.message);
    EXPECT_EQ(prompts.errorWindows().size(), 1);
    EXPECT_TRUE(Outbox::entries().isEmpty());
}
