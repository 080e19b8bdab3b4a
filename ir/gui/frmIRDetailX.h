#pragma once

#include <QWidget>

#include <array>

class QLabel;
class WaveformPicture;

// The zoom window: one millisecond of the work file from the clicked point, magnified so that the
// carrier's half-cycles show. It exists only while the mouse is held down on the waveform.
class frmIRDetailX : public QWidget {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Morvane　－　波形拡大");

    explicit frmIRDetailX(QWidget* parent = nullptr);

    // Reads the signal file and draws the millisecond from the first record at or after seconds;
    // the start of that millisecond, for the marker. A file that cannot be read gives an empty zoom.
    double showZoom(const QString& signalFile, double seconds);

    WaveformPicture* Picture1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QLabel*, 2> Label3{};
};
