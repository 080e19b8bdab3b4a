#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A stand-in for pppd with a private peers folder, for the life of the object: NIMBAL_PPPD and
// NIMBAL_PEERS_DIR point at them (and are put back afterwards). Each peer file tells the fake what
// to do in comment lines: "#fake say TEXT" writes TEXT to its log, "#fake stay" brings the link up
// and keeps it until it is terminated, "#fake exit N" ends with code N. The fake keeps its
// arguments, its process id and the password it read from the descriptor after "passwordfd".
class FakePppd {
public:
    FakePppd();
    ~FakePppd();

    // Writes a peer file; returns its path.
    QString addPeer(const QString& name, const QStringList& behaviour);
    QString peersDir() const;
    QString program() const;

    bool ran() const;
    QStringList arguments() const;
    bool passwordGiven() const;
    QByteArray password() const;
    int pid() const;
    void forget(); // clears what the last run left

private:
    QByteArray logFile(const char* name) const;
    QTemporaryDir m_dir;
    QByteArray m_oldPppd;
    QByteArray m_oldPeers;
    QByteArray m_oldLog;
};
