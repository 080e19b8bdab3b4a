#include "UucpLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The process id in a lock file (ASCII or the old binary form), 0 when it holds none.
pid_t ownerOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = f.read(64);
    bool ok = false;
    const long pid = text.trimmed().toLong(&ok);
    if (ok)
        return pid_t(pid);
    if (text.size() == 4) {
        qint32 binary = 0;
        std::memcpy(&binary, text.constData(), 4);
        return pid_t(binary);
    }
    return 0;
}

bool isRunning(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

} // namespace

UucpLock::~UucpLock()
{
    release();
}

QString UucpLock::fileName(const QString& devicePath)
{
    QString real = QFileInfo(devicePath).canonicalFilePath();
    if (real.isEmpty())
        real = devicePath;
    const QString dev = QStringLiteral("/dev/");
    const QString name = real.startsWith(dev) ? real.mid(dev.size()) : QFileInfo(real).fileName();
    return QStringLiteral("LCK..") + QString(name).replace(u'/', u'_');
}

Status UucpLock::acquire(const QString& lockDir, const QString& devicePath)
{
    release();
    const QString path = QDir(lockDir).filePath(fileName(devicePath));
    const QByteArray native = QFile::encodeName(path);
    const QByteArray content = QByteArray::number(qint64(::getpid())).rightJustified(10, ' ') + '\n';
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
            ::close(fd);
            if (!written) {
                ::unlink(native.constData());
                return Status::failure(path + QStringLiteral(": the lock file cannot be written"));
            }
            m_path = path;
            return {};
        }
        if (errno != EEXIST)
            return Status::failure(path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)));
        const pid_t owner = ownerOf(path);
        if (owner == ::getpid() || !isRunning(owner)) {
            ::unlink(native.constData()); // stale: its owner is gone
            continue;
        }
        return Status::failure(QStringLiteral("%1 is in use by process %2 (%3)").arg(devicePath).arg(owner).arg(path));
    }
    return Status::failure(path + QStringLiteral(": the stale lock file cannot be removed"));
}

void UucpLock::release()
{
    if (m_path.isEmpty())
        return;
    if (ownerOf(m_path) == ::getpid())
        QFile::remove(m_path);
    m_path.clear();
}
