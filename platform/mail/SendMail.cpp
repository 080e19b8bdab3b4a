#include "SendMail.h"

#include "MailHeader.h"
#include "MimeMessage.h"
#include "SmtpOptions.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <curl/curl.h>

#include <cstring>
#include <memory>
#include <mutex>

namespace {

struct Upload {
    const QByteArray* data;
    qsizetype pos = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* user)
{
    auto* up = static_cast<Upload*>(user);
    const size_t n = std::min(size * count, static_cast<size_t>(up->data->size() - up->pos));
    std::memcpy(buffer, up->data->constData() + up->pos, n);
    up->pos += static_cast<qsizetype>(n);
    return n;
}

QByteArray messageToken()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QByteArray random(reinterpret_cast<const char*>(words), sizeof words);
    return QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '.' + random.toHex();
}

// A host name or address literal that cannot change the meaning of the URL it goes into.
bool plausibleHost(const QString& host)
{
    if (host.isEmpty())
        return false;
    for (QChar c : host)
        if (!(c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_' || c == u':' || c == u'[' || c == u']'))
            return false;
    return true;
}

bool plausibleEnvelope(const QString& address)
{
    if (address.isEmpty())
        return false;
    for (QChar c : address)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || c == u'<' || c == u'>')
            return false;
    return true;
}

QByteArray serverUrl(const QString& server, const SmtpOptions& o)
{
    const QString host = server.contains(u':') && !server.startsWith(u'[') ? u'[' + server + u']' : server;
    const char* scheme = o.security == SmtpOptions::Security::Tls ? "smtps://" : "smtp://";
    return scheme + host.toUtf8() + ':' + QByteArray::number(o.port);
}

QString errorText(CURLcode code, const char* detail, const QString& server)
{
    const QString d = QString::fromUtf8(detail[0] ? detail : curl_easy_strerror(code));
    QString text;
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST: text = QStringLiteral("メールサーバー %1 が見つかりません").arg(server); break;
    case CURLE_COULDNT_CONNECT:
        text = QStringLiteral("メールサーバー %1 に接続できません（接続を拒否されました）").arg(server);
        break;
    case CURLE_OPERATION_TIMEDOUT:
        // A name server that never answers is a host that cannot be found, for the user.
        text = d.startsWith(u"Resolving") ? QStringLiteral("メールサーバー %1 が見つかりません").arg(server)
                                          : QStringLiteral("メールサーバーが応答しません（タイムアウト）");
        break;
    case CURLE_LOGIN_DENIED: text = QStringLiteral("メールサーバーへのログインに失敗しました"); break;
    case CURLE_USE_SSL_FAILED: text = QStringLiteral("メールサーバーが STARTTLS に対応していません"); break;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION: text = QStringLiteral("メールサーバーとの TLS 接続に失敗しました"); break;
    default:
        if (d.startsWith(u"RCPT"))
            text = QStringLiteral("宛先を拒否されました");
        else if (d.startsWith(u"MAIL"))
            text = QStringLiteral("差出人を拒否されました");
        else
            text = QStringLiteral("メールを送信できませんでした");
    }
    return text + QStringLiteral(" (") + d + u')';
}

struct CurlDeleter {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
};
struct SlistDeleter {
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

QString transfer(const QString& server, const SmtpOptions& o, const QString& sender, const QStringList& recipients,
                 const QByteArray& message)
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        return QStringLiteral("メールを送信できませんでした (libcurl)");
    std::unique_ptr<curl_slist, SlistDeleter> rcpt;
    for (const QString& r : recipients) {
        const QByteArray address = '<' + MailHeader::envelopeAddress(r).toUtf8() + '>';
        curl_slist* next = curl_slist_append(rcpt.get(), address.constData());
        if (!next)
            return QStringLiteral("メールを送信できませんでした (libcurl)");
        (void)rcpt.release();
        rcpt.reset(next);
    }
    const QByteArray url = serverUrl(server, o);
    const QByteArray from = '<' + MailHeader::envelopeAddress(sender).toUtf8() + '>';
    const QByteArray user = o.user.toUtf8();
    const QByteArray password = o.password.toUtf8();
    Upload upload{&message};
    char detail[CURL_ERROR_SIZE] = {};
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, rcpt.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, readUpload);
    curl_easy_setopt(c, CURLOPT_READDATA, &upload);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, detail);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    // Every step is bounded: connecting, each server reply, and a transfer that stalls.
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(o.timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, static_cast<long>(o.timeoutSeconds));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, static_cast<long>(o.timeoutSeconds));
    if (o.security == SmtpOptions::Security::StartTls)
        curl_easy_setopt(c, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    if (!o.user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    const CURLcode code = curl_easy_perform(c);
    return code == CURLE_OK ? QString() : errorText(code, detail, server);
}

} // namespace

QString SendMail(const QString& server, const QString& recipients, const QString& sender, const QString& subject,
                 const QString& body, const QString& attachment)
{
    const Result<SmtpOptions> options = readSmtpOptions();
    if (!options)
        return options.error();
    const QString host = server.trimmed();
    if (host.isEmpty())
        return QStringLiteral("メールサーバーが設定されていません");
    if (!plausibleHost(host))
        return QStringLiteral("メールサーバーの名前が正しくありません: ") + host;

    MailContent mail{sender, splitRecipients(recipients), subject, body, {}, {}};
    if (!attachment.isEmpty()) {
        QFile f(attachment);
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("添付ファイルを読めません: ") + attachment;
        mail.attachmentData = f.readAll();
        mail.attachmentName = QFileInfo(attachment).fileName();
    }
    const Result<QByteArray> message = composeMessage(mail, QDateTime::currentDateTime(), messageToken());
    if (!message)
        return message.error();
    if (!plausibleEnvelope(MailHeader::envelopeAddress(sender)))
        return QStringLiteral("差出人のアドレスが正しくありません: ") + sender;
    for (const QString& r : mail.recipients)
        if (!plausibleEnvelope(MailHeader::envelopeAddress(r)))
            return QStringLiteral("宛先のアドレスが正しくありません: ") + r;
    return transfer(host, *options, sender, mail.recipients, *message);
}
