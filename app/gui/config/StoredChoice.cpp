#include "StoredChoice.h"

#include <QComboBox>

void showStoredChoice(QComboBox& list, const QString& value, int emptyIndex)
{
    if (value.isEmpty()) {
        list.setCurrentIndex(emptyIndex < list.count() ? emptyIndex : -1);
        return;
    }
    int at = list.findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (at < 0) {
        list.addItem(value);
        at = list.count() - 1;
    }
    list.setCurrentIndex(at);
}
