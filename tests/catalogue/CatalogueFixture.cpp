#include "CatalogueFixture.h"

#include "CatalogueDatabase.h"
#include "CatalogueQuery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace CatalogueFixture {

void insertRaw(const QVariantList& columns)
{
    const Result<CatalogueConnection> connection = CatalogueConnection::open();
    ASSERT_TRUE(connection.ok()) << connection.error().toStdString();
    QSqlQuery insert(connection->database());
    const Status done = CatalogueQuery::exec(insert, CatalogueQuery::kInsertRow, columns);
    ASSERT_TRUE(done.ok()) << done.error().toStdString();
}

void insertRows(const QList<CatalogueRow>& rows)
{
    for (const CatalogueRow& r : rows)
        insertRaw({r.device, r.name, r.button, r.description, r.fileName});
}

QList<CatalogueRow> storedRows()
{
    QList<CatalogueRow> rows;
    const Status read =
        CatalogueQuery::forEachRecord(QStringLiteral("SELECT * FROM [Remote]"), {},
                                      [&](const QSqlRecord& r) { rows.append(CatalogueQuery::rowOf(r)); });
    EXPECT_TRUE(read.ok()) << read.error().toStdString();
    return rows;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace CatalogueFixture
