#include "CheckSpokenLabels.h"
#include "ComponentObject.h"
#include "DataFolder.h"
#include "Desktop.h"
#include "Dialog.h"
#include "EngineDialogue.h"
#include "HTMLHelp.h"
#include "InstallSpeechEngine.h"
#include "MailHandOver.h"
#include "Prompt.h"
#include "ReadIRData.h"
#include "SingleInstance.h"
#include "StartUp.h"
#include "TestPhoneWindow.h"
#include "WaveDevice.h"
#include "WidgetPrompt.h"
#include "createObject.h"
#include "frmConfig.h"
#include "frmMain.h"
#include "frmTapi.h"
#include "makeLine.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero"));
    // Hidden in the notification area the program has no window open, and goes on running.
    QApplication::setQuitOnLastWindowClosed(false);
    WidgetPrompt prompts;
    Prompts::install(&prompts);

    QStringList args = QApplication::arguments();
    const Status ready = DataFolder::setUp(&args);
    if (!ready) {
        Prompts::exclamation(ready.error());
        return 1;
    }

    SingleInstance instance(DataFolder::current());
    if (!instance.acquire()) {
        instance.askFirstToShow();
        return 0;
    }

    // The engine outlives the window, which switches the line through it until its end.
    std::unique_ptr<frmTapi> tapi;
    std::unique_ptr<EngineDialogue> dialogue; // the touch-tone dialogue of the engine's calls
    const std::unique_ptr<Desktop> desktop = makeDesktop();
    frmMain window(*desktop);
    window.setLineSwitch([&tapi](bool on) {
        if (!tapi)
            return;
        if (on)
            tapi->Tapi_On();
        else
            tapi->Tapi_Off();
    });
    window.setCloseHandler([&tapi] {
        if (tapi)
            tapi->closeEngine();
    });
    TestPhoneWindow::addMenuEntry(window);
    prompts.setParent(&window);
    prompts.setHelpOpener([&window](int context) { HTMLHelp::showTopic(&window, context); });
    prompts.setErrorWindow([&window](const QString& text) { Dialog::showText(&window, text); });
    instance.listen([&window] {
        if (window.isInTray())
            window.RestoreFromTray();
        window.showNormal();
        window.raise();
        window.activateWindow();
    });

    MailHandOver mail(window);
    // Held for the whole run: the mail dials with it, the settings dialog lists its entries.
    std::shared_ptr<ComponentObject> dialUp;

    // One settings dialog at a time; opening it again brings the open one to the front.
    QPointer<frmConfig> settings;
    window.setSettingsOpener([&window, &tapi, &dialUp, &settings] {
        if (!settings) {
            ConfigLinks links;
            links.engine = tapi.get();
            links.getEntries = [&dialUp]() -> QVariant {
                if (!dialUp)
                    return QString();
                const Result<QVariant> entries = callMethod(*dialUp, u"GetEntries");
                return entries ? *entries : QVariant(QString());
            };
            settings = new frmConfig(std::move(links), &window);
            settings->setAttribute(Qt::WA_DeleteOnClose);
        }
        settings->show();
        settings->raise();
        settings->activateWindow();
    });

    window.setWavePlayer([](const QString& path, std::function<void(bool)> done) {
        const Status played = PlayWave(path);
        if (!played)
            Prompts::exclamation(played.error());
        done(played.ok());
    });
    window.setSpeechEngineInstaller([] { InstallSpeechEngine(InstallVariant::Menu); });

    StartUpSteps steps;
    steps.offerSpeechEngine = [] { InstallSpeechEngine(InstallVariant::FirstStart); };
    // A catalogue that cannot be read is reported once, when it is loaded below.
    steps.checkSpokenLabels = [] { CheckSpokenLabels(); };
    steps.loadTelephonyWindow = [&tapi, &dialogue, &mail] {
        tapi = std::make_unique<frmTapi>([] { return makeLine(); });
        tapi->setHandOver(&mail);
        dialogue = std::make_unique<EngineDialogue>(*tapi, irCatalogue());
    };
    steps.initTelephony = [&tapi] { tapi->InitTAPI(); };
    steps.readIRData = [] {
        const Status read = ReadIRData();
        if (!read)
            Prompts::exclamation(read.error());
    };
    steps.createDialUp = [&dialUp, &mail] {
        // Without the component (not registered) the mail goes over the network there is.
        auto made = createObject(QStringLiteral("Nimbal.Dial"));
        if (made)
            dialUp = *made;
        else
            qWarning("%s", qUtf8Printable(made.error()));
        mail.start(dialUp);
    };
    runStartUp(window, steps);
    QTimer::singleShot(0, &window, [&mail] { mail.retryKept(); });
    return QApplication::exec();
}
