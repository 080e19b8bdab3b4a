#include "PortIo.h"

#include "Settings.h"
#include "TempHome.h"

#include <gtest/gtest.h>

namespace {

class MakePortIoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_saved = qgetenv("TALVERO_PORT");
        qunsetenv("TALVERO_PORT");
    }
    void TearDown() override { qputenv("TALVERO_PORT", m_saved); }
    TempHome home;
    QByteArray m_saved;
};

TEST_F(MakePortIoTest, NamesChooseTheImplementation)
{
    EXPECT_EQ(makePortIo(QStringLiteral("sim"))->kind(), "sim");
    EXPECT_EQ(makePortIo(QStringLiteral(" PPDEV "))->kind(), "ppdev");
    EXPECT_EQ(makePortIo(QStringLiteral("direct"))->kind(), "direct");
    // No /dev/parport on a machine without a port: auto takes the virtual module.
    EXPECT_EQ(makePortIo(QStringLiteral("auto"))->kind(), "sim");
}

TEST_F(MakePortIoTest, EnvironmentWinsOverTheSetting)
{
    ASSERT_TRUE(WriteSetting(u"Platform", u"Port", u"ppdev"));
    EXPECT_EQ(makePortIo()->kind(), "ppdev");
    qputenv("TALVERO_PORT", "sim");
    EXPECT_EQ(makePortIo()->kind(), "sim");
}

TEST_F(MakePortIoTest, UnknownNameIsAMissingDriverThatSaysWhy)
{
    ASSERT_TRUE(WriteSetting(u"Platform", u"Port", u"lpt1"));
    const auto port = makePortIo();
    EXPECT_FALSE(port->IsDriverInstalled());
    const QString message = driverMessage(*port);
    EXPECT_TRUE(message.startsWith("IO.dll not properly istalled.\n"));
    EXPECT_TRUE(message.contains("\"lpt1\""));
}

} // namespace
