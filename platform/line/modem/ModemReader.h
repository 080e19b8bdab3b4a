#pragma once

#include "DleParser.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <thread>

// Reads the modem on a thread of its own and hands what it parsed to the receiver's thread, queued.
// The parser lives on the reading thread, so its state runs on from one read to the next.
class ModemReader {
public:
    struct Sinks {
        std::function<void(const QList<DleParser::Item>&)> received;
        std::function<void(const QString& why)> gone; // the device was closed under us (pulled)
    };

    // receiver: the object whose thread runs the sinks; it owns the reader. Nothing arrives once it
    // is destroyed.
    ModemReader(QObject* receiver, Sinks sinks);
    ~ModemReader();
    ModemReader(const ModemReader&) = delete;
    ModemReader& operator=(const ModemReader&) = delete;

    // Starts reading a duplicate of fd; stops a reader that runs.
    bool start(int fd);
    void stop();
    // The next "CONNECT" starts voice reception; call before sending the receive command.
    void expectReceive() { m_expectReceive = true; }

private:
    void run(int fd, int wake, quint64 generation);
    void post(quint64 generation, std::function<void()> work);

    QObject* m_receiver;
    Sinks m_sinks;
    std::thread m_thread;
    int m_wake = -1;
    std::atomic<bool> m_expectReceive{false};
    std::atomic<quint64> m_generation{0};
};
