#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>

namespace DataFolder {

namespace {

QString g_current;

QString takeHomeArgument(QStringList* args)
{
    QString home;
    for (qsizetype i = 0; i < args->size();) {
        const QString& a = args->at(i);
        if (a == u"--home" && i + 1 < args->size()) {
            home = args->at(i + 1);
            args->remove(i, 2);
        } else if (a.startsWith(u"--home=")) {
            home = a.mid(7);
            args->remove(i);
        } else {
            ++i;
        }
    }
    return home;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

Status copyMissing(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    const QDir source(from);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = QDir(to).filePath(source.relativeFilePath(file));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(file, target))
            return Status::failure(QStringLiteral("データフォルダ %1 に %2 をコピーできません。")
                                       .arg(QDir::toNativeSeparators(to), source.relativeFilePath(file)));
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return {};
}

} // namespace

QString choose(QStringList* args, const QString& executableDir)
{
    const QString home = takeHomeArgument(args);
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    const QString env = qEnvironmentVariable("TALVERO_HOME");
    if (!env.isEmpty())
        return QDir(env).absolutePath();
    if (!executableDir.isEmpty() && QFileInfo::exists(QDir(executableDir).filePath("setting.ini")))
        return QDir(executableDir).absolutePath();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("talvero");
}

Status prepare(const QString& folder, const QString& shippedDir)
{
    const QString shown = QDir::toNativeSeparators(folder);
    if (!QDir().mkpath(folder))
        return Status::failure(QStringLiteral("データフォルダ %1 を作成できません: %2").arg(shown, systemError()));
    {
        QTemporaryFile probe(QDir(folder).filePath(".write-test-XXXXXX"));
        if (!probe.open())
            return Status::failure(
                QStringLiteral("データフォルダ %1 に書き込めません: %2").arg(shown, probe.errorString()));
    }
    const QString home = QDir(shippedDir).filePath("home");
    if (!shippedDir.isEmpty() && QFileInfo(home).isDir())
        return copyMissing(home, folder);
    return {};
}

QString shippedDataDir(const QString& executableDir)
{
    return QDir::cleanPath(executableDir + "/../share/talvero");
}

void setCurrent(const QString& folder)
{
    g_current = folder;
}

QString current()
{
    return g_current;
}

QString path(QStringView relative)
{
    QString rel = relative.toString();
    rel.replace(u'\\', u'/');
    while (rel.startsWith(u'/'))
        rel.remove(0, 1);
    return rel.isEmpty() ? g_current : g_current + u'/' + rel;
}

QString tmpDir()
{
    const QString dir = path(u"\\tmp");
    QDir().mkpath(dir);
    return dir;
}

Status setUp(QStringList* args)
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QString folder = choose(args, exeDir);
    const Status prepared = prepare(folder, shippedDataDir(exeDir));
    if (prepared)
        setCurrent(folder);
    return prepared;
}

} // namespace DataFolder
