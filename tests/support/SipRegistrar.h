#pragma once

#include <QByteArray>
#include <QList>
#include <atomic>
#include <mutex>
#include <thread>

// A registrar for tests on the loopback, on a thread of its own (so it also answers while the
// test's thread waits for the line to shut down): it challenges a REGISTER without credentials with
// 401 (digest, realm "talvero-test"), accepts one that carries them, and grants expirySeconds.
class SipRegistrar {
public:
    explicit SipRegistrar(int expirySeconds);
    ~SipRegistrar();
    SipRegistrar(const SipRegistrar&) = delete;
    SipRegistrar& operator=(const SipRegistrar&) = delete;

    int port() const { return m_port; }
    // The REGISTER requests received, in order.
    QList<QByteArray> registers() const;
    int accepted() const { return m_accepted; }

private:
    void serve();
    void answer(const QByteArray& request);
    void reply(const QByteArray& request, const QByteArray& status, const QByteArray& extra);

    int m_fd = -1;
    int m_port = 0;
    int m_expiry;
    mutable std::mutex m_lock;
    QList<QByteArray> m_registers;
    std::atomic<int> m_accepted{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};
