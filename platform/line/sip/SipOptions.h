#pragma once

#include <QString>
#include <QStringList>

// The settings of the SIP line, section [SIP] of setting.ini. Missing or garbled values fall back
// to a direct listener on the loopback.
struct SipOptions {
    QString listenHost = QStringLiteral("127.0.0.1");
    int listenPort = 5070;
    QString registrar; // empty: no registration, direct calls only
    QString user = QStringLiteral("talvero");
    QString password; // plain
    QString display;
    QStringList codecs{QStringLiteral("PCMU"), QStringLiteral("PCMA")}; // in order of preference
    int ringMilliseconds = 5000;
    int registerSeconds = 600;

    static SipOptions fromSettings();
    // "talvero@127.0.0.1:5070": the account's SIP identity without the scheme.
    QString addressName() const;
    // Where the account is reached: the registrar's domain when there is one, else the listener.
    QString identityHost() const;
};
