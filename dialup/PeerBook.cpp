#include "PeerBook.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace PeerBook {

namespace {

bool isLeftover(const QString& name)
{
    return name.startsWith(u'.') || name.endsWith(u'~') || name.contains(u".dpkg-") || name.contains(u".ucf-") ||
           name.endsWith(u".bak") || name.endsWith(u".orig");
}

} // namespace

QString folder()
{
    const QString set = qEnvironmentVariable("NIMBAL_PEERS_DIR");
    return set.isEmpty() ? QStringLiteral("/etc/ppp/peers") : set;
}

Result<QStringList> entries()
{
    const QDir dir(folder());
    if (!dir.exists() || !dir.isReadable())
        return Result<QStringList>::failure(QStringLiteral("ピア フォルダー %1 を読めません").arg(dir.path()));
    QStringList out;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Readable, QDir::Name))
        if (!isLeftover(name))
            out << name;
    return out;
}

bool hasEntry(const QString& entry)
{
    if (entry.isEmpty() || entry.contains(u'/') || entry == u"." || entry == u"..")
        return false;
    const QFileInfo info(QDir(folder()).filePath(entry));
    return info.isFile() && info.isReadable();
}

QString pppdProgram()
{
    const QString set = qEnvironmentVariable("NIMBAL_PPPD");
    if (!set.isEmpty())
        return set;
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("pppd"));
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(QStringLiteral("pppd"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

} // namespace PeerBook
