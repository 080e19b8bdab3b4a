#include "CheckSpokenLabels.h"

#include "CatalogueStore.h"
#include "frmRecVoice.h"

void CheckSpokenLabels(const QList<LabelRow>& rows)
{
    QList<MissingLabel> missing = findMissingLabels(rows);
    if (missing.isEmpty())
        return;
    frmRecVoice window(std::move(missing));
    window.exec();
}

Status CheckSpokenLabels()
{
    const Result<QList<CatalogueRow>> rows = CatalogueStore::labelCheckRows();
    if (!rows)
        return Status::failure(rows.error());
    QList<LabelRow> labelRows;
    for (const CatalogueRow& row : *rows)
        labelRows.append({row.device, row.button, row.name, row.description});
    CheckSpokenLabels(labelRows);
    return {};
}
