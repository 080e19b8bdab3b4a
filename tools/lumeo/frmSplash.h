#pragma once

#include "SplashTicks.h"

#include <QTimer>
#include <QWidget>

class PortIo;
class QGroupBox;
class QLabel;
class QProgressBar;

// The battery saver's splash: shows for five seconds, then drives all data lines of the three port
// bases low and closes. A key press or a click on the frame closes it at once, ports untouched.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(PortIo& port, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    QLabel* imgLogo = nullptr;
    QLabel* lblProductName = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblPlatform = nullptr;
    QLabel* Label1 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTimer Timer1;

    const SplashTicks& ticks() const { return m_ticks; }

public slots:
    void Timer1_Timer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PortIo& m_port;
    SplashTicks m_ticks;
};
