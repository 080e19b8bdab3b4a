#include "AppIcon.h"
#include "DataFolder.h"
#include "PortIo.h"
#include "VirtualModule.h"
#include "WidgetPrompt.h"
#include "frmTester.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tester"));
    QApplication::setWindowIcon(appIcon());
    WidgetPrompt prompts;
    Prompts::install(&prompts);

    QStringList args = QApplication::arguments();
    const Status ready = DataFolder::setUp(&args);
    if (!ready) {
        Prompts::exclamation(ready.error());
        return 1;
    }
    const std::unique_ptr<PortIo> port = makePortIo();
    frmTester::LightSwitch light;
    if (port->kind() == u"sim")
        light = [](bool lit) { VirtualModule::instance().remote().setLight(lit); };
    frmTester window(*port, light);
    prompts.setParent(&window);
    window.Form_Load();
    return QApplication::exec();
}
