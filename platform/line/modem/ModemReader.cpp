#include "ModemReader.h"

#include <QMetaObject>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

ModemReader::ModemReader(QObject* receiver, Sinks sinks) : m_receiver(receiver), m_sinks(std::move(sinks)) {}

ModemReader::~ModemReader()
{
    stop();
}

bool ModemReader::start(int fd)
{
    stop();
    const int own = ::dup(fd);
    if (own < 0)
        return false;
    m_wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_wake < 0) {
        ::close(own);
        return false;
    }
    m_expectReceive = false;
    const quint64 generation = ++m_generation;
    m_thread = std::thread([this, own, wake = m_wake, generation] { run(own, wake, generation); });
    return true;
}

void ModemReader::stop()
{
    if (!m_thread.joinable())
        return;
    ++m_generation; // whatever the old thread still posts is dropped
    const quint64 one = 1;
    [[maybe_unused]] const ssize_t n = ::write(m_wake, &one, sizeof one);
    m_thread.join();
    ::close(m_wake);
    m_wake = -1;
}

void ModemReader::post(quint64 generation, std::function<void()> work)
{
    QMetaObject::invokeMethod(
        m_receiver,
        [this, generation, work = std::move(work)] {
            if (generation == m_generation)
                work();
        },
        Qt::QueuedConnection);
}

void ModemReader::run(int fd, int wake, quint64 generation)
{
    DleParser parser;
    char buffer[4096];
    QString why;
    for (;;) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {wake, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            why = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
        if (fds[1].revents)
            break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            if (m_expectReceive.exchange(false))
                parser.expectReceive();
            QList<DleParser::Item> items = parser.feed(QByteArray(buffer, n));
            if (!items.isEmpty())
                post(generation, [this, items = std::move(items)] { m_sinks.received(items); });
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR) && !(fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)))
            continue;
        why = n < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("the device was closed");
        break;
    }
    ::close(fd);
    if (!why.isEmpty())
        post(generation, [this, why] { m_sinks.gone(why); });
}
