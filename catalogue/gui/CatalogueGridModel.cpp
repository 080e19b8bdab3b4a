#include "CatalogueGridModel.h"

#include "CatalogueDatabase.h"
#include "CatalogueQuery.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

constexpr int kDeviceColumn = 0;
constexpr int kButtonColumn = 2;

} // namespace

QString CatalogueGridModel::bind(const QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(CatalogueDatabase::kOrderedQuery)) {
        clear();
        return QStringLiteral("リモコン信号のデータベース %1 を読めません: %2")
            .arg(QDir::toNativeSeparators(CatalogueDatabase::filePath()), query.lastError().text());
    }
    setQuery(std::move(query));
    while (canFetchMore())
        fetchMore();
    return {};
}

CatalogueRow CatalogueGridModel::row(int index) const
{
    return CatalogueQuery::rowOf(record(index));
}

QVariant CatalogueGridModel::data(const QModelIndex& index, int role) const
{
    if (role == Qt::TextAlignmentRole && (index.column() == kDeviceColumn || index.column() == kButtonColumn))
        return int(Qt::AlignCenter);
    return QSqlQueryModel::data(index, role);
}
