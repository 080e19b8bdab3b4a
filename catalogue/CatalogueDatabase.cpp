#include "CatalogueDatabase.h"

#include "DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace CatalogueDatabase {

QString filePath()
{
    return DataFolder::path(u"\\IRRemote.db");
}

} // namespace CatalogueDatabase

namespace {

using namespace CatalogueDatabase;

const QString kCreateTable = QStringLiteral("CREATE TABLE IF NOT EXISTS [Remote] ([機器番号] TEXT, [機器の名前] TEXT, "
                                            "[リモコンボタン番号] TEXT, [機能の説明] TEXT, [FileName] TEXT)");

QString nextConnectionName()
{
    static int counter = 0;
    return QStringLiteral("talvero-catalogue-%1").arg(++counter);
}

QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("リモコン信号のデータベース %1 を開けません: %2").arg(QDir::toNativeSeparators(path), reason);
}

// Checks that the file is a database holding the table with its five columns.
Status checkTable(const QSqlDatabase& db, const QString& path)
{
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT * FROM [Remote] LIMIT 0")))
        return Status::failure(cannotOpen(path, probe.lastError().text()));
    const QSqlRecord record = probe.record();
    for (const QString& column : {kDevice, kName, kButton, kDescription, kFileName}) {
        if (record.indexOf(column) < 0)
            return Status::failure(
                cannotOpen(path, QStringLiteral("テーブル Remote に列 %1 がありません").arg(column)));
    }
    return {};
}

Status createTable(const QSqlDatabase& db, const QString& path)
{
    QSqlQuery create(db);
    if (!create.exec(kCreateTable))
        return Status::failure(cannotOpen(path, create.lastError().text()));
    return {};
}

} // namespace

Result<CatalogueConnection> CatalogueConnection::open()
{
    const QString path = filePath();
    if (DataFolder::current().isEmpty())
        return Result<CatalogueConnection>::failure(
            cannotOpen(path, QStringLiteral("データフォルダが決まっていません")));
    const bool isNew = !QFileInfo::exists(path);
    CatalogueConnection connection(nextConnectionName());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection.m_name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        if (!db.open())
            return Result<CatalogueConnection>::failure(cannotOpen(path, db.lastError().text()));
        Status ready = isNew ? createTable(db, path) : Status();
        if (ready)
            ready = checkTable(db, path);
        if (!ready) {
            db.close();
            if (isNew)
                QFile::remove(path); // ours, half made: let the next open try again
            return Result<CatalogueConnection>::failure(ready.error());
        }
    }
    return connection;
}

CatalogueConnection::CatalogueConnection(CatalogueConnection&& other) noexcept : m_name(std::move(other.m_name))
{
    other.m_name.clear();
}

CatalogueConnection::~CatalogueConnection()
{
    if (m_name.isEmpty())
        return;
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}
