#include "CatalogueQuery.h"

#include "CatalogueDatabase.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace CatalogueQuery {

CatalogueRow rowOf(const QSqlRecord& record)
{
    using namespace CatalogueDatabase;
    const auto text = [&](const QString& column) { return record.value(column).toString(); };
    return {text(kDevice), text(kName), text(kButton), text(kDescription), text(kFileName)};
}

namespace {

Status failed(const QSqlQuery& query)
{
    return Status::failure(QStringLiteral("リモコン信号のデータベース %1 を読み書きできません: %2")
                               .arg(QDir::toNativeSeparators(CatalogueDatabase::filePath()), query.lastError().text()));
}

} // namespace

Status exec(QSqlQuery& query, const QString& statement, const QVariantList& values)
{
    if (query.prepare(statement)) {
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (query.exec())
            return {};
    }
    return failed(query);
}

Status forEachRecord(const QString& statement, const QVariantList& values,
                     const std::function<void(const QSqlRecord&)>& visit)
{
    const Result<CatalogueConnection> connection = CatalogueConnection::open();
    if (!connection)
        return Status::failure(connection.error());
    QSqlQuery query(connection->database());
    query.setForwardOnly(true);
    if (Status run = exec(query, statement, values); !run)
        return run;
    while (query.next())
        visit(query.record());
    return query.lastError().isValid() ? failed(query) : Status();
}

} // namespace CatalogueQuery
