#include "StartUp.h"

#include "DataFolder.h"
#include "Settings.h"
#include "TempHome.h"
#include "frmMain.h"
#include "sim/SimDesktop.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

// Records the steps of the other parts, and the window's own steps through what they leave behind.
struct Recorder {
    QStringList steps;
    frmMain* window = nullptr;

    StartUpSteps make()
    {
        StartUpSteps s;
        s.offerSpeechEngine = [this] { steps << "offerSpeechEngine"; };
        s.checkSpokenLabels = [this] { steps << "checkSpokenLabels"; };
        s.loadTelephonyWindow = [this] {
            steps << QStringLiteral("loadTelephonyWindow port=%1").arg(ReadSetting(u"PPort", u"Addr"));
        };
        s.initTelephony = [this] { steps << QStringLiteral("initTelephony visible=%1").arg(window->isVisible()); };
        s.readIRData = [this] {
            steps << QStringLiteral("readIRData ans=%1").arg(QFileInfo::exists(DataFolder::path(u"\\Ans")));
        };
        s.createDialUp = [this] { steps << "createDialUp"; };
        return s;
    }
};

} // namespace

TEST(StartUpTest, RunsTheStepsInOrder)
{
    struct Case {
        const char* ttsInstall;
        const char* autoOn;
        QStringList steps;
    };
    const Case cases[] = {
        {"",
         "1",
         {"offerSpeechEngine", "checkSpokenLabels", "loadTelephonyWindow port=378", "initTelephony visible=1",
          "readIRData ans=1", "line on", "createDialUp"}},
        {"1",
         "0",
         {"checkSpokenLabels", "loadTelephonyWindow port=378", "initTelephony visible=1", "readIRData ans=1",
          "line off", "createDialUp"}},
    };
    for (const Case& c : cases) {
        TempHome home;
        WriteSetting(u"TTS", u"Install", QString::fromUtf8(c.ttsInstall));
        WriteSetting(u"Startup", u"Auto", QString::fromUtf8(c.autoOn));
        WriteSetting(u"Startup", u"WithWindows", u"1");
        SimDesktop desktop;
        frmMain window(desktop);
        Recorder recorder;
        recorder.window = &window;
        window.setLineSwitch([&](bool on) { recorder.steps << (on ? "line on" : "line off"); });
        runStartUp(window, recorder.make());
        EXPECT_EQ(recorder.steps, c.steps);
        EXPECT_TRUE(QFileInfo(home.file("Reception")).isDir());
        EXPECT_TRUE(window.findChild<QAction*>("MWithWin")->isChecked());
    }
}

TEST(StartUpTest, MissingPiecesAreSkipped)
{
    TempHome home;
    SimDesktop desktop;
    frmMain window(desktop);
    runStartUp(window, {});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ReadSetting(u"PPort", u"Addr"), "378");
}
