#include "RtThrottle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

QByteArray readFirstLine(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readLine().trimmed();
}

bool writeValue(const QString& path, const QByteArray& value)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(value + '\n') == value.size() + 1 && f.flush();
}

// The lock file's content is the throttle value to restore, empty when nothing is lifted.
void storeOriginal(int fd, const QByteArray& value)
{
    if (fd < 0)
        return;
    if (ftruncate(fd, 0) != 0 || pwrite(fd, value.constData(), value.size(), 0) != value.size())
        return;
    fdatasync(fd);
}

QByteArray storedOriginal(int fd)
{
    if (fd < 0)
        return {};
    char buffer[32] = {};
    const ssize_t n = pread(fd, buffer, sizeof buffer - 1, 0);
    return n > 0 ? QByteArray(buffer, int(n)).trimmed() : QByteArray();
}

} // namespace

QString RtThrottle::defaultRuntimeFile()
{
    return QStringLiteral("/proc/sys/kernel/sched_rt_runtime_us");
}

QString RtThrottle::defaultLockFile()
{
    const QString dir =
        QFileInfo(QStringLiteral("/run/lock")).isWritable() ? QStringLiteral("/run/lock") : QDir::tempPath();
    return dir + QStringLiteral("/talvero-realtime.lock");
}

RtThrottle::RtThrottle(QString runtimeFile, QString lockFile) : m_runtimeFile(std::move(runtimeFile))
{
    m_lockFd = ::open(QFile::encodeName(lockFile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_lockFd >= 0 && flock(m_lockFd, LOCK_EX) != 0) {
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    if (!QFileInfo::exists(m_runtimeFile)) {
        m_unthrottled = true;
        return;
    }
    const QByteArray current = readFirstLine(m_runtimeFile);
    if (current == "-1") {
        // Lifted already: by the administrator, or by a session of ours that never got to restore it.
        m_original = storedOriginal(m_lockFd);
        m_lifted = !m_original.isEmpty();
        m_unthrottled = true;
        return;
    }
    if (current.isEmpty())
        return;
    storeOriginal(m_lockFd, current);
    if (writeValue(m_runtimeFile, "-1")) {
        m_original = current;
        m_lifted = true;
        m_unthrottled = true;
    } else {
        storeOriginal(m_lockFd, {});
    }
}

RtThrottle::~RtThrottle()
{
    if (m_lifted && writeValue(m_runtimeFile, m_original))
        storeOriginal(m_lockFd, {});
    if (m_lockFd >= 0)
        ::close(m_lockFd); // releases the lock
}
