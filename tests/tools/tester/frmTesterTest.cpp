#include "frmTester.h"

#include "ScriptedPrompt.h"
#include "Settings.h"
#include "TempHome.h"
#include "VirtualModuleTrace.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class frmTesterTest : public ::testing::Test {
protected:
    TempHome m_home;
    VirtualModuleTrace m_trace;
    SimPortIo m_port;
    frmTester::LightSwitch m_light = [](bool lit) { VirtualModule::instance().remote().setLight(lit); };
};

QList<QAction*> checkedItems(const frmTester& w)
{
    QList<QAction*> checked;
    for (QAction* a : {w.M378, w.M278, w.M3BC}) {
        if (a->isChecked())
            checked << a;
    }
    return checked;
}

} // namespace

TEST_F(frmTesterTest, LoadTakesTheStoredAddressAndReleasesItsDataLines)
{
    ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"3BC"));
    frmTester window(m_port, m_light);
    window.Form_Load();

    EXPECT_EQ(window.windowTitle(), u"リモコン回路調整ツール");
    EXPECT_EQ(checkedItems(window), QList<QAction*>{window.M3BC});
    EXPECT_EQ(window.portBaseText(), u"3BC");
    EXPECT_EQ(window.Label2->text(), adjustmentInstructions());
    EXPECT_TRUE(window.Label2->text().startsWith(u"リモコン受光部の感度調整\n\n1.受光部分"));
    EXPECT_EQ(window.ProgressBar1->value(), 1);
    EXPECT_TRUE(window.meterRunning());
    // Only the direction bit of the chosen base: the data register is not written.
    EXPECT_EQ(m_trace.writes(), QStringList{"3BE 20"});
}

TEST_F(frmTesterTest, OtherAddressTextIsCorrectedOnLoad)
{
    ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"COM1"));
    frmTester window(m_port, m_light);
    window.Form_Load();
    EXPECT_EQ(checkedItems(window), QList<QAction*>{window.M378});
    EXPECT_EQ(ReadSetting(u"PPort", u"Addr"), u"378");
    EXPECT_EQ(m_trace.writes(), QStringList{"37A 20"});
}

TEST_F(frmTesterTest, MeterFollowsTheVirtualLight)
{
    frmTester window(m_port, m_light);
    window.Form_Load();
    ASSERT_NE(window.MLight, nullptr);
    window.MLight->trigger();
    window.tmrMeter_Timer();
    EXPECT_EQ(window.ProgressBar1->value(), 100);
    window.tmrMeter_Timer();
    EXPECT_EQ(window.ProgressBar1->value(), 100);
    window.MLight->trigger();
    for (int i = 0; i < 5; ++i)
        window.tmrMeter_Timer();
    EXPECT_EQ(window.ProgressBar1->value(), 95);
}

TEST_F(frmTesterTest, NoLightSwitchWithoutTheVirtualModule)
{
    frmTester window(m_port);
    EXPECT_EQ(window.MVirtual, nullptr);
    EXPECT_EQ(window.MLight, nullptr);
}

TEST_F(frmTesterTest, PortChangeStoresTheAddressAndRestartsTheMeter)
{
    frmTester window(m_port, m_light);
    window.Form_Load();
    VirtualModule::instance().remote().setLight(true);
    window.tmrMeter_Timer();
    window.M278->trigger();

    EXPECT_EQ(checkedItems(window), QList<QAction*>{window.M278});
    EXPECT_EQ(ReadSetting(u"PPort", u"Addr"), u"278");
    EXPECT_EQ(window.portBaseText(), u"278");
    EXPECT_TRUE(window.meterRunning());
    EXPECT_EQ(window.ProgressBar1->value(), 100);
    EXPECT_EQ(m_trace.writes(), (QStringList{"37A 20", "27A 20"}));
}

TEST_F(frmTesterTest, WithoutTheDriverTheMessageAndTheWindowStays)
{
    NoDriverPort port;
    ScriptedPrompt prompts;
    prompts.expect(QStringLiteral("IO.dll not properly istalled."));
    frmTester window(port);
    window.Form_Load();
    EXPECT_EQ(prompts.pending(), 0);
    EXPECT_FALSE(window.meterRunning());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(m_trace.writes().isEmpty());
}

TEST_F(frmTesterTest, CloseStopsTheMeter)
{
    frmTester window(m_port, m_light);
    window.Form_Load();
    window.Command2->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.meterRunning());
}
