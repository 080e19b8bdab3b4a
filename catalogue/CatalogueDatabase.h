#pragma once

#include "Result.h"

#include <QSqlDatabase>
#include <QString>

// The catalogue file IRRemote.db of the data folder (SQLite through Qt SQL) and its table Remote.
namespace CatalogueDatabase {

inline const QString kTable = QStringLiteral("Remote");
inline const QString kDevice = QStringLiteral("機器番号");
inline const QString kName = QStringLiteral("機器の名前");
inline const QString kButton = QStringLiteral("リモコンボタン番号");
inline const QString kDescription = QStringLiteral("機能の説明");
inline const QString kFileName = QStringLiteral("FileName");

// All rows in key order: the learning page's grid and ReadIRData.
inline const QString kOrderedQuery =
    QStringLiteral("SELECT * FROM [Remote] ORDER BY [機器番号], [リモコンボタン番号] ASC");
// All rows in key order: the spoken-label check.
inline const QString kLabelCheckQuery =
    QStringLiteral("SELECT * FROM [Remote] ORDER BY [機器番号],[リモコンボタン番号]");
// All rows of one device; the device number is bound, never pasted into the text.
inline const QString kDeviceQuery = QStringLiteral("SELECT * FROM [Remote] WHERE [機器番号]=?");

QString filePath();

} // namespace CatalogueDatabase

// One open connection to the catalogue file, closed and removed with the object. Every operation
// opens its own; the learning page keeps one for as long as its grid is bound to it. Queries and
// models made on database() must be gone before the connection is destroyed.
class CatalogueConnection {
public:
    // Opens the file. A missing file is created with an empty table; an existing file that cannot
    // be read as a catalogue is reported (naming the file) and never written.
    static Result<CatalogueConnection> open();

    CatalogueConnection(CatalogueConnection&& other) noexcept;
    CatalogueConnection& operator=(CatalogueConnection&&) = delete;
    CatalogueConnection(const CatalogueConnection&) = delete;
    ~CatalogueConnection();

    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }

private:
    explicit CatalogueConnection(QString name) : m_name(std::move(name)) {}
    QString m_name;
};
