#include "MissingLabels.h"

#include "SpokenLabel.h"

#include <QFileInfo>

QList<MissingLabel> findMissingLabels(const QList<LabelRow>& rows)
{
    QList<MissingLabel> missing;
    for (const LabelRow& row : rows) {
        if (missing.size() == kMaxMissingLabels)
            break;
        const QString path = spokenLabelPath(row.device, row.button);
        if (!QFileInfo(path).isFile())
            missing.append({path, row.name, row.description});
    }
    return missing;
}
