#include "RemoteMessages.h"

#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QStringList remoteMessages()
{
    const QDir folder(DataFolder::path(u"\\Messages"));
    const QString canonicalFolder = folder.canonicalPath();
    if (canonicalFolder.isEmpty())
        return {};
    QStringList paths;
    for (const QFileInfo& info : folder.entryInfoList(QDir::Files, QDir::NoSort)) {
        const QFileInfo target(info.canonicalFilePath());
        if (target.isFile() && target.absolutePath() == canonicalFolder)
            paths.append(info.absoluteFilePath());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}
