#include "modRemocon.h"

#include "ScriptedPrompt.h"
#include "Settings.h"
#include "TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class ModRemoconTest : public ::testing::Test {
protected:
    void SetUp() override { m_saved = qgetenv("TALVERO_PORT"); }
    void TearDown() override { qputenv("TALVERO_PORT", m_saved); }
    QString signal(const QByteArray& text)
    {
        const QString path = home.file("signal.rmt");
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
        return path;
    }
    TempHome home;
    QByteArray m_saved;
};

TEST_F(ModRemoconTest, MissingDriverShowsTheMessageAndKeepsEverything)
{
    qputenv("TALVERO_PORT", "nonsense");
    ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"378"));
    const QString path = signal(" 0 , 0 \r\n");
    const double before = CarrierKHz();
    ScriptedPrompt prompt;
    prompt.expect("IO.dll not properly istalled.\n");
    EXPECT_FALSE(CaptureSignal(path));
    EXPECT_EQ(prompt.pending(), 0);
    ASSERT_EQ(prompt.shown().size(), 1);
    EXPECT_EQ(prompt.shown()[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(CarrierKHz(), before);
}

TEST_F(ModRemoconTest, SendSignalReadsTheAddressEveryTime)
{
    qputenv("TALVERO_PORT", "sim");
    const QString path = signal(" 0 , 1 \r\n .00001 , 0 \r\n");
    EXPECT_FALSE(SendSignal(path)) << "[PPort] Addr unset";
    ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"3BC"));
    EXPECT_TRUE(SendSignal(path));
    ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"999"));
    EXPECT_FALSE(SendSignal(path));
    EXPECT_EQ(portBaseSetting(), "999");
}

} // namespace
