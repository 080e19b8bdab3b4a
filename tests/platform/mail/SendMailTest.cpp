#include "SendMail.h"

#include "PasswordScrambler.h"
#include "Settings.h"
#include "SmtpServer.h"
#include "TempHome.h"

#include <QFile>
#include <QJsonArray>
#include <QTcpServer>

#include <gtest/gtest.h>

namespace {

const QString kSubject = QStringLiteral("留守番電話着信通知");
const QString kBody =
    QStringLiteral("留守番電話にメッセージが入りました。\r\nファイル名：2026-12-10 10-20-30,0312345678");

QByteArray sampleWav()
{
    QByteArray wav("RIFF\x24\x10\0\0WAVEfmt ", 16);
    for (int i = 0; i < 4096; ++i)
        wav += static_cast<char>(i * 7);
    return wav;
}

QString writeFile(const TempHome& home, const QString& name, const QByteArray& data)
{
    QFile f(home.file(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
    return f.fileName();
}

void usePort(int port)
{
    WriteSetting(u"Mail", u"Port", QString::number(port));
}

} // namespace

TEST(SendMail, DeliversSubjectBodyAndRecording)
{
    TempHome home;
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    usePort(server.port());
    const QByteArray wav = sampleWav();
    const QString path = writeFile(home, QStringLiteral("2026-12-10 10-20-30,0312345678.wav"), wav);

    const QString result = SendMail(QStringLiteral("127.0.0.1"), QStringLiteral("a@example.jp\t b@example.jp"),
                                    QStringLiteral("am@example.jp"), kSubject, kBody, path);
    ASSERT_EQ(result, QString());
    const QList<QJsonObject> got = server.messages();
    ASSERT_EQ(got.size(), 1);
    const QJsonObject m = got.first();
    EXPECT_EQ(m["mail_from"].toString(), QStringLiteral("am@example.jp"));
    EXPECT_EQ(m["rcpt_tos"].toArray(), QJsonArray({QStringLiteral("a@example.jp"), QStringLiteral("b@example.jp")}));
    EXPECT_EQ(m["subject"].toString(), kSubject);
    EXPECT_EQ(m["body"].toString(), kBody);
    EXPECT_FALSE(m["date"].toString().isEmpty());
    EXPECT_TRUE(m["message_id"].toString().endsWith(u"@example.jp>"));
    EXPECT_EQ(m["attachments"].toInt(), 1);
    EXPECT_EQ(m["content_type"].toString(), QStringLiteral("audio/wav"));
    EXPECT_EQ(m["filename"].toString(), QStringLiteral("2026-12-10 10-20-30,0312345678.wav"));
    EXPECT_EQ(server.attachment(0), wav);
}

TEST(SendMail, JapaneseFileNameAndNoAttachment)
{
    TempHome home;
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    usePort(server.port());
    const QString path = writeFile(home, QStringLiteral("伝言.wav"), sampleWav());
    const QString to = QStringLiteral("owner@example.jp");
    const QString from = QStringLiteral("am@example.jp");
    ASSERT_EQ(SendMail(QStringLiteral("127.0.0.1"), to, from, kSubject, kBody, path), QString());
    ASSERT_EQ(SendMail(QStringLiteral("127.0.0.1"), to, from, kSubject, kBody, QString()), QString());
    const QList<QJsonObject> got = server.messages();
    ASSERT_EQ(got.size(), 2);
    EXPECT_EQ(got[0]["filename"].toString(), QStringLiteral("伝言.wav"));
    EXPECT_EQ(got[1]["attachments"].toInt(), 0);
    EXPECT_EQ(got[1]["body"].toString(), kBody);
}

TEST(SendMail, LogsInWhenAUserIsSet)
{
    TempHome home;
    SmtpServer server(QStringLiteral("owner"), QStringLiteral("pa ss"));
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    usePort(server.port());
    WriteSetting(u"Mail", u"User", u"owner");
    WriteSetting(u"Mail", u"Pass", *EncodePassword(QStringLiteral("pa ss")));
    EXPECT_EQ(SendMail(QStringLiteral("127.0.0.1"), QStringLiteral("a@example.jp"), QStringLiteral("am@example.jp"),
                       kSubject, kBody, QString()),
              QString());
    WriteSetting(u"Mail", u"Pass", *EncodePassword(QStringLiteral("wrong")));
    const QString failed = SendMail(QStringLiteral("127.0.0.1"), QStringLiteral("a@example.jp"),
                                    QStringLiteral("am@example.jp"), kSubject, kBody, QString());
    EXPECT_TRUE(failed.contains(u"ログインに失敗しました")) << failed.toStdString();
    EXPECT_EQ(server.messages().size(), 1);
}

TEST(SendMail, FailuresComeBackAsReadableTexts)
{
    TempHome home;
    SmtpServer server;
    ASSERT_TRUE(server.running()) << server.startError().toStdString();
    QTcpServer silent; // accepts connections and never greets
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    const QString wav = writeFile(home, QStringLiteral("m.wav"), sampleWav());

    const struct {
        const char* what;
        QString server;
        int port;
        QString recipients;
        QString subject;
        QString attachment;
        const char16_t* expected;
    } cases[] = {
        {"refused",
         QStringLiteral("127.0.0.1"),
         SmtpServer::closedPort(),
         QStringLiteral("a@example.jp"),
         kSubject,
         {},
         u"接続できません"},
        {"unknown host",
         QStringLiteral("no-such-host.invalid"),
         25,
         QStringLiteral("a@example.jp"),
         kSubject,
         {},
         u"見つかりません"},
        {"recipient", QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("a@example.jp\treject@example.jp"),
         kSubject, wav, u"宛先を拒否されました"},
        {"time-out",
         QStringLiteral("127.0.0.1"),
         silent.serverPort(),
         QStringLiteral("a@example.jp"),
         kSubject,
         {},
         u"タイムアウト"},
        {"missing file", QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("a@example.jp"), kSubject,
         home.file(QStringLiteral("gone.wav")), u"添付ファイルを読めません"},
        {"injection",
         QStringLiteral("127.0.0.1"),
         server.port(),
         QStringLiteral("a@example.jp"),
         QStringLiteral("件名\r\nBcc: x@evil.example"),
         {},
         u"改行"},
        {"no server", QString(), 25, QStringLiteral("a@example.jp"), kSubject, {}, u"設定されていません"},
        {"odd server",
         QStringLiteral("evil/path?x"),
         25,
         QStringLiteral("a@example.jp"),
         kSubject,
         {},
         u"正しくありません"},
    };
    WriteSetting(u"Mail", u"Timeout", u"2");
    for (const auto& c : cases) {
        usePort(c.port);
        const QString result =
            SendMail(c.server, c.recipients, QStringLiteral("am@example.jp"), c.subject, kBody, c.attachment);
        EXPECT_TRUE(result.contains(QString::fromUtf16(c.expected))) << c.what << ": " << result.toStdString();
    }
    EXPECT_TRUE(server.messages().isEmpty()) << "nothing half-sent reaches the server";
}
