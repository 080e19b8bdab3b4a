#include "DtmfKeyTable.h"

#include <gtest/gtest.h>

TEST(DtmfKeyTable, RecognisesTheWholeBufferInTableOrder)
{
    const DtmfKeyTable table({{"AM_Remote", "12"}, {"IRR_Pass", "1234"}, {"Other", "12"}, {"Empty", ""}});
    struct Case {
        const char* buffer;
        std::optional<int> position;
    };
    const Case cases[] = {
        {"12", 1},   // the first of two equal codes
        {"1234", 2}, // reached only when "12" is not matched first, as while keying it
        {"1", std::nullopt}, {"123", std::nullopt}, {"012", std::nullopt},
        {"", std::nullopt}, // an empty code never opens anything
    };
    for (const Case& c : cases)
        EXPECT_EQ(table.match(QString(c.buffer)), c.position) << c.buffer;
    EXPECT_EQ(table.longestCode(), 4);
    EXPECT_EQ(DtmfKeyTable().longestCode(), 0);
    EXPECT_EQ(table.at(2).name, QString("IRR_Pass"));
}
