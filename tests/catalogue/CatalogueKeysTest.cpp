#include "CatalogueKeys.h"

#include "TempHome.h"

#include <gtest/gtest.h>

TEST(CatalogueKeys, AcceptsOnlyOneDigitAndTwoDigits)
{
    struct Case {
        const char16_t* device;
        const char16_t* button;
        bool pair;
    };
    const Case cases[] = {
        {u"1", u"05", true},   {u"0", u"00", true},   {u"9", u"99", true},   {u"", u"05", false},
        {u"12", u"05", false}, {u"1", u"5", false},   {u"1", u"005", false}, {u"a", u"05", false},
        {u"1", u"0x", false},  {u"１", u"05", false}, {u"1", u" 5", false},  {u"/", u"..", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogueKeys::isPair(c.device, c.button), c.pair)
            << QString::fromUtf16(c.device).toStdString() << " " << QString::fromUtf16(c.button).toStdString();
}

TEST(CatalogueKeys, NamesFilesAfterTheKeysAsText)
{
    TempHome home;
    EXPECT_EQ(CatalogueKeys::signalFilePath(u"1", u"05"), home.file("Remote/1-05"));
    EXPECT_EQ(CatalogueKeys::spokenLabelPath(u"1", u"05"), home.file("Ans/105.wav"));
    EXPECT_EQ(CatalogueKeys::workFilePath(), home.file("Remote/temp.rmt"));
}
