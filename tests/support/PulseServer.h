#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A private sound server for one test program: a null sink "tam" (8 kHz mono) as the only and so
// default output, reached through a socket in a temporary folder. While the object lives,
// $PULSE_SERVER points every client of this process (and the programs it starts) at it.
class PulseServer {
public:
    PulseServer();
    ~PulseServer();

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    QString address() const;
    static QString sinkName() { return QStringLiteral("tam"); }

private:
    void stop();

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_error;
    QByteArray m_previousServer;
    bool m_hadServer = false;
};
