#include "TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

// talvero-ir on a private data folder.
class CatalogueCommands : public ::testing::Test {
protected:
    Outcome talveroIr(const QStringList& args)
    {
        QProcess p;
        p.start(QStringLiteral(TALVERO_IR_PROGRAM), QStringList{"--home", home.path()} + args);
        EXPECT_TRUE(p.waitForFinished(60'000));
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    void put(const QString& relative, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(home.file(relative)).absolutePath());
        QFile f(home.file(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray contents(const QString& relative)
    {
        QFile f(home.file(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(home.file(relative)); }

    TempHome home;
};

} // namespace

TEST_F(CatalogueCommands, AddListAndRemoveOnADataFolder)
{
    put("Remote/temp.rmt", "learned\r\n");
    put("tv.rmt", "imported\r\n");
    EXPECT_EQ(talveroIr({"add", "1", "05", "ビデオ", "録画"}).exitCode, 0);
    EXPECT_EQ(talveroIr({"add", "2", "10", "テレビ", "音量\t大", "--from", home.file("tv.rmt")}).exitCode, 0);
    EXPECT_FALSE(exists("Remote/temp.rmt"));
    EXPECT_EQ(contents("Remote/1-05"), "learned\r\n");
    EXPECT_EQ(contents("Remote/2-10"), "imported\r\n");
    EXPECT_TRUE(exists("tv.rmt"));

    const Outcome listed = talveroIr({"list"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_EQ(listed.out, QString("1\tビデオ\t05\t録画\t%1\n2\tテレビ\t10\t音量 大\t%2\n")
                              .arg(home.file("Remote/1-05"), home.file("Remote/2-10")));

    put("Ans/105.wav", "label");
    EXPECT_EQ(talveroIr({"remove", "1", "05"}).exitCode, 0);
    EXPECT_FALSE(exists("Remote/1-05"));
    EXPECT_FALSE(exists("Ans/105.wav"));
    const Outcome again = talveroIr({"remove", "1", "05"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains("記録されていません")) << again.err.toStdString();
    EXPECT_TRUE(talveroIr({"list"}).out.startsWith("2\t"));
}

TEST_F(CatalogueCommands, OverwriteNeedsYes)
{
    put("a.rmt", "first\r\n");
    put("b.rmt", "second\r\n");
    ASSERT_EQ(talveroIr({"add", "1", "05", "ビデオ", "録画", "--from", home.file("a.rmt")}).exitCode, 0);

    const Outcome refused = talveroIr({"add", "1", "05", "テレビ", "電源", "--from", home.file("b.rmt")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("すでに記録されています")) << refused.err.toStdString();
    EXPECT_EQ(contents("Remote/1-05"), "first\r\n");

    EXPECT_EQ(talveroIr({"add", "--yes", "1", "05", "テレビ", "電源", "--from", home.file("b.rmt")}).exitCode, 0);
    EXPECT_EQ(contents("Remote/1-05"), "second\r\n");
    const Outcome listed = talveroIr({"list"});
    EXPECT_TRUE(listed.out.startsWith("1\tテレビ\t05\t電源\t")) << listed.out.toStdString();
    EXPECT_EQ(listed.out.count('\n'), 1);
}

TEST_F(CatalogueCommands, ReportsBadInputAndChangesNothing)
{
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"add", "1", "05", "ビデオ", "録画"}, 1, "temp.rmt"},
        {{"add", "10", "05", "ビデオ", "録画", "--from", "/nonexistent"}, 1, "0〜9"},
        {{"add", "1", "05", "ビデオ", "", "--from", home.file("signal.rmt")}, 1, "説明をつけずに"},
        {{"add", "1", "05", "ビデオ"}, 2, "usage"},
        {{"remove", "1"}, 2, "usage"},
        {{"list", "extra"}, 2, "usage"},
    };
    put("signal.rmt", "signal\r\n");
    for (const Case& c : cases) {
        const Outcome r = talveroIr(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    }
    EXPECT_EQ(talveroIr({"list"}).out, QString());
    EXPECT_FALSE(exists("Remote/1-05"));
}

TEST_F(CatalogueCommands, ACatalogueThatCannotBeReadIsNamed)
{
    put("IRRemote.db", QByteArray("not a database").repeated(100));
    const Outcome listed = talveroIr({"list"});
    EXPECT_EQ(listed.exitCode, 1);
    EXPECT_TRUE(listed.err.contains(home.file("IRRemote.db"))) << listed.err.toStdString();
    EXPECT_EQ(contents("IRRemote.db"), QByteArray("not a database").repeated(100));
}
