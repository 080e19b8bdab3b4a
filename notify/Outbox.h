#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The notices that could not be sent, kept in "\Outbox.txt" of the data folder (one line each: the
// time it was kept, a TAB, the message file's path) until they go through.
namespace Outbox {

struct Entry {
    QDateTime kept;
    QString path;
};

QString filePath();
QList<Entry> entries();                                      // oldest first; lines that cannot be read are skipped
bool add(const QString& messagePath, const QDateTime& when); // a path already kept is not added twice
bool remove(const QString& messagePath);

} // namespace Outbox
