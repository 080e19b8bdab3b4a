#include "MimeMessage.h"

#include <gtest/gtest.h>

namespace {

MailContent sample()
{
    return MailContent{QStringLiteral("am@example.jp"),
                       {QStringLiteral("owner@example.jp")},
                       QStringLiteral("留守番電話着信通知"),
                       QStringLiteral("本文"),
                       {},
                       {}};
}

const QDateTime kDate(QDate(2026, 12, 10), QTime(10, 0, 0), Qt::UTC);

} // namespace

TEST(MimeMessage, RecipientsAreSplitAtTabsAndTrimmed)
{
    EXPECT_EQ(splitRecipients(QStringLiteral("a@x.jp\t b@x.jp \t\t")),
              QStringList({QStringLiteral("a@x.jp"), QStringLiteral("b@x.jp")}));
    EXPECT_TRUE(splitRecipients(QStringLiteral(" \t ")).isEmpty());
}

TEST(MimeMessage, PlainMessageCarriesTheHeaderFields)
{
    const Result<QByteArray> m = composeMessage(sample(), kDate, "tok1");
    ASSERT_TRUE(m.ok()) << m.error().toStdString();
    const QByteArray text = *m;
    EXPECT_TRUE(text.startsWith("Date: Thu, 10 Dec 2026 10:00:00 +0000\r\n"));
    EXPECT_TRUE(text.contains("\r\nFrom: am@example.jp\r\nTo: owner@example.jp\r\n"));
    EXPECT_TRUE(text.contains("\r\nMessage-ID: <tok1@example.jp>\r\n"));
    EXPECT_TRUE(text.contains("\r\nContent-Type: text/plain; charset=UTF-8\r\n"));
    EXPECT_FALSE(text.contains("multipart"));
    EXPECT_TRUE(text.contains(QStringLiteral("本文").toUtf8().toBase64()));
}

TEST(MimeMessage, AttachmentIsAWavPart)
{
    MailContent mail = sample();
    mail.attachmentName = QStringLiteral("a,b.wav");
    mail.attachmentData = QByteArray("RIFF\0\0\0\0WAVE", 12);
    const Result<QByteArray> m = composeMessage(mail, kDate, "tok2");
    ASSERT_TRUE(m.ok());
    EXPECT_TRUE(m->contains("Content-Type: multipart/mixed; boundary=\"=_talvero_tok2\""));
    EXPECT_TRUE(m->contains("Content-Type: audio/wav; name=\"a,b.wav\"\r\n"));
    EXPECT_TRUE(m->contains("Content-Disposition: attachment; filename=\"a,b.wav\"\r\n"));
    EXPECT_TRUE(m->contains(mail.attachmentData.toBase64()));
    EXPECT_TRUE(m->endsWith("--=_talvero_tok2--\r\n"));
}

TEST(MimeMessage, HeaderInjectionAndMissingAddressesAreRefused)
{
    struct Case {
        const char* what;
        void (*change)(MailContent&);
    };
    const Case cases[] = {
        {"sender", [](MailContent& m) { m.sender = QStringLiteral("am@example.jp\r\nBcc: x@evil.example"); }},
        {"recipient", [](MailContent& m) { m.recipients << QStringLiteral("b@example.jp\nBcc: x@evil.example"); }},
        {"subject", [](MailContent& m) { m.subject = QStringLiteral("件名\r\nBcc: x@evil.example"); }},
        {"file name", [](MailContent& m) { m.attachmentName = QStringLiteral("a.wav\r\nX-Evil: 1"); }},
        {"no sender", [](MailContent& m) { m.sender.clear(); }},
        {"no recipient", [](MailContent& m) { m.recipients.clear(); }},
        {"non-ASCII address", [](MailContent& m) { m.recipients = {QStringLiteral("所有者@example.jp")}; }},
    };
    for (const Case& c : cases) {
        MailContent mail = sample();
        c.change(mail);
        const Result<QByteArray> m = composeMessage(mail, kDate, "tok3");
        EXPECT_FALSE(m.ok()) << c.what;
        EXPECT_FALSE(m.error().isEmpty()) << c.what;
    }
}
