#include "PeerBook.h"

#include "FakePppd.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(PeerBook, EntriesAreThePeerFiles)
{
    FakePppd fake;
    EXPECT_EQ(PeerBook::folder(), fake.peersDir());
    ASSERT_TRUE(PeerBook::entries().ok());
    EXPECT_TRUE(PeerBook::entries()->isEmpty());
    for (const char* name : {"provider", "office", ".hidden", "office~", "provider.dpkg-old", "isp.bak"})
        fake.addPeer(QString::fromUtf8(name), {});
    EXPECT_EQ(*PeerBook::entries(), QStringList({QStringLiteral("office"), QStringLiteral("provider")}));
    EXPECT_TRUE(PeerBook::hasEntry(QStringLiteral("office")));
    for (const char* name : {"", "missing", "..", "../peers/office", "/etc/passwd"})
        EXPECT_FALSE(PeerBook::hasEntry(QString::fromUtf8(name))) << name;
}

TEST(PeerBook, AFolderThatCannotBeReadFails)
{
    FakePppd fake;
    qputenv("NIMBAL_PEERS_DIR", QFile::encodeName(fake.peersDir() + QStringLiteral("/none")));
    EXPECT_FALSE(PeerBook::entries().ok());
}

TEST(PeerBook, PppdProgramCanBeSet)
{
    FakePppd fake;
    EXPECT_EQ(PeerBook::pppdProgram(), fake.program());
}
