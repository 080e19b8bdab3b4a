#include "frmSplash.h"

#include "AppIcon.h"
#include "PortReset.h"
#include "Prompt.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

frmSplash::frmSplash(PortIo& port, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), m_port(port)
{
    setWindowTitle(Prompts::kTitle);
    setWindowIcon(appIcon());
    auto* layout = new QVBoxLayout(this);

    Frame1 = new QGroupBox(this);
    Frame1->installEventFilter(this);
    auto* frame = new QHBoxLayout(Frame1);
    imgLogo = new QLabel(Frame1);
    imgLogo->setPixmap(appIcon().pixmap(64, 64));
    imgLogo->setAlignment(Qt::AlignTop);
    frame->addWidget(imgLogo);

    auto* texts = new QVBoxLayout;
    lblProductName = new QLabel(Prompts::kTitle, Frame1);
    QFont big = lblProductName->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    lblProductName->setFont(big);
    lblVersion = new QLabel(QStringLiteral("v1.03"), Frame1);
    lblPlatform = new QLabel(QStringLiteral("for Windows2000/XP"), Frame1);
    Label1 = new QLabel(
        QStringLiteral("学習リモコンユニットの電池の浪費を防ぐため、 パラレルポートに初期値を設定しています。　"),
        Frame1);
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(320);
    texts->addWidget(lblProductName);
    texts->addWidget(lblVersion);
    texts->addWidget(lblPlatform);
    texts->addSpacing(12);
    texts->addWidget(Label1);
    frame->addLayout(texts, 1);
    layout->addWidget(Frame1);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, SplashTicks::kLast);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    layout->addWidget(ProgressBar1);

    Timer1.setInterval(SplashTicks::kIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1.start();
}

void frmSplash::Timer1_Timer()
{
    const bool last = m_ticks.tick();
    ProgressBar1->setValue(m_ticks.count());
    if (!last)
        return;
    Timer1.stop();
    ResetPorts(m_port);
    close();
}

void frmSplash::keyPressEvent(QKeyEvent*)
{
    Timer1.stop();
    close();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseButtonPress) {
        Timer1.stop();
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
