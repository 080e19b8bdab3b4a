#include "RtThrottle.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray("<missing>");
}

void put(const QString& path, const QByteArray& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

class RtThrottleTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString runtime = dir.filePath("sched_rt_runtime_us");
    QString lock = dir.filePath("rt.lock");
};

TEST_F(RtThrottleTest, LiftsTheThrottleAndRestoresIt)
{
    put(runtime, "950000\n");
    {
        RtThrottle throttle(runtime, lock);
        EXPECT_TRUE(throttle.unthrottled());
        EXPECT_EQ(contentOf(runtime), "-1");
        EXPECT_EQ(contentOf(lock), "950000") << "kept for a session that dies half-way";
    }
    EXPECT_EQ(contentOf(runtime), "950000");
    EXPECT_EQ(contentOf(lock), "");
}

TEST_F(RtThrottleTest, ValueLeftByAKilledSessionIsRestored)
{
    put(runtime, "-1\n");
    put(lock, "950000");
    {
        RtThrottle throttle(runtime, lock);
        EXPECT_TRUE(throttle.unthrottled());
    }
    EXPECT_EQ(contentOf(runtime), "950000");
}

TEST_F(RtThrottleTest, LiftedByTheAdministratorStaysLifted)
{
    put(runtime, "-1\n");
    {
        RtThrottle throttle(runtime, lock);
    }
    EXPECT_EQ(contentOf(runtime), "-1");
}

TEST_F(RtThrottleTest, NoThrottleFileMeansNoThrottle)
{
    RtThrottle throttle(dir.filePath("absent"), lock);
    EXPECT_TRUE(throttle.unthrottled());
}

TEST_F(RtThrottleTest, ReadOnlyThrottleStaysThrottled)
{
    put(runtime, "950000\n");
    QFile::setPermissions(runtime, QFile::ReadOwner);
    if (QFile(runtime).open(QIODevice::WriteOnly))
        GTEST_SKIP() << "root writes read-only files";
    RtThrottle throttle(runtime, lock);
    EXPECT_FALSE(throttle.unthrottled());
    EXPECT_EQ(contentOf(runtime), "950000");
}

} // namespace
