#include "CatalogueStore.h"

#include "CatalogueFixture.h"
#include "TempHome.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace CatalogueFixture;
using namespace CatalogueStore;

namespace {

CatalogueRow row(const QString& device, const QString& name, const QString& button, const QString& description)
{
    return {device, name, button, description, "/x/Remote/" + device + "-" + button};
}

QStringList pairs(const QList<CatalogueRow>& rows)
{
    QStringList out;
    for (const CatalogueRow& r : rows)
        out << r.device + r.button;
    return out;
}

} // namespace

TEST(CatalogueStore, ReadsRowsInKeyOrderWithTheLeadingZeroKept)
{
    TempHome home;
    insertRows({row("2", "テレビ", "10", "音量"), row("1", "ビデオ", "05", "録画"), row("1", "ビデオ", "10", "停止"),
                row("0", "照明", "00", "点灯"), row("1", "ビデオ", "00", "電源")});
    const QStringList expected{"000", "100", "105", "110", "210"};
    for (const auto& read : {allRows(), labelCheckRows()}) {
        ASSERT_TRUE(read.ok()) << read.error().toStdString();
        EXPECT_EQ(pairs(*read), expected);
    }
    EXPECT_EQ(allRows()->at(2), row("1", "ビデオ", "05", "録画"));
}

TEST(CatalogueStore, TheDeviceFilterIsABoundParameter)
{
    TempHome home;
    insertRows({row("1", "ビデオ", "05", "録画"), row("2", "テレビ", "10", "音量")});
    const QString hostile[] = {u"1\" OR \"1\"=\"1"_qs, u"1' OR '1'='1"_qs, u"1\"; DELETE FROM [Remote]; --"_qs, u""_qs};
    for (const QString& device : hostile) {
        const auto rows = deviceRows(device);
        ASSERT_TRUE(rows.ok()) << rows.error().toStdString();
        EXPECT_TRUE(rows->isEmpty()) << device.toStdString();
        const auto lookup = lookupDevice(device, "05");
        ASSERT_TRUE(lookup.ok());
        EXPECT_FALSE(lookup->registered);
    }
    EXPECT_EQ(pairs(*deviceRows("1")), QStringList{"105"});
    EXPECT_EQ(storedRows().size(), 2);
}

TEST(CatalogueStore, LookupShowsTheFirstNameAndTheButtonsDescription)
{
    TempHome home;
    insertRaw({"3", QVariant(), "01", "電源", "/x/3-01"});
    insertRaw({"3", "別名", "02", QVariant(), "/x/3-02"});
    insertRows({row("4", "エアコン", "01", "冷房"), row("4", "クーラー", "02", "暖房")});
    struct Case {
        const char* device;
        const char* button;
        bool registered;
        QString name;
        QString description;
    };
    const Case cases[] = {
        {"3", "01", true, "-", "電源"},    {"3", "02", true, "-", ""},       {"4", "02", true, "エアコン", "暖房"},
        {"4", "05", true, "エアコン", ""}, {"5", "01", false, "未登録", ""},
    };
    for (const Case& c : cases) {
        const auto found = lookupDevice(c.device, c.button);
        ASSERT_TRUE(found.ok()) << found.error().toStdString();
        EXPECT_EQ(found->registered, c.registered) << c.device << c.button;
        EXPECT_EQ(found->name, c.name) << c.device << c.button;
        EXPECT_EQ(found->description, c.description) << c.device << c.button;
    }
}

TEST(CatalogueStore, DeleteRemovesTheRowAndItsFiles)
{
    TempHome home;
    insertRows({row("1", "ビデオ", "05", "録画"), row("1", "ビデオ", "06", "停止"), row("1", "ビデオ", "07", "再生")});
    writeFile(home.file("Remote/1-05"), "signal");
    writeFile(home.file("Ans/105.wav"), "label");
    writeFile(home.file("Ans/106.wav"), "label"); // 1-06 has no signal file any more, 1-07 no file at all

    for (const char* button : {"05", "06", "07"}) {
        const auto deleted = deleteSignal("1", button);
        ASSERT_TRUE(deleted.ok()) << deleted.error().toStdString();
        EXPECT_TRUE(*deleted) << button;
    }
    EXPECT_TRUE(storedRows().isEmpty());
    for (const char* gone : {"Remote/1-05", "Ans/105.wav", "Ans/106.wav"})
        EXPECT_FALSE(QFileInfo::exists(home.file(gone))) << gone;
}

TEST(CatalogueStore, DeleteOfAnUnknownOrOddPairTouchesNoFile)
{
    TempHome home;
    insertRows({row("1", "ビデオ", "05", "録画")});
    insertRaw({"1", "ビデオ", "5", "古い行", "/x/1-5"});
    writeFile(home.file("Remote/1-05"), "signal");
    writeFile(home.file("Remote/1-5"), "other");

    const auto unknown = deleteSignal("2", "05");
    ASSERT_TRUE(unknown.ok());
    EXPECT_FALSE(*unknown);
    // A row with a malformed key can be removed, but it names no file of ours.
    const auto odd = deleteSignal("1", "5");
    ASSERT_TRUE(odd.ok());
    EXPECT_TRUE(*odd);
    EXPECT_EQ(pairs(storedRows()), QStringList{"105"});
    EXPECT_TRUE(QFileInfo::exists(home.file("Remote/1-05")));
    EXPECT_TRUE(QFileInfo::exists(home.file("Remote/1-5")));
}
