#pragma once

#include <QList>
#include <QString>

// A catalogue row as the label check sees it. A name or description the catalogue holds as Null
// arrives as an empty text.
struct LabelRow {
    QString device;
    QString button;
    QString name;
    QString description;
};

struct MissingLabel {
    QString path;
    QString name;
    QString description;
};

inline constexpr int kMaxMissingLabels = 1000;

// The rows, in the given order, whose label file does not exist; at most kMaxMissingLabels. A label
// that exists is kept even when its row's name has changed since.
QList<MissingLabel> findMissingLabels(const QList<LabelRow>& rows);
