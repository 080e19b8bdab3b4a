#include "InMemoryCatalogue.h"

#include <gtest/gtest.h>

namespace {

CatalogueRow row(const QString& device, const QString& button, const QString& description = "説明")
{
    return {device, "名前", button, description, "/x/Remote/" + device + "-" + button};
}

} // namespace

TEST(InMemoryCatalogue, FindsDevicesAndButtonsByTheirText)
{
    InMemoryCatalogue catalogue;
    catalogue.load({row("0", "00", "点灯"), row("1", "05", "録画"), row("1", "10", "停止"), row("3", "99", "")});
    struct Case {
        const char* device;
        const char* button;
        std::optional<int> slot;
        const char* description; // nullptr: no entry
    };
    const Case cases[] = {
        {"0", "00", 1, "点灯"},
        {"1", "05", 2, "録画"},
        {"1", "10", 2, "停止"},
        {"3", "99", 3, ""},
        {"1", "5", 2, nullptr},
        {"1", "06", 2, nullptr},
        {"2", "05", std::nullopt, nullptr},
        {"", "05", std::nullopt, nullptr},
        {"13", "99", std::nullopt, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(catalogue.deviceSlot(QString(c.device)), c.slot) << c.device;
        const auto entry = catalogue.buttonEntry(QString(c.device), QString(c.button));
        ASSERT_EQ(entry.has_value(), c.description != nullptr) << c.device << c.button;
        if (entry) {
            EXPECT_EQ(entry->description, QString(c.description));
            EXPECT_EQ(entry->signalFile, QString("/x/Remote/%1-%2").arg(c.device, c.button));
        }
    }
}

TEST(InMemoryCatalogue, SkipsRowsItCannotHold)
{
    QList<CatalogueRow> rows{row("", "01"), row("12", "01"), row("x", "01"), row("2", "1"), row("2", "001")};
    for (int b = 0; b < 100; ++b)
        rows << row("5", QString::asprintf("%02d", b));
    rows << row("5", "99", "101番目"); // a duplicate pair written elsewhere: one entry too many
    InMemoryCatalogue catalogue;
    catalogue.load(rows);
    EXPECT_FALSE(catalogue.deviceSlot(u"2"));
    EXPECT_EQ(catalogue.deviceSlot(u"5"), 1);
    EXPECT_EQ(catalogue.buttonEntry(u"5", u"99")->description, QString("説明"));
    EXPECT_TRUE(catalogue.buttonEntry(u"5", u"00"));
}

TEST(InMemoryCatalogue, ALoadForgetsWhatTheRowsNoLongerHold)
{
    InMemoryCatalogue catalogue;
    catalogue.load({row("1", "05"), row("2", "01")});
    catalogue.load({row("2", "02")});
    EXPECT_FALSE(catalogue.deviceSlot(u"1"));
    EXPECT_FALSE(catalogue.buttonEntry(u"1", u"05"));
    EXPECT_FALSE(catalogue.buttonEntry(u"2", u"01"));
    EXPECT_EQ(catalogue.deviceSlot(u"2"), 1);
    EXPECT_TRUE(catalogue.buttonEntry(u"2", u"02"));
}
