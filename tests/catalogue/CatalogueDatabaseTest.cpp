#include "CatalogueDatabase.h"

#include "CatalogueFixture.h"
#include "DataFolder.h"
#include "TempHome.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

using namespace CatalogueFixture;

TEST(CatalogueDatabase, CreatesTheTableWhenTheFileIsMissing)
{
    TempHome home;
    ASSERT_FALSE(QFileInfo::exists(home.file("IRRemote.db")));
    {
        const Result<CatalogueConnection> connection = CatalogueConnection::open();
        ASSERT_TRUE(connection.ok()) << connection.error().toStdString();
        QSqlQuery query(connection->database());
        ASSERT_TRUE(query.exec(CatalogueDatabase::kOrderedQuery));
        const QSqlRecord record = query.record();
        ASSERT_EQ(record.count(), 5);
        const QStringList expected{u"機器番号"_qs, u"機器の名前"_qs, u"リモコンボタン番号"_qs, u"機能の説明"_qs,
                                   u"FileName"_qs};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(record.fieldName(i), expected[i]);
    }
    EXPECT_TRUE(QFileInfo(home.file("IRRemote.db")).isFile());
}

TEST(CatalogueDatabase, ReportsAFileItCannotReadAndLeavesItAlone)
{
    struct Case {
        const char* what;
        bool folder; // a folder stands where the file should be
        QByteArray contents;
    };
    const Case cases[] = {
        {"not a database", false, QByteArray("this is not a database\r\n").repeated(200)},
        {"empty file", false, QByteArray()},
        {"a folder", true, QByteArray()},
    };
    for (const Case& c : cases) {
        TempHome home;
        const QString path = home.file("IRRemote.db");
        if (c.folder)
            QDir().mkpath(path);
        else
            writeFile(path, c.contents);
        {
            const Result<CatalogueConnection> connection = CatalogueConnection::open();
            ASSERT_FALSE(connection.ok()) << c.what;
            EXPECT_TRUE(connection.error().contains(path)) << connection.error().toStdString();
        }
        if (c.folder)
            EXPECT_TRUE(QFileInfo(path).isDir());
        else
            EXPECT_EQ(readFile(path), c.contents) << c.what;
    }
}

TEST(CatalogueDatabase, RefusesADatabaseWithoutTheTable)
{
    TempHome home;
    const QString path = home.file("IRRemote.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("CREATE TABLE Other (x TEXT)");
        db.close();
    }
    QSqlDatabase::removeDatabase("foreign");
    const QByteArray before = readFile(path);
    {
        const Result<CatalogueConnection> connection = CatalogueConnection::open();
        ASSERT_FALSE(connection.ok());
        EXPECT_TRUE(connection.error().contains(path));
    }
    EXPECT_EQ(readFile(path), before);
}

TEST(CatalogueDatabase, NeedsADataFolder)
{
    const QString previous = DataFolder::current();
    DataFolder::setCurrent({});
    const Result<CatalogueConnection> connection = CatalogueConnection::open();
    DataFolder::setCurrent(previous);
    EXPECT_FALSE(connection.ok());
    EXPECT_FALSE(QFileInfo::exists("/IRRemote.db"));
}
