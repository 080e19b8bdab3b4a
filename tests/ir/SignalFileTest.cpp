#include "SignalFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

TEST(SignalFile, LinesHaveTheirExactForm)
{
    EXPECT_EQ(formatSignalLine(0, 1), " 0 , 1 \r\n");
    EXPECT_EQ(formatSignalLine(0.000013, 0), " 0.000013 , 0 \r\n");
    EXPECT_EQ(formatSignalLine(2.999999999, 0), " 2.999999999 , 0 \r\n");
    EXPECT_EQ(formatSignalLine(1.5, 1), " 1.5 , 1 \r\n");
}

TEST(SignalFile, ReadersAcceptEveryFormOfEarlierVersions)
{
    struct Case {
        const char* line;
        double time;
        int level;
    } cases[] = {
        {" 0 , 1 ", 0, 1},
        {" .000013 , 0 ", 0.000013, 0},
        {"0.000013,0", 0.000013, 0},
        {" 1.3E-05 , 1 ", 1.3e-05, 1},
        {"   2.5   ,   0   \r", 2.5, 0},
        {"\t7 ,\t1", 7, 1},
    };
    for (const Case& c : cases) {
        const auto r = parseSignalLine(c.line);
        ASSERT_TRUE(r) << c.line;
        EXPECT_DOUBLE_EQ(r->time, c.time) << c.line;
        EXPECT_EQ(r->level, c.level) << c.line;
    }
    for (const char* bad : {"", " , 1", "0.5", "0.5 , ", "abc , 1", "0.5 , x", "1.0 , 1 , 2", "nan , 1"})
        EXPECT_FALSE(parseSignalLine(bad)) << bad;
}

TEST(SignalFile, WritesAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("temp.rmt");
    const double times[] = {0, 0.0000131, 0.000026};
    const std::uint8_t levels[] = {1, 0, 1};
    ASSERT_TRUE(writeSignalFile(path, times, levels, 3));
    EXPECT_EQ(contentOf(path), " 0 , 1 \r\n 0.0000131 , 0 \r\n 0.000026 , 1 \r\n");
    const auto records = readSignalFile(path);
    ASSERT_TRUE(records.ok());
    ASSERT_EQ(records->size(), 3u);
    EXPECT_DOUBLE_EQ((*records)[1].time, 0.0000131);
    EXPECT_EQ((*records)[2].level, 1);
    ASSERT_TRUE(writeSignalFile(path, nullptr, nullptr, 0));
    EXPECT_EQ(contentOf(path), "") << "no signal: an empty file";
    EXPECT_TRUE(readSignalFile(path)->empty());
}

TEST(SignalFile, FailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("temp.rmt");
    put(path, " 0 , 0 \r\n");
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const double times[] = {0};
    const std::uint8_t levels[] = {1};
    EXPECT_FALSE(writeSignalFile(dir.filePath("no/such/folder/x.rmt"), times, levels, 1));
    const Status written = writeSignalFile(path, times, levels, 1);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (written)
        GTEST_SKIP() << "root writes into read-only folders";
    EXPECT_EQ(contentOf(path), " 0 , 0 \r\n");
}

TEST(SignalFile, UnreadableFilesAreErrors)
{
    QTemporaryDir dir;
    EXPECT_FALSE(readSignalFile(dir.filePath("missing.rmt")));
    const QString garbled = dir.filePath("garbled.rmt");
    put(garbled, " 0 , 1 \r\n 0.1 , 0 \r\n half a line\r\n");
    const auto r = readSignalFile(garbled);
    ASSERT_FALSE(r);
    EXPECT_TRUE(r.error().contains("line 3"));
    const QString huge = dir.filePath("huge.rmt");
    put(huge, QByteArray("0,1\n").repeated(int(kMaxSignalRecords) + 1));
    EXPECT_FALSE(readSignalFile(huge));
    put(huge, QByteArray("0,1\n").repeated(int(kMaxSignalRecords)));
    EXPECT_TRUE(readSignalFile(huge));
}

} // namespace
