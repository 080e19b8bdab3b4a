#pragma once

#include <QString>

// The spoken label of a catalogue row, "\Ans\<device><button>.wav": the character saying the
// device's name, a pause and the function's description.
QString spokenLabelPath(const QString& device, const QString& button);
QString spokenLabelText(const QString& name, const QString& description);

// Records the label of a newly added signal. Shows what went wrong; false then.
bool MakeSpokenLabel(const QString& device, const QString& button, const QString& name, const QString& description);
