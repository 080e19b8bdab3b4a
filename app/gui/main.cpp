#include "DataFolder.h"
#include "Prompt.h"
#include "WidgetPrompt.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero"));
    WidgetPrompt prompts;
    Prompts::install(&prompts);

    QStringList args = QApplication::arguments();
    const Status ready = DataFolder::setUp(&args);
    if (!ready) {
        Prompts::exclamation(ready.error());
        return 1;
    }

    frmMain window;
    prompts.setParent(&window);
    window.show();
    return QApplication::exec();
}
