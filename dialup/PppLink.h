#pragma once

#include "PppReport.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

// One dial: "pppd call ENTRY nodetach" with its log on a pipe. A thread reads the log and reports
// each state and the end to DialState, as the dial notification does. The password goes to pppd
// through a second pipe (passwordfd), never on its command line.
class PppLink {
public:
    // Starts pppd for entry. A user name replaces the one of the peer file, and then password (empty
    // or not) replaces its password. nullptr when pppd cannot be started; DialState then holds the
    // error.
    static std::unique_ptr<PppLink> start(const QString& entry, const QString& user,
                                          const std::optional<QByteArray>& password);
    ~PppLink();
    PppLink(const PppLink&) = delete;
    PppLink& operator=(const PppLink&) = delete;

    // Ends pppd and waits until it is gone. 0, the result of a hang-up.
    int hangUp();

    bool running() const { return !m_ended; }
    bool connected() const { return m_connected; }
    const QString& entry() const { return m_entry; }

    // The entries of the links of this process that are up.
    static QStringList activeEntries();

private:
    PppLink(QString entry, int pid, int logFd);
    void watch();
    void readLines(QByteArray* pending);

    QString m_entry;
    int m_pid;
    int m_logFd;
    std::atomic<bool> m_ended{false};
    std::atomic<bool> m_connected{false};
    std::atomic<bool> m_hangingUp{false};
    PppReport::Findings m_seen;
    std::thread m_watcher;
};
