#include "StartUp.h"

#include "DataFolder.h"
#include "Settings.h"
#include "frmMain.h"

#include <QDir>

namespace {

void run(const std::function<void()>& step)
{
    if (step)
        step();
}

} // namespace

void runStartUp(frmMain& window, const StartUpSteps& steps)
{
    if (ReadSetting(u"TTS", u"Install").isEmpty())
        run(steps.offerSpeechEngine);
    run(steps.checkSpokenLabels);
    window.restorePosition();
    window.restorePortAddress();
    run(steps.loadTelephonyWindow);
    window.showOrHideToTray();
    run(steps.initTelephony);
    QDir().mkpath(DataFolder::path(u"\\Ans"));
    QDir().mkpath(DataFolder::path(u"\\Reception"));
    window.FillAMHistory();
    run(steps.readIRData);
    window.selectMediaMode(ReadSetting(u"Startup", u"Auto") == u"1" ? 0 : 1);
    window.restoreAutostartTick();
    run(steps.createDialUp);
}
