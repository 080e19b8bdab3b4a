#include "UucpLock.h"

#include "TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

void writeLock(const QString& path, const QByteArray& content)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

QByteArray readLock(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

pid_t deadProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(UucpLockTest, NamesTheLockAfterTheDevice)
{
    EXPECT_EQ(UucpLock::fileName("/dev/ttyACM0"), "LCK..ttyACM0");
    EXPECT_EQ(UucpLock::fileName("/nonexistent/ttyUSB1"), "LCK..ttyUSB1");
    TempHome home;
    const QString link = home.file("by-id-modem");
    ASSERT_TRUE(QFile::link("/dev/null", link));
    EXPECT_EQ(UucpLock::fileName(link), "LCK..null");
}

TEST(UucpLockTest, HoldsTheDeviceAndLetsGoOfIt)
{
    TempHome home;
    UucpLock lock;
    ASSERT_TRUE(lock.acquire(home.path(), "/dev/ttyS9").ok());
    EXPECT_EQ(readLock(lock.path()), QByteArray::number(qint64(::getpid())).rightJustified(10, ' ') + '\n');
    const QString path = lock.path();
    lock.release();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(UucpLockTest, TakesOverStaleLocksButNotALiveOwners)
{
    TempHome home;
    const QString path = QDir(home.path()).filePath("LCK..ttyS9");
    struct Case {
        const char* name;
        QByteArray content;
        bool taken;
    };
    const Case cases[] = {
        {"dead owner", QByteArray::number(qint64(deadProcess())).rightJustified(10, ' ') + '\n', true},
        {"garbled", "not a pid", true},
        {"live owner", "         1\n", false},
    };
    for (const Case& c : cases) {
        writeLock(path, c.content);
        UucpLock lock;
        const Status got = lock.acquire(home.path(), "/dev/ttyS9");
        EXPECT_EQ(got.ok(), c.taken) << c.name;
        if (!c.taken) {
            EXPECT_TRUE(got.error().contains("in use")) << c.name;
            EXPECT_EQ(readLock(path), c.content) << "another's lock is left alone";
        }
        lock.release();
        QFile::remove(path);
    }
}

TEST(UucpLockTest, AnUnwritableFolderIsAClearError)
{
    UucpLock lock;
    const Status got = lock.acquire("/nonexistent-lock-folder", "/dev/ttyS9");
    EXPECT_FALSE(got.ok());
    EXPECT_TRUE(got.error().contains("/nonexistent-lock-folder"));
}
