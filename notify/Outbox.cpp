#include "Outbox.h"

#include "DataFolder.h"

#include <QFile>
#include <QSaveFile>

namespace Outbox {

namespace {

bool store(const QList<Entry>& list)
{
    if (list.isEmpty())
        return !QFile::exists(filePath()) || QFile::remove(filePath());
    QSaveFile f(filePath());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (const Entry& e : list)
        f.write((e.kept.toString(Qt::ISODate) + u'\t' + e.path + u'\n').toUtf8());
    return f.commit();
}

} // namespace

QString filePath()
{
    return DataFolder::path(u"\\Outbox.txt");
}

QList<Entry> entries()
{
    QFile f(filePath());
    QList<Entry> out;
    if (!f.open(QIODevice::ReadOnly))
        return out;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line);
        const qsizetype tab = text.indexOf(u'\t');
        if (tab <= 0 || tab + 1 >= text.size())
            continue;
        out << Entry{QDateTime::fromString(text.left(tab), Qt::ISODate), text.mid(tab + 1)};
    }
    return out;
}

bool add(const QString& messagePath, const QDateTime& when)
{
    if (messagePath.isEmpty() || messagePath.contains(u'\n') || messagePath.contains(u'\r'))
        return false;
    QList<Entry> list = entries();
    for (const Entry& e : list)
        if (e.path == messagePath)
            return true;
    list << Entry{when, messagePath};
    return store(list);
}

bool remove(const QString& messagePath)
{
    QList<Entry> list = entries();
    const qsizetype before = list.size();
    list.removeIf([&](const Entry& e) { return e.path == messagePath; });
    return list.size() == before || store(list);
}

} // namespace Outbox
