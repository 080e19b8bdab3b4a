#pragma once

#include "MissingLabels.h"
#include "Result.h"

// The start-up check: when catalogue rows have no spoken label, the label-creation window offers to
// record them (modal). Without missing labels nothing is shown.
void CheckSpokenLabels(const QList<LabelRow>& rows);
// The same over every row of the catalogue; the error says the catalogue could not be read.
Status CheckSpokenLabels();
