#pragma once

#include "CatalogueRow.h"

#include <QSqlQueryModel>

class QSqlDatabase;

// The rows of the table Remote in key order, as the learning page's grid shows them: the device
// number and the button number centred.
class CatalogueGridModel : public QSqlQueryModel {
    Q_OBJECT
public:
    using QSqlQueryModel::QSqlQueryModel;

    // Runs the ordered query on db and reads every row, so that no statement stays open on the file
    // while rows are added or deleted. The error names the file.
    QString bind(const QSqlDatabase& db);
    CatalogueRow row(int index) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};
