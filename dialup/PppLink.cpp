#include "PppLink.h"

#include "DialState.h"
#include "PeerBook.h"

#include <QFile>
#include <QList>
#include <QMutex>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace {

// The descriptor number pppd reads the password from.
constexpr int kPasswordFd = 3;
constexpr int kPollMs = 50;
// pppd needs a few seconds to end its link politely; after this it is killed.
constexpr auto kHangUpGrace = std::chrono::seconds(20);

QMutex g_linksLock;
QList<PppLink*> g_links;

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

bool makePipe(Fd* read, Fd* write)
{
    int p[2];
    if (::pipe2(p, O_CLOEXEC) < 0)
        return false;
    Fd r(p[0]);
    Fd w(p[1]);
    // Above the standard descriptors and the password's, so that dup2 in the child never clobbers one.
    read->reset(::fcntl(r.get(), F_DUPFD_CLOEXEC, 10));
    write->reset(::fcntl(w.get(), F_DUPFD_CLOEXEC, 10));
    return read->get() >= 0 && write->get() >= 0;
}

bool writeAll(int fd, const QByteArray& data)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

void failStart(const QString& why)
{
    DialState::notify(DialState::Disconnected, 608, why);
}

} // namespace

std::unique_ptr<PppLink> PppLink::start(const QString& entry, const QString& user,
                                        const std::optional<QByteArray>& password)
{
    const QString program = PeerBook::pppdProgram();
    if (program.isEmpty()) {
        failStart(QStringLiteral("pppd が見つかりません。ppp パッケージをインストールしてください"));
        return nullptr;
    }
    QList<QByteArray> args = {QFile::encodeName(program), "call", entry.toUtf8(), "nodetach", "logfd", "2"};
    if (!user.isEmpty())
        args << "user" << user.toUtf8();
    Fd passRead, passWrite;
    if (password) {
        if (!makePipe(&passRead, &passWrite) || !writeAll(passWrite.get(), *password)) {
            failStart(QStringLiteral("パスワードを pppd に渡せません"));
            return nullptr;
        }
        passWrite.reset(); // pppd reads to the end
        args << "plugin"
             << "passwordfd.so"
             << "passwordfd" << QByteArray::number(kPasswordFd);
    }
    Fd logRead, logWrite;
    if (!makePipe(&logRead, &logWrite)) {
        failStart(QStringLiteral("pppd の記録を受け取れません"));
        return nullptr;
    }
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, logWrite.get(), 1);
    posix_spawn_file_actions_adddup2(&actions, logWrite.get(), 2);
    if (password)
        posix_spawn_file_actions_adddup2(&actions, passRead.get(), kPasswordFd);
    pid_t pid = -1;
    const int rc = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        failStart(
            rc == ENOENT
                ? QStringLiteral("pppd が見つかりません (%1)。ppp パッケージをインストールしてください").arg(program)
                : QStringLiteral("pppd を起動できません: %1").arg(QString::fromLocal8Bit(strerror(rc))));
        return nullptr;
    }
    DialState::notify(DialState::ConnectDevice, 0);
    std::unique_ptr<PppLink> link(new PppLink(entry, pid, logRead.release()));
    link->m_watcher = std::thread(&PppLink::watch, link.get());
    return link;
}

PppLink::PppLink(QString entry, int pid, int logFd) : m_entry(std::move(entry)), m_pid(pid), m_logFd(logFd)
{
    QMutexLocker lock(&g_linksLock);
    g_links << this;
}

PppLink::~PppLink()
{
    hangUp();
    QMutexLocker lock(&g_linksLock);
    g_links.removeAll(this);
}

void PppLink::readLines(QByteArray* pending)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_logFd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        pending->append(buffer, n);
    }
    qsizetype eol;
    while ((eol = pending->indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(pending->left(eol)).trimmed();
        pending->remove(0, eol + 1);
        if (const int reply = PppReport::replyErrorOfLine(line))
            m_seen.replyError = reply;
        m_seen.peerSilent = m_seen.peerSilent || PppReport::peerSilentLine(line);
        if (const std::optional<int> state = PppReport::stateOfLine(line)) {
            if (*state == DialState::Connected) {
                m_seen.connected = true;
                m_connected = true;
            }
            DialState::notify(*state, 0);
        }
    }
}

void PppLink::watch()
{
    ::fcntl(m_logFd, F_SETFL, ::fcntl(m_logFd, F_GETFL) | O_NONBLOCK);
    QByteArray pending;
    int status = 0;
    for (;;) {
        pollfd p{m_logFd, POLLIN, 0};
        ::poll(&p, 1, kPollMs);
        readLines(&pending);
        const pid_t r = ::waitpid(m_pid, &status, WNOHANG);
        if (r == m_pid || (r < 0 && errno != EINTR))
            break;
    }
    readLines(&pending);
    pending += '\n';
    readLines(&pending);
    ::close(m_logFd);
    const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const int signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    m_connected = false;
    const int error = PppReport::errorOfEnd(exitCode, signal, m_hangingUp, m_seen);
    DialState::notify(DialState::Disconnected, error, PppReport::describeEnd(exitCode, signal, m_seen));
    m_ended = true;
}

int PppLink::hangUp()
{
    if (!m_watcher.joinable())
        return 0;
    m_hangingUp = true;
    if (!m_ended)
        ::kill(m_pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kHangUpGrace;
    while (!m_ended && std::chrono::steady_clock::now() < deadline)
        ::usleep(1000 * kPollMs / 5);
    if (!m_ended)
        ::kill(m_pid, SIGKILL);
    m_watcher.join();
    return 0;
}

QStringList PppLink::activeEntries()
{
    QMutexLocker lock(&g_linksLock);
    QStringList out;
    for (const PppLink* link : g_links)
        if (link->connected())
            out << link->entry();
    return out;
}
