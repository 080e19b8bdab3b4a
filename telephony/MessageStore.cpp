#include "MessageStore.h"

#include "DataFolder.h"

#include <QDir>
#include <QFileInfo>

namespace MessageStore {

QString MakeTimeStamp(const QDateTime& when)
{
    // The Japanese short date and time form, with its separators made fit for a file name.
    QString stamp = when.toString(QStringLiteral("yyyy/MM/dd H:mm:ss"));
    stamp.replace(u'/', u'-').replace(u':', u'-');
    if (stamp.size() != 19)
        stamp.insert(10, u' ');
    return stamp;
}

QString fileSafeNumber(const QString& number)
{
    if (number == kUnknownNumber)
        return number;
    QString safe;
    for (QChar c : number) {
        const bool kept = (c >= u'0' && c <= u'9') || c == u'+' || c == u'*' || c == u'#';
        safe += kept ? c : u'_';
        if (safe.size() == kMaxNumberLength)
            break;
    }
    return safe;
}

QString messageFileName(const QString& stamp, const QString& number)
{
    return stamp + u',' + fileSafeNumber(number) + QStringLiteral(".wav");
}

QString folder()
{
    return DataFolder::path(u"\\Messages");
}

QString uniquePath(const QString& fileName)
{
    const QDir dir(folder());
    const QFileInfo name(fileName);
    QString candidate = dir.filePath(fileName);
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = dir.filePath(QStringLiteral("%1 (%2).%3").arg(name.completeBaseName()).arg(n).arg(name.suffix()));
    return candidate;
}

QStringList GetMessages()
{
    return QDir(folder()).entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Unsorted);
}

} // namespace MessageStore
