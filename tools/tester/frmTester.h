#pragma once

#include "LevelMeter.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>

class PortIo;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

// The receiver adjustment tool: a level meter of the module's receiver beside the instructions for
// setting its sensitivity trimmer. The meter is polled by a timer: one sample a cycle, and a cycle
// every millisecond, so each step down is followed by its 1 ms pause.
class frmTester : public QMainWindow {
    Q_OBJECT
public:
    // Shines the virtual remote's steady light on the receiver; given only on the virtual module.
    using LightSwitch = std::function<void(bool lit)>;

    explicit frmTester(PortIo& port, LightSwitch light = {}, QWidget* parent = nullptr);

    // Window load: the stored address, the instructions, the meter at 1, the meter loop.
    void Form_Load();

    QMenu* MSetting = nullptr;
    QMenu* MAddr = nullptr;
    QAction* M378 = nullptr;
    QAction* M278 = nullptr;
    QAction* M3BC = nullptr;
    QMenu* MVirtual = nullptr; // the virtual module's light, when there is one
    QAction* MLight = nullptr;
    QGroupBox* Frame1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    std::array<QLabel*, 2> Label1{};
    QLabel* Label2 = nullptr;
    QPushButton* Command2 = nullptr;
    QTimer tmrMeter;

    const QString& portBaseText() const { return m_baseText; }
    bool meterRunning() const { return tmrMeter.isActive(); }

public slots:
    void tmrMeter_Timer();
    void Command2_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseAddress(QAction* item, const QString& text);
    void markAddress(QAction* item);
    void runMeter();
    void stopMeter();

    PortIo& m_port;
    QString m_baseText;
    std::uint16_t m_receiver = 0;
    LevelMeter m_meter;
};

// The instruction text of the tool, as it stands in the window.
QString adjustmentInstructions();
