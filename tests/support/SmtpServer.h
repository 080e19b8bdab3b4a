#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real SMTP server (aiosmtpd) on 127.0.0.1 at a free port, for the life of the object. Each
// message it takes is parsed by Python's own mail parser and kept as a summary (envelope, decoded
// subject, body, attachment name and type) with the attachment's bytes beside it. Addresses that
// contain "reject" are refused at RCPT. With a login set, the server asks for it.
class SmtpServer {
public:
    explicit SmtpServer(const QString& user = {}, const QString& password = {});
    ~SmtpServer();

    bool running() const { return m_port > 0; }
    int port() const { return m_port; }
    QString startError() const { return m_error; }

    // A port on 127.0.0.1 on which nothing listens.
    static int closedPort();

    // The messages received so far, oldest first.
    QList<QJsonObject> messages() const;
    // The decoded bytes of the first attachment of message index.
    QByteArray attachment(int index) const;
    // The message as it arrived.
    QByteArray raw(int index) const;

private:
    QString file(int index, const char* extension) const;
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    QString m_error;
};
