#include "MimeMessage.h"

#include "MailHeader.h"

namespace {

constexpr int kBase64LineLength = 76;

QByteArray base64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / kBase64LineLength * 2 + 2);
    for (qsizetype i = 0; i < encoded.size(); i += kBase64LineLength)
        out += encoded.mid(i, kBase64LineLength) + "\r\n";
    return out;
}

QByteArray domainOf(const QString& sender)
{
    const QString address = MailHeader::envelopeAddress(sender);
    const qsizetype at = address.lastIndexOf(u'@');
    const QByteArray domain = at >= 0 ? address.mid(at + 1).toUtf8() : QByteArray();
    return domain.isEmpty() ? QByteArray("talvero.localdomain") : domain;
}

Status checkHeaderTexts(const MailContent& mail)
{
    if (MailHeader::breaksHeader(mail.sender))
        return Status::failure(QStringLiteral("差出人のアドレスに改行が含まれています"));
    for (const QString& r : mail.recipients)
        if (MailHeader::breaksHeader(r))
            return Status::failure(QStringLiteral("宛先のアドレスに改行が含まれています"));
    if (MailHeader::breaksHeader(mail.subject))
        return Status::failure(QStringLiteral("件名に改行が含まれています"));
    if (MailHeader::breaksHeader(mail.attachmentName))
        return Status::failure(QStringLiteral("添付ファイルの名前に改行が含まれています"));
    return {};
}

const QByteArray kTextPartHeader = "Content-Type: text/plain; charset=UTF-8\r\n"
                                   "Content-Transfer-Encoding: base64\r\n";

} // namespace

QStringList splitRecipients(const QString& tabSeparated)
{
    QStringList out;
    for (const QString& item : tabSeparated.split(u'\t')) {
        const QString trimmed = item.trimmed();
        if (!trimmed.isEmpty())
            out << trimmed;
    }
    return out;
}

Result<QByteArray> composeMessage(const MailContent& mail, const QDateTime& date, const QByteArray& token)
{
    if (const Status s = checkHeaderTexts(mail); !s)
        return Result<QByteArray>::failure(s.error());
    const QByteArray from = MailHeader::address(mail.sender);
    if (MailHeader::envelopeAddress(mail.sender).isEmpty() || from.isEmpty())
        return Result<QByteArray>::failure(QStringLiteral("差出人のアドレスが正しくありません"));
    if (mail.recipients.isEmpty())
        return Result<QByteArray>::failure(QStringLiteral("宛先がありません"));
    QByteArrayList to;
    for (const QString& r : mail.recipients) {
        const QByteArray a = MailHeader::address(r);
        if (a.isEmpty())
            return Result<QByteArray>::failure(QStringLiteral("宛先のアドレスが正しくありません: ") + r);
        to << a;
    }

    QByteArray out;
    out += "Date: " + MailHeader::date(date) + "\r\n";
    out += "From: " + from + "\r\n";
    out += "To: " + to.join(",\r\n ") + "\r\n";
    out += "Subject: " + MailHeader::encodeText(mail.subject) + "\r\n";
    out += "Message-ID: <" + token + '@' + domainOf(mail.sender) + ">\r\n";
    out += "MIME-Version: 1.0\r\n";
    const QByteArray body = base64Lines(mail.body.toUtf8());
    if (mail.attachmentName.isEmpty()) {
        out += kTextPartHeader + "\r\n" + body;
        return out;
    }
    const QByteArray boundary = "=_talvero_" + token;
    out += "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"\r\n\r\n";
    out += "--" + boundary + "\r\n" + kTextPartHeader + "\r\n" + body;
    out += "--" + boundary + "\r\n";
    out += "Content-Type: audio/wav; " + MailHeader::nameParameter(mail.attachmentName) + "\r\n";
    out += "Content-Transfer-Encoding: base64\r\n";
    out += "Content-Disposition: attachment; " + MailHeader::fileNameParameter(mail.attachmentName) + "\r\n\r\n";
    out += base64Lines(mail.attachmentData);
    out += "--" + boundary + "--\r\n";
    return out;
}
