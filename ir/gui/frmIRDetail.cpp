#include "frmIRDetail.h"

#include "TwipsLayout.h"
#include "WaveformDrawing.h"
#include "WaveformPicture.h"
#include "frmIRDetailX.h"

#include <QLabel>

QString carrierText(double kHz)
{
    return QStringLiteral("%1").arg(kHz, 6, 'f', 3, QLatin1Char('0'));
}

frmIRDetail::frmIRDetail(const QString& workFile, QWidget* parent) : QWidget(parent, Qt::Window), m_workFile(workFile)
{
    setObjectName(QStringLiteral("frmIRDetail"));
    setWindowTitle(kCaption);
    TwipsLayout layout(this);
    layout.client(6615, 1740);
    Picture1 = layout.place(new WaveformPicture(this), QStringLiteral("Picture1"), 240, 60, 6255, 1140);
    Label1 = layout.label(QStringLiteral("1"), QStringLiteral("Label1"), 60, 90, 160, 240);
    Label2 = layout.label(QStringLiteral("0"), QStringLiteral("Label2"), 60, 930, 160, 240);
    Label3 = layout.label(QStringLiteral("0"), QStringLiteral("Label3"), 240, 1230, 400, 240);
    Label5 = layout.label(QString(), QStringLiteral("Label5"), 4200, 1230, 1600, 240);
    Label5->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label4 = layout.label(QStringLiteral("ミリ秒"), QStringLiteral("Label4"), 5880, 1230, 700, 240);
    Label6 = layout.label(QStringLiteral("キャリア周波数"), QStringLiteral("Label6"), 240, 1470, 1500, 240);
    Label7 = layout.label(carrierText(0), QStringLiteral("Label7"), 1740, 1470, 700, 240);
    Label8 = layout.label(QStringLiteral("KHｚ"), QStringLiteral("Label8"), 2460, 1470, 500, 240);
    Label9 = layout.label(QStringLiteral("※波形をクリックすると拡大します。"), QStringLiteral("Label9"), 3100, 1470,
                          3400, 240);
    connect(Picture1, &WaveformPicture::pressedAt, this, &frmIRDetail::Picture1_MouseDown);
    connect(Picture1, &WaveformPicture::released, this, &frmIRDetail::Picture1_MouseUp);
}

void frmIRDetail::drawCapture(const std::vector<double>& times, const std::vector<std::uint8_t>& levels)
{
    const Waveform drawn = waveformOfCapture(times, levels);
    Picture1->clear(drawn.scaleWidth);
    Picture1->drawLines(drawn.lines);
    if (drawn.lengthMs)
        Label5->setText(QString::number(*drawn.lengthMs, 'g', 15));
}

void frmIRDetail::showCarrier(double kHz)
{
    Label7->setText(carrierText(kHz));
}

void frmIRDetail::placeBelow(const QRect& dialogFrame)
{
    move(dialogFrame.left(), dialogFrame.top() + dialogFrame.height());
}

frmIRDetailX* frmIRDetail::zoom() const
{
    return m_zoom;
}

void frmIRDetail::closeZoom()
{
    Picture1_MouseUp();
}

void frmIRDetail::Picture1_MouseDown(double seconds)
{
    if (!m_zoom) {
        m_zoom = new frmIRDetailX(this);
        const QRect frame = frameGeometry();
        m_zoom->move(frame.left() + frame.width(), frame.top());
    }
    m_zoom->show();
    const double start = m_zoom->showZoom(m_workFile, seconds);
    Picture1->setMarker(start, kZoomSeconds);
}

void frmIRDetail::Picture1_MouseUp()
{
    if (m_zoom)
        m_zoom->close();
    Picture1->setMarker(std::nullopt);
}
