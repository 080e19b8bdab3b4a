#include "MailHeader.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

// Undoes encodeText the way a mail reader does: unfolds, then decodes each encoded word.
QString decodeWords(const QByteArray& header)
{
    QByteArray bytes;
    for (QByteArray line : header.split('\n')) {
        line = line.trimmed();
        if (!line.startsWith("=?UTF-8?B?") || !line.endsWith("?="))
            return QStringLiteral("<not an encoded word: %1>").arg(QString::fromUtf8(line));
        bytes += QByteArray::fromBase64(line.mid(10, line.size() - 12));
    }
    return QString::fromUtf8(bytes);
}

} // namespace

TEST(MailHeader, EncodesTextThatIsNotPlainAscii)
{
    EXPECT_EQ(MailHeader::encodeText(QStringLiteral("Hello")), QByteArray("Hello"));
    const QString cases[] = {
        QStringLiteral("留守番電話着信通知"),
        QStringLiteral("=?looks like a word?="),
        QString(60, u'あ') + QStringLiteral("x😀y"),
    };
    for (const QString& text : cases) {
        const QByteArray encoded = MailHeader::encodeText(text);
        for (const QByteArray& line : encoded.split('\n'))
            EXPECT_LE(line.trimmed().size(), 75) << encoded.constData();
        EXPECT_EQ(decodeWords(encoded), text);
    }
}

TEST(MailHeader, AddressesKeepAsciiAndEncodeNames)
{
    EXPECT_EQ(MailHeader::address(QStringLiteral(" a@example.jp ")), QByteArray("a@example.jp"));
    EXPECT_EQ(MailHeader::address(QStringLiteral("留守 <a@example.jp>")),
              MailHeader::encodeText(QStringLiteral("留守")) + " <a@example.jp>");
    EXPECT_TRUE(MailHeader::address(QStringLiteral("留守@example.jp")).isEmpty());
    EXPECT_EQ(MailHeader::envelopeAddress(QStringLiteral("Owner <o@example.jp>")), QStringLiteral("o@example.jp"));
    EXPECT_EQ(MailHeader::envelopeAddress(QStringLiteral("  o@example.jp ")), QStringLiteral("o@example.jp"));
}

TEST(MailHeader, FileNamesAreQuotedOrEncoded)
{
    const QString ascii = QStringLiteral("2026-12-10 10-20-30,0312345678.wav");
    EXPECT_EQ(MailHeader::fileNameParameter(ascii), "filename=\"" + ascii.toUtf8() + '"');
    EXPECT_EQ(MailHeader::fileNameParameter(QStringLiteral("a\"b.wav")), QByteArray("filename=\"a\\\"b.wav\""));
    EXPECT_EQ(MailHeader::fileNameParameter(QStringLiteral("伝言 1.wav")),
              QByteArray("filename*=UTF-8''%E4%BC%9D%E8%A8%80%201.wav"));
    EXPECT_TRUE(MailHeader::nameParameter(QStringLiteral("伝言.wav")).startsWith("name=\"=?UTF-8?B?"));
}

TEST(MailHeader, DateHasTheMailForm)
{
    const QDateTime tokyo(QDate(2026, 12, 10), QTime(9, 5, 7), QTimeZone(9 * 3600));
    EXPECT_EQ(MailHeader::date(tokyo), QByteArray("Thu, 10 Dec 2026 09:05:07 +0900"));
    const QDateTime west(QDate(2027, 1, 3), QTime(23, 59, 0), QTimeZone(-(3 * 3600 + 30 * 60)));
    EXPECT_EQ(MailHeader::date(west), QByteArray("Sun, 3 Jan 2027 23:59:00 -0330"));
}

TEST(MailHeader, LineBreaksAreFound)
{
    EXPECT_FALSE(MailHeader::breaksHeader(u"件名"));
    EXPECT_TRUE(MailHeader::breaksHeader(u"a\r\nBcc: x@example.jp"));
    EXPECT_TRUE(MailHeader::breaksHeader(u"a\nb"));
    EXPECT_TRUE(MailHeader::breaksHeader(QStringLiteral("a") + QChar(0)));
}
