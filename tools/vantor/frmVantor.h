#pragma once

#include <QWidget>

#include <array>

class Desktop;
class HistogramView;
class PortIo;
class QGroupBox;
class QLabel;
class QPushButton;
struct SamplingStatistics;

// The sampling test's window: measures the intervals between reads of the receiver at 378H and
// shows them as a histogram with their mean, maximum and error rate.
class frmVantor : public QWidget {
    Q_OBJECT
public:
    // explanationPath: the explanation text, opened in the desktop's text editor.
    frmVantor(PortIo& port, Desktop& desktop, QString explanationPath, QWidget* parent = nullptr);

    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    HistogramView* Picture1 = nullptr;
    QLabel* Label10 = nullptr;
    std::array<QLabel*, 2> Label9{};
    QLabel* Label8 = nullptr;
    std::array<QLabel*, 6> Label7{};
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;

public slots:
    void Command1_Click();
    void Command2_Click();

private:
    void measure();
    void showFigures(const SamplingStatistics& statistics);

    PortIo& m_port;
    Desktop& m_desktop;
    QString m_explanationPath;
};
