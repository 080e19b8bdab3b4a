#include "ReadIRData.h"

#include "CatalogueFixture.h"
#include "CatalogueStore.h"
#include "TempHome.h"

#include <gtest/gtest.h>

using namespace CatalogueFixture;

TEST(ReadIRData, LoadsTheFileAndReadsNullAsEmpty)
{
    TempHome home;
    insertRaw({"1", QVariant(), "05", QVariant(), QVariant()});
    insertRaw({"1", "ビデオ", "06", "停止", "/x/Remote/1-06"});
    insertRaw({QVariant(), "ビデオ", "07", "再生", "/x/Remote/1-07"});
    insertRaw({"2", "テレビ", QVariant(), "電源", "/x/Remote/2-"});
    insertRaw({7, "整数", 5, "数の鍵", "/x/Remote/7-5"}); // numbers from another program: the zero is lost
    ASSERT_TRUE(ReadIRData().ok());
    const InMemoryCatalogue& tables = irCatalogue();
    EXPECT_EQ(tables.deviceSlot(u"1"), 1);
    const auto entry = tables.buttonEntry(u"1", u"05");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->description, QString(""));
    EXPECT_EQ(entry->signalFile, QString(""));
    EXPECT_EQ(tables.buttonEntry(u"1", u"06")->signalFile, QString("/x/Remote/1-06"));
    EXPECT_FALSE(tables.deviceSlot(u"2"));
    EXPECT_FALSE(tables.deviceSlot(u"7"));
}

TEST(ReadIRData, AReloadNoLongerOffersADeletedSignal)
{
    TempHome home;
    insertRows({{"1", "ビデオ", "05", "録画", "/x/1-05"}, {"2", "テレビ", "01", "電源", "/x/2-01"}});
    ASSERT_TRUE(ReadIRData().ok());
    ASSERT_TRUE(irCatalogue().buttonEntry(u"1", u"05"));
    ASSERT_TRUE(CatalogueStore::deleteSignal("1", "05").value());
    ASSERT_TRUE(ReadIRData().ok());
    EXPECT_FALSE(irCatalogue().deviceSlot(u"1"));
    EXPECT_FALSE(irCatalogue().buttonEntry(u"1", u"05"));
    EXPECT_EQ(irCatalogue().deviceSlot(u"2"), 1);
}

TEST(ReadIRData, AFileThatCannotBeReadLeavesAnEmptyCatalogue)
{
    {
        TempHome home;
        insertRows({{"1", "ビデオ", "05", "録画", "/x/1-05"}});
        ASSERT_TRUE(ReadIRData().ok());
    }
    TempHome home;
    const QByteArray garbage = QByteArray("garbage").repeated(300);
    writeFile(home.file("IRRemote.db"), garbage);
    const Status read = ReadIRData();
    ASSERT_FALSE(read.ok());
    EXPECT_TRUE(read.error().contains(home.file("IRRemote.db"))) << read.error().toStdString();
    EXPECT_FALSE(irCatalogue().deviceSlot(u"1"));
    EXPECT_EQ(readFile(home.file("IRRemote.db")), garbage);
}
