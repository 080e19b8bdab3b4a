#pragma once

#include <QString>
#include <QStringList>

// The folder "\Messages" as the main window lists it: one row per message file.
namespace MessageFolder {

// The folder in the current data folder.
QString path();

// The regular files of the folder, names sorted ascending (hidden files and links left out).
QStringList fileNames(const QString& folder);

// The row shown for a file: the name up to its first ".", every "," turned into a TAB.
QString rowText(const QString& fileName);

// The path of fileName in folder when it names a regular file right inside it, else empty: a name
// is never read as a path, so nothing outside the folder is played or deleted.
QString fileInside(const QString& folder, const QString& fileName);

} // namespace MessageFolder
