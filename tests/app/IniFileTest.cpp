#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

} // namespace

TEST(IniFile, ReadOfMissingFileCreatesNothing)
{
    QTemporaryDir dir;
    const IniFile ini(dir.filePath("setting.ini"));
    EXPECT_EQ(ini.read(u"Tapi", u"Card"), QString(""));
    EXPECT_FALSE(QFile::exists(ini.path()));
}

TEST(IniFile, WritesPrivateFileAndKeepsItsForm)
{
    QTemporaryDir dir;
    const IniFile ini(dir.filePath("setting.ini"));
    put(ini.path(), "\xEF\xBB\xBF; mine\r\n[Tapi]\r\nCard=old\r\n");
    ::chmod(QFile::encodeName(ini.path()).constData(), 0644);
    ASSERT_TRUE(ini.write(u"tapi", u"CARD", u"Talvero Virtual Line"));
    EXPECT_EQ(contents(ini.path()), QByteArray("\xEF\xBB\xBF; mine\r\n[Tapi]\r\nCARD=Talvero Virtual Line\r\n"));
    EXPECT_EQ(modeOf(ini.path()), 0600u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"setting.ini"});
}

TEST(IniFile, ReadsShiftJisAndStoresUtf8OnTheNextWrite)
{
    QTemporaryDir dir;
    const IniFile ini(dir.filePath("setting.ini"));
    put(ini.path(), "[Reception]\nReception0=\x82\xBD\x82\xBE\x82\xA2\x82\xDC\x97\xAF\x8E\xE7\x82\xC9\x82\xB5"
                    "\x82\xC4\x82\xA8\x82\xE8\x82\xDC\x82\xB7\n\xFF\xFE junk line\n");
    const QString greeting = QStringLiteral("ただいま留守にしております");
    EXPECT_EQ(ini.read(u"Reception", u"Reception0"), greeting);
    ASSERT_TRUE(ini.write(u"Reception", u"Reception1", u"ピーという音"));
    const QByteArray after = contents(ini.path());
    EXPECT_TRUE(after.contains(greeting.toUtf8()));
    EXPECT_EQ(ini.read(u"Reception", u"Reception0"), greeting);
    EXPECT_EQ(ini.read(u"Reception", u"Reception1"), QStringLiteral("ピーという音"));
}

TEST(IniFile, FailedWriteLeavesOldFile)
{
    QTemporaryDir dir;
    EXPECT_FALSE(IniFile(dir.filePath("missing/setting.ini")).write(u"A", u"x", u"1"));
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
    if (::geteuid() == 0)
        return; // root writes into a read-only folder
    const IniFile ini(dir.filePath("setting.ini"));
    put(ini.path(), "[A]\nx=1\n");
    ::chmod(QFile::encodeName(dir.path()).constData(), 0500);
    EXPECT_FALSE(ini.write(u"A", u"x", u"2"));
    ::chmod(QFile::encodeName(dir.path()).constData(), 0700);
    EXPECT_EQ(contents(ini.path()), QByteArray("[A]\nx=1\n"));
}

TEST(IniFile, WriterKilledMidWriteLeavesWholeFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("setting.ini");
    const IniFile ini(path);
    for (int k = 0; k < 30; ++k)
        ASSERT_TRUE(ini.write(u"Keep", QStringLiteral("K%1").arg(k), QStringLiteral("値%1").arg(k)));

    auto* rng = QRandomGenerator::global();
    for (int run = 0; run < 40; ++run) {
        QProcess writer;
        writer.start(QStringLiteral(SETTINGS_WRITER), {path});
        ASSERT_TRUE(writer.waitForStarted());
        QThread::usleep(rng->bounded(2000, 40000));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        writer.waitForFinished();

        for (int k = 0; k < 30; ++k)
            ASSERT_EQ(ini.read(u"Keep", QStringLiteral("K%1").arg(k)), QStringLiteral("値%1").arg(k)) << "run " << run;
        for (int k = 0; k < 20; ++k) {
            const QString v = ini.read(u"Loop", QStringLiteral("Key%1").arg(k));
            if (v.isEmpty())
                continue; // not written yet
            const QString round = v.section(u' ', 0, 1) + u' ';
            ASSERT_EQ(v, round.repeated(20).trimmed()) << "run " << run << " key " << k;
        }
    }
    // The last run may leave its temporary file; the next write removes it.
    ASSERT_TRUE(ini.write(u"Keep", u"K0", u"値0"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"setting.ini"});
}
