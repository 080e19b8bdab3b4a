#include "CatalogueStore.h"

#include "CatalogueDatabase.h"
#include "CatalogueKeys.h"
#include "CatalogueQuery.h"

#include <QFile>
#include <QSqlQuery>

namespace CatalogueStore {

namespace {

Result<QList<CatalogueRow>> rowsOf(const QString& statement, const QVariantList& values = {})
{
    QList<CatalogueRow> rows;
    const Status read = CatalogueQuery::forEachRecord(
        statement, values, [&](const QSqlRecord& record) { rows.append(CatalogueQuery::rowOf(record)); });
    if (!read)
        return Result<QList<CatalogueRow>>::failure(read.error());
    return rows;
}

} // namespace

Result<QList<CatalogueRow>> allRows()
{
    return rowsOf(CatalogueDatabase::kOrderedQuery);
}

Result<QList<CatalogueRow>> labelCheckRows()
{
    return rowsOf(CatalogueDatabase::kLabelCheckQuery);
}

Result<QList<CatalogueRow>> deviceRows(const QString& device)
{
    return rowsOf(CatalogueDatabase::kDeviceQuery, {device});
}

Result<DeviceLookup> lookupDevice(const QString& device, const QString& button)
{
    using namespace CatalogueDatabase;
    DeviceLookup found;
    found.name = kUnregistered;
    const Status read = CatalogueQuery::forEachRecord(kDeviceQuery, {device}, [&](const QSqlRecord& record) {
        if (!found.registered) {
            found.registered = true;
            found.name = record.isNull(kName) ? kNullName : record.value(kName).toString();
        }
        if (record.value(kButton).toString() == button)
            found.description = record.value(kDescription).toString();
    });
    if (!read)
        return Result<DeviceLookup>::failure(read.error());
    return found;
}

Result<bool> deleteSignal(const QString& device, const QString& button)
{
    const Result<CatalogueConnection> connection = CatalogueConnection::open();
    if (!connection)
        return Result<bool>::failure(connection.error());
    QSqlQuery remove(connection->database());
    const Status deleted = CatalogueQuery::exec(remove, CatalogueQuery::kDeletePair, {device, button});
    if (!deleted)
        return Result<bool>::failure(deleted.error());
    const bool hadRow = remove.numRowsAffected() > 0;
    // Files are named after the keys, so only a well-formed pair may name one.
    if (hadRow && CatalogueKeys::isPair(device, button)) {
        QFile::remove(CatalogueKeys::signalFilePath(device, button));
        QFile::remove(CatalogueKeys::spokenLabelPath(device, button));
    }
    return hadRow;
}

} // namespace CatalogueStore
