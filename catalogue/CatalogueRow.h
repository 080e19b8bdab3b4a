#pragma once

#include <QString>

// One row of the table Remote, in column order. Null columns are read as the empty string.
struct CatalogueRow {
    QString device;      // 機器番号: one digit "0".."9"
    QString name;        // 機器の名前
    QString button;      // リモコンボタン番号: two digits "00".."99", leading zero kept
    QString description; // 機能の説明
    QString fileName;    // FileName: full path of the signal file as it was when the row was added

    bool operator==(const CatalogueRow&) const = default;
};
