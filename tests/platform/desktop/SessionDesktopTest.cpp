#include "SessionDesktop.h"
#include "AutostartEntry.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A private configuration folder for the autostart entry.
class SessionDesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_old = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_old); }

    QTemporaryDir m_config;
    QByteArray m_old;
    SessionDesktop m_desktop;
};

} // namespace

TEST_F(SessionDesktopTest, AutostartEntryIsWrittenAndRemoved)
{
    ASSERT_TRUE(m_desktop.addAutostart({"/t/Talvero", "--home", "/d"}));
    const QString path = m_config.filePath("autostart/talvero.desktop");
    ASSERT_EQ(AutostartEntry::filePath(), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), AutostartEntry::contents({"/t/Talvero", "--home", "/d"}));
    file.close();

    m_desktop.removeAutostart();
    EXPECT_FALSE(QFile::exists(path));
    m_desktop.removeAutostart(); // nothing left to remove: silent
}

TEST_F(SessionDesktopTest, AutostartFailureCarriesTheSystemText)
{
    // A file where the autostart folder belongs: the folder cannot be made.
    QFile blocker(m_config.filePath("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Status added = m_desktop.addAutostart({"/t/Talvero"});
    ASSERT_FALSE(added);
    EXPECT_FALSE(added.error().isEmpty());
}

TEST_F(SessionDesktopTest, OffscreenHasNoNotificationArea)
{
    EXPECT_FALSE(m_desktop.isTrayAvailable());
}
