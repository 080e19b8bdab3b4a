#pragma once

#include "MissingLabels.h"

// The start-up check: when catalogue rows have no spoken label, the label-creation window offers to
// record them (modal). Without missing labels nothing is shown.
void CheckSpokenLabels(const QList<LabelRow>& rows);
