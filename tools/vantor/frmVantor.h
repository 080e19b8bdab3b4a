#pragma once

#include <QWidget>

#include <array>
#include <functional>

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
    // Opens a file in the desktop's text editor; false when that failed.
    using FileOpener = std::function<bool(const QString& path)>;

    frmVantor(PortIo& port, QString explanationPath, FileOpener openFile, QWidget* parent = nullptr);

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
    QString m_explanationPath;
    FileOpener m_openFile;
};
