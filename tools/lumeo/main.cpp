#include "DataFolder.h"
#include "PortIo.h"
#include "frmSplash.h"

#include <QApplication>
#include <QScreen>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumeo"));
    // Only [Platform] Port of the data folder is read, when it has one; nothing is created.
    QStringList args = QApplication::arguments();
    DataFolder::setCurrent(DataFolder::choose(&args, QApplication::applicationDirPath()));
    const std::unique_ptr<PortIo> port = makePortIo();
    frmSplash splash(*port);
    splash.adjustSize();
    splash.move(splash.screen()->availableGeometry().center() - splash.rect().center());
    splash.show();
    return QApplication::exec();
}
