#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A second real SIP client for tests: linphonec with a private home and configuration, sending
// touch tones as SIP INFO requests, playing a WAV file as its voice, driven through its standard input.
class LinphoneCaller {
public:
    explicit LinphoneCaller(QString user = QStringLiteral("0398765432"));
    ~LinphoneCaller();

    // Starts linphonec and waits until it takes commands; false with the reason in error().
    bool start();
    void command(const QString& line);
    bool said(const QString& text) const { return m_output.contains(text); }
    QString output() const { return m_output; }
    QString error() const { return m_error; }

private:
    QString m_user;
    QTemporaryDir m_home;
    QProcess m_process;
    QString m_output;
    QString m_error;
};
