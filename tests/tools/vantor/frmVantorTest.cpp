#include "frmVantor.h"

#include "BuiltProgram.h"
#include "HistogramView.h"
#include "ScriptedPrompt.h"
#include "VirtualModule.h"
#include "VirtualModuleTrace.h"
#include "sim/SimDesktop.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

class frmVantorTest : public ::testing::Test {
protected:
    VirtualModuleTrace m_trace;
    QTemporaryDir m_dir;
    SimDesktop m_desktop;
};

// Notes what the window shows when the receiver is first read.
class WatchedPort : public SimPortIo {
public:
    std::function<void()> onFirstRead;
    std::uint8_t PortIn(std::uint16_t port) override
    {
        if (port == 0x379 && onFirstRead)
            std::exchange(onFirstRead, nullptr)();
        return SimPortIo::PortIn(port);
    }
};

} // namespace

TEST_F(frmVantorTest, ShowsMeasuringWhileSampling)
{
    WatchedPort port;
    frmVantor window(port, m_desktop, QString());
    QString mean, max;
    bool buttonEnabled = true;
    port.onFirstRead = [&] {
        mean = window.Label3->text();
        max = window.Label4->text();
        buttonEnabled = window.Command1->isEnabled();
    };
    window.Command1_Click();
    EXPECT_EQ(mean, u"測定中");
    EXPECT_EQ(max, u"測定中");
    EXPECT_FALSE(buttonEnabled);
    EXPECT_NE(window.Label3->text(), u"測定中");
}

TEST_F(frmVantorTest, MeasuresOnTheVirtualModuleAndResetsThePorts)
{
    // Every read of 13 µs is longer than the limit: all the time is lost.
    VirtualModule::instance().setAccessCostNs(13'000);
    SimPortIo port;
    frmVantor window(port, m_desktop, QString());
    window.Command1_Click();

    EXPECT_TRUE(window.Command1->isEnabled());
    EXPECT_EQ(window.Label12->text(), u"100");
    EXPECT_GE(window.Label3->text().toDouble(), 13);
    EXPECT_GE(window.Label4->text().toDouble(), window.Label3->text().toDouble());
    EXPECT_EQ(window.Label9[0]->text(), u"0");
    EXPECT_GE(window.Label9[1]->text().toInt(), 39);
    EXPECT_GE(window.Picture1->scaleWidth(), 39);
    // Receive set-up on 378H (direction bit cleared, data 2, direction bit set), then the reset of all
    // three bases.
    EXPECT_EQ(m_trace.writes(),
              (QStringList{"37A 00", "378 02", "37A 20", "37A 00", "378 00", "27A 00", "278 00", "3BE 00", "3BC 00"}));
}

TEST_F(frmVantorTest, WithoutTheDriverOnlyTheMessageAndTheReset)
{
    NoDriverPort port;
    port.PortOut(0x378, 0xFF);
    port.SetPortBit(0x37A, 5);
    port.PortOut(0x278, 0x55);
    port.SetPortBit(0x3BE, 5);
    port.PortOut(0x3BC, 0x01);
    ScriptedPrompt prompts;
    prompts.expect(QStringLiteral("IO.dll not properly istalled."));
    frmVantor window(port, m_desktop, QString());
    window.Command1_Click();

    EXPECT_EQ(prompts.pending(), 0);
    EXPECT_EQ(window.Label3->text(), QString());
    EXPECT_EQ(window.Picture1->scaleWidth(), 0);
    for (std::uint16_t base : {0x378, 0x278, 0x3BC}) {
        EXPECT_EQ(port.PortIn(base), 0) << std::hex << base;
        EXPECT_EQ(port.PortIn(std::uint16_t(base + 2)) & 0x20, 0) << std::hex << base;
    }
}

TEST_F(frmVantorTest, ExplanationOpensTheShippedText)
{
    const QString shipped = builtProgram("../share/talvero/vantor/Vantor.txt");
    QFile file(shipped);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << shipped.toStdString();
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("エラーレートが高いときは")));

    SimPortIo port;
    frmVantor window(port, m_desktop, shipped);
    window.Command2->click();
    EXPECT_EQ(m_desktop.calls(), QStringList{"openTextFile " + shipped});
}

TEST_F(frmVantorTest, MissingExplanationIsReported)
{
    SimPortIo port;
    ScriptedPrompt prompts;
    prompts.expect(QStringLiteral("Vantor.txt"));
    frmVantor window(port, m_desktop, m_dir.filePath("Vantor.txt"));
    window.Command2_Click();
    EXPECT_EQ(prompts.pending(), 0);
    EXPECT_TRUE(m_desktop.calls().isEmpty());
}
