#include "AppIcon.h"
#include "DataFolder.h"
#include "Desktop.h"
#include "PortIo.h"
#include "SamplingReport.h"
#include "WidgetPrompt.h"
#include "frmVantor.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

bool hasReportFlag(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--report") == 0)
            return true;
    }
    return false;
}

// The port access named by $TALVERO_PORT or [Platform] Port of the data folder, which is only read.
std::unique_ptr<PortIo> openPort()
{
    QStringList args = QCoreApplication::arguments();
    DataFolder::setCurrent(DataFolder::choose(&args, QCoreApplication::applicationDirPath()));
    return makePortIo();
}

int report(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const std::unique_ptr<PortIo> port = openPort();
    const SamplingReport r = runSamplingReport(*port);
    std::fputs(r.text.toUtf8().constData(), r.ok ? stdout : stderr);
    if (!r.ok)
        std::fputc('\n', stderr);
    return r.ok ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (hasReportFlag(argc, argv))
        return report(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantor"));
    QApplication::setWindowIcon(appIcon());
    WidgetPrompt prompts;
    Prompts::install(&prompts);
    const std::unique_ptr<PortIo> port = openPort();
    const QString explanation =
        QDir(DataFolder::shippedDataDir(QApplication::applicationDirPath())).filePath("vantor/Vantor.txt");
    const std::unique_ptr<Desktop> desktop = makeDesktop();
    frmVantor window(*port, *desktop, explanation);
    prompts.setParent(&window);
    window.show();
    return QApplication::exec();
}
