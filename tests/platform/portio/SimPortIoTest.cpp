#include "PortIo.h"
#include "VirtualModule.h"

#include "MonotonicClock.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SimPortIoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VirtualModule::instance().reset();
        VirtualModule::instance().setAccessCostNs(0);
    }
    void TearDown() override
    {
        VirtualModule::instance().setTraceFile({});
        VirtualModule::instance().reset();
        VirtualModule::instance().setAccessCostNs(1000);
    }
    std::unique_ptr<PortIo> port = makePortIo(QStringLiteral("sim"));
};

TEST_F(SimPortIoTest, BitOperationsChangeOnlyTheirBit)
{
    port->PortOut(0x37A, 0x0B);
    port->SetPortBit(0x37A, 5);
    EXPECT_EQ(port->PortIn(0x37A), 0x2B);
    port->ClrPortBit(0x37A, 1);
    EXPECT_EQ(port->PortIn(0x37A), 0x29);
    port->PortOut(0x278, 2);
    EXPECT_EQ(port->PortIn(0x278), 2);
    EXPECT_EQ(port->PortIn(0x378), 0) << "each base has registers of its own";
    EXPECT_EQ(port->PortIn(0x300), 0xFF) << "no port there";
}

TEST_F(SimPortIoTest, ReceiverBitFollowsTheLightOnEveryBase)
{
    EXPECT_TRUE(port->IsDriverInstalled());
    EXPECT_EQ(port->driverProblem(), "");
    for (std::uint16_t status : {0x379, 0x279, 0x3BD})
        EXPECT_EQ(port->PortIn(status) & 0x10, 0x10) << "dark";
    VirtualModule::instance().remote().setLight(true);
    for (std::uint16_t status : {0x379, 0x279, 0x3BD})
        EXPECT_EQ(port->PortIn(status) & 0x10, 0) << "lit";
}

TEST_F(SimPortIoTest, LedIsDataBitZeroOfAnyBase)
{
    EXPECT_FALSE(VirtualModule::instance().ledOn());
    port->PortOut(0x3BC, 1);
    EXPECT_TRUE(VirtualModule::instance().ledOn());
    port->PortOut(0x3BC, 2);
    EXPECT_FALSE(VirtualModule::instance().ledOn());
}

TEST_F(SimPortIoTest, TraceHasOneLinePerRegisterWrite)
{
    QTemporaryDir dir;
    const QString trace = dir.filePath("trace.txt");
    VirtualModule::instance().setTraceFile(trace);
    port->PortOut(0x378, 1);
    port->PortOut(0x378, 1); // the same value again is still a write
    port->SetPortBit(0x37A, 5);
    port->PortOut(0x278, 0); // clearing a clear register shows too
    port->PortOut(0x379, 0); // the status register is read-only: no line
    port.reset();            // flushes
    QFile f(trace);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    const QList<QByteArray> first = lines[0].split(' ');
    ASSERT_EQ(first.size(), 3);
    EXPECT_GT(first[0].toLongLong(), 0);
    EXPECT_EQ(first[1], "378");
    EXPECT_EQ(first[2], "01");
    EXPECT_TRUE(lines[1].endsWith(" 378 01")) << lines[1].constData();
    EXPECT_TRUE(lines[2].endsWith(" 37A 20")) << lines[2].constData();
    EXPECT_TRUE(lines[3].endsWith(" 278 00")) << lines[3].constData();
}

TEST_F(SimPortIoTest, AccessCostIsSpentOnEveryRead)
{
    VirtualModule::instance().setAccessCostNs(200'000);
    const std::int64_t start = MonotonicClock::now();
    port->PortIn(0x379);
    EXPECT_GE(MonotonicClock::now() - start, 200'000);
}

} // namespace
