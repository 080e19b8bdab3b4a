#include "IniFile.h"

#include "IniDocument.h"
#include "LegacyText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace {

constexpr const char* kTempTag = ".tmp-";

QByteArray readAll(const QString& path, bool* exists)
{
    QFile f(path);
    *exists = f.open(QIODevice::ReadOnly);
    return *exists ? f.readAll() : QByteArray();
}

bool writeAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

// Holds an exclusive lock on the file's folder for one read-modify-write.
class FolderLock {
public:
    explicit FolderLock(const QString& folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) < 0 && errno == EINTR) {
            }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// Temporary files of writers that died before their rename.
void removeLeftovers(const QFileInfo& target)
{
    const QDir dir = target.absoluteDir();
    const QString pattern = u'.' + target.fileName() + QLatin1String(kTempTag) + u'*';
    for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::Hidden))
        QFile::remove(dir.filePath(name));
}

} // namespace

QString IniFile::read(QStringView section, QStringView key) const
{
    bool exists = false;
    const QByteArray bytes = readAll(m_path, &exists);
    if (!exists)
        return QStringLiteral("");
    const QString v = IniDocument(LegacyText::decode(bytes)).value(section, key);
    return v.isNull() ? QStringLiteral("") : v;
}

bool IniFile::write(QStringView section, QStringView key, QStringView value) const
{
    const QFileInfo target(m_path);
    FolderLock lock(target.absolutePath());
    if (lock.fd() < 0)
        return false;

    bool exists = false;
    bool bom = false;
    const QByteArray old = readAll(m_path, &exists);
    IniDocument doc(LegacyText::decode(old, &bom));
    if (!doc.setValue(section, key, value))
        return false;
    QByteArray text = doc.toString().toUtf8();
    if (bom)
        text.prepend("\xEF\xBB\xBF");

    removeLeftovers(target);
    QByteArray tmpl = QFile::encodeName(
        target.absoluteDir().filePath(u'.' + target.fileName() + QLatin1String(kTempTag) + QStringLiteral("XXXXXX")));
    const int fd = ::mkstemp(tmpl.data()); // mode 0600
    if (fd < 0)
        return false;
    bool ok = ::fchmod(fd, S_IRUSR | S_IWUSR) == 0 && writeAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tmpl.constData(), QFile::encodeName(target.absoluteFilePath()).constData()) == 0;
    if (!ok) {
        ::unlink(tmpl.constData());
        return false;
    }
    ::fsync(lock.fd()); // make the rename itself durable
    return true;
}
