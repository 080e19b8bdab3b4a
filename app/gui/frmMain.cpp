#include "frmMain.h"

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Talvero"));
    resize(480, 360);
}
