#include "MessageMinutes.h"

#include <gtest/gtest.h>

TEST(MessageMinutesTest, StoredSecondsShowAsMinutesAndGoBackAsWholeMinutes)
{
    struct Case {
        const char* stored;
        const char* shown;
        const char* saved;
    };
    const Case cases[] = {
        {"180", "3", "180"},   {"90", "1.5", "120"},                      // a half goes to the even neighbour
        {"150", "2.5", "120"}, {"600", "10", "600"}, {"30", "0.5", "60"}, // never less than a minute
        {"900", "15", "600"},                                             // nor more than the list's ten
        {"", "", ""},          {"abc", "", ""},      {"-60", "", ""},
    };
    for (const Case& c : cases) {
        const QString shown = MessageMinutes::fromSeconds(QString::fromLatin1(c.stored));
        EXPECT_EQ(shown, QString::fromLatin1(c.shown)) << c.stored;
        EXPECT_EQ(MessageMinutes::toSeconds(shown), QString::fromLatin1(c.saved)) << c.stored;
    }
}
