#pragma once

#include "CatalogueRow.h"
#include "Result.h"

#include <QSqlRecord>
#include <QString>
#include <QVariantList>

#include <functional>

class QSqlDatabase;
class QSqlQuery;

// Reading and writing the table through one statement at a time (inside this folder only).
namespace CatalogueQuery {

inline const QString kDeletePair = QStringLiteral("DELETE FROM [Remote] WHERE [機器番号]=? AND [リモコンボタン番号]=?");
inline const QString kInsertRow =
    QStringLiteral("INSERT INTO [Remote] ([機器番号], [機器の名前], [リモコンボタン番号], [機能の説明], [FileName]) "
                   "VALUES (?, ?, ?, ?, ?)");

// The row of a record of "SELECT *"; Null reads as the empty string.
CatalogueRow rowOf(const QSqlRecord& record);

// Runs the statement with its bound values on a fresh connection and hands every record to visit,
// reading forward. The error names the file.
Status forEachRecord(const QString& statement, const QVariantList& values,
                     const std::function<void(const QSqlRecord&)>& visit);

// Prepares and runs one statement on db; the error names the file.
Status exec(QSqlQuery& query, const QString& statement, const QVariantList& values);

} // namespace CatalogueQuery
