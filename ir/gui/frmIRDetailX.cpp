#include "frmIRDetailX.h"

#include "SignalFile.h"
#include "TwipsLayout.h"
#include "WaveformDrawing.h"
#include "WaveformPicture.h"

#include <QLabel>

frmIRDetailX::frmIRDetailX(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmIRDetailX"));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);
    TwipsLayout layout(this);
    layout.client(3930, 1740);
    Picture1 = layout.place(new WaveformPicture(this), QStringLiteral("Picture1"), 360, 120, 3450, 1200);
    Label1 = layout.label(QStringLiteral("1"), QStringLiteral("Label1"), 120, 120, 200, 240);
    Label2 = layout.label(QStringLiteral("0"), QStringLiteral("Label2"), 120, 1080, 200, 240);
    Label3[0] = layout.label(QStringLiteral("0"), QStringLiteral("Label3_0"), 360, 1380, 400, 240);
    Label3[1] = layout.label(QString(), QStringLiteral("Label3_1"), 2810, 1380, 1000, 240);
    Label3[1]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label5 = layout.label(QStringLiteral("拡大図"), QStringLiteral("Label5"), 1700, 1380, 800, 240);
}

double frmIRDetailX::showZoom(const QString& signalFile, double seconds)
{
    Picture1->clear(kZoomSeconds);
    Label3[0]->setText(QStringLiteral("0"));
    Label3[1]->setText(QStringLiteral("1 ミリ秒"));
    const auto records = readSignalFile(signalFile);
    if (!records)
        return 0;
    const SignalZoom zoom = zoomAt(*records, seconds);
    Picture1->drawLines(zoom.lines);
    return zoom.start;
}
