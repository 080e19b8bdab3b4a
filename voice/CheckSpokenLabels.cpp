#include "CheckSpokenLabels.h"

#include "frmRecVoice.h"

void CheckSpokenLabels(const QList<LabelRow>& rows)
{
    QList<MissingLabel> missing = findMissingLabels(rows);
    if (missing.isEmpty())
        return;
    frmRecVoice window(std::move(missing));
    window.exec();
}
