#pragma once

#include <QString>

class QComboBox;

// A list that offers only its own values shows a stored value: the matching entry is selected; a
// value it does not offer (a hand-edited file, a modem that is not plugged in) is added at the end
// and selected, so that saving without touching the list writes it back unchanged; an empty value
// selects the entry at emptyIndex (-1: none).
void showStoredChoice(QComboBox& list, const QString& value, int emptyIndex);
