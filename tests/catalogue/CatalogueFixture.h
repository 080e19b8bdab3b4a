#pragma once

#include "CatalogueRow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>

// Small helpers for tests that work on a real catalogue file in a TempHome.
namespace CatalogueFixture {

// Inserts one row as given (a null QVariant stores Null), creating the file when missing.
void insertRaw(const QVariantList& columns);
// Inserts the rows through insertRaw.
void insertRows(const QList<CatalogueRow>& rows);
// Every row of the table in storage order, straight from the file.
QList<CatalogueRow> storedRows();

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

} // namespace CatalogueFixture
