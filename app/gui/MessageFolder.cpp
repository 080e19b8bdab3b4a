#include "MessageFolder.h"

#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace MessageFolder {

QString path()
{
    return DataFolder::path(u"\\Messages");
}

QStringList fileNames(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::NoSymLinks, QDir::Name);
}

QString rowText(const QString& fileName)
{
    QString row = fileName.left(fileName.indexOf(u'.'));
    row.replace(u',', u'\t');
    return row;
}

QString fileInside(const QString& folder, const QString& fileName)
{
    if (fileName.isEmpty() || fileName.contains(u'/') || fileName == u"." || fileName == u"..")
        return {};
    const QFileInfo file(QDir(folder), fileName);
    if (file.isSymLink() || !file.isFile())
        return {};
    if (file.absoluteDir().canonicalPath() != QDir(folder).canonicalPath())
        return {};
    return file.absoluteFilePath();
}

} // namespace MessageFolder
