#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;
class WaveformPicture;
class frmIRDetailX;

// The signal detail viewer: the whole captured waveform, its length and the measured carrier.
// Pressing the mouse on the waveform opens the zoom window on the work file until the mouse is let go.
class frmIRDetail : public QWidget {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Morvane　－　Morvaneリモコンから受信した波形");

    // workFile: the signal file the zoom reads ("\Remote\temp.rmt").
    explicit frmIRDetail(const QString& workFile, QWidget* parent = nullptr);

    // The kept runs of a capture: times in seconds, levels.
    void drawCapture(const std::vector<double>& times, const std::vector<std::uint8_t>& levels);
    // The carrier estimate, "00.000".
    void showCarrier(double kHz);
    // Directly below the dialog whose frame is given, left edges aligned.
    void placeBelow(const QRect& dialogFrame);
    // The zoom window while the mouse is down, else nullptr; closeZoom() as on mouse up.
    frmIRDetailX* zoom() const;
    void closeZoom();

    WaveformPicture* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;

private:
    void Picture1_MouseDown(double seconds);
    void Picture1_MouseUp();

    QString m_workFile;
    QPointer<frmIRDetailX> m_zoom;
};

// The carrier as the viewer shows it: two integer digits at least, three decimals.
QString carrierText(double kHz);
