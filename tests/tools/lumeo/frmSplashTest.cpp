#include "frmSplash.h"

#include "VirtualModuleTrace.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>

#include <gtest/gtest.h>

namespace {

// All data lines high and the direction bit set on the three bases, as another program might
// leave them; the trace then holds only what the splash does.
class frmSplashTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (std::uint16_t base : {0x378, 0x278, 0x3BC}) {
            m_port.PortOut(base, 0xFF);
            m_port.SetPortBit(std::uint16_t(base + 2), 5);
        }
        m_before = m_trace.writes().size();
    }
    QStringList newWrites() const { return m_trace.writes().mid(m_before); }

    VirtualModuleTrace m_trace;
    SimPortIo m_port;
    qsizetype m_before = 0;
};

} // namespace

TEST_F(frmSplashTest, ShowsTheTexts)
{
    frmSplash splash(m_port);
    EXPECT_EQ(splash.lblProductName->text(), u"Morvane");
    EXPECT_EQ(splash.lblVersion->text(), u"v1.03");
    EXPECT_EQ(splash.lblPlatform->text(), u"for Windows2000/XP");
    EXPECT_EQ(splash.Label1->text(),
              u"学習リモコンユニットの電池の浪費を防ぐため、 パラレルポートに初期値を設定しています。　");
    EXPECT_FALSE(splash.imgLogo->pixmap().isNull());
    EXPECT_EQ(splash.ProgressBar1->maximum(), 50);
    EXPECT_TRUE(splash.Timer1.isActive());
    EXPECT_EQ(splash.Timer1.interval(), 100);
}

TEST_F(frmSplashTest, AfterFiftyTicksAllThreeBasesAreSwitchedOff)
{
    frmSplash splash(m_port);
    splash.show();
    for (int i = 0; i < 49; ++i)
        splash.Timer1_Timer();
    EXPECT_EQ(splash.ProgressBar1->value(), 49);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(newWrites().isEmpty());

    splash.Timer1_Timer();
    EXPECT_EQ(splash.ProgressBar1->value(), 50);
    EXPECT_FALSE(splash.Timer1.isActive());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(newWrites(), (QStringList{"37A 00", "378 00", "27A 00", "278 00", "3BE 00", "3BC 00"}));
}

TEST_F(frmSplashTest, KeyOrFrameClickEndsItWithThePortsUntouched)
{
    for (bool byKey : {true, false}) {
        frmSplash splash(m_port);
        splash.show();
        for (int i = 0; i < 20; ++i)
            splash.Timer1_Timer();
        if (byKey) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QApplication::sendEvent(&splash, &key);
        } else {
            const QPointF at(5, 5);
            QMouseEvent click(QEvent::MouseButtonPress, at, splash.Frame1->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(splash.Frame1, &click);
        }
        EXPECT_FALSE(splash.isVisible()) << byKey;
        EXPECT_FALSE(splash.Timer1.isActive()) << byKey;
        EXPECT_TRUE(newWrites().isEmpty()) << byKey;
        EXPECT_EQ(m_port.PortIn(0x378), 0xFF) << byKey;
    }
}
