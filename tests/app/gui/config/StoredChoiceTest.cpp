#include "StoredChoice.h"

#include <QComboBox>

#include <gtest/gtest.h>

TEST(StoredChoiceTest, SelectsTheStoredValueAndKeepsOneTheListDoesNotOffer)
{
    struct Case {
        const char* stored;
        int emptyIndex;
        const char* shown;
        int count;
    };
    const Case cases[] = {
        {"4", 0, "4", 3},  // offered: selected
        {"9", 0, "9", 4},  // not offered: added and selected, so it is saved back as it was
        {"", 0, "2", 3},   // empty: the given entry
        {"", -1, "", 3},   // or none
        {"04", 0, "04", 4} // matched exactly
    };
    for (const Case& c : cases) {
        QComboBox list;
        list.addItems({"2", "3", "4"});
        showStoredChoice(list, QString::fromLatin1(c.stored), c.emptyIndex);
        EXPECT_EQ(list.currentText(), QString::fromLatin1(c.shown)) << c.stored;
        EXPECT_EQ(list.count(), c.count) << c.stored;
    }
}
