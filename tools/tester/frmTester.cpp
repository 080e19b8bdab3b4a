#include "frmTester.h"

#include "PortAddressSetting.h"
#include "PortBase.h"
#include "PortIo.h"
#include "Prompt.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

QString adjustmentInstructions()
{
    return QStringLiteral(
        "リモコン受光部の感度調整\n\n"
        "1.受光部分（フォトトランジスタ）に強い光が当たらない状態にします。\n\n"
        "2.感度調整ボリュームを回してレベルメータが上がった状態にし、そこから少しずつ戻してレベルメータが下がった"
        "状態にします。(もしボリュームを回しきってもレベルメータが下がったままの場合は、中間あたりにセットしてください"
        "）\n\n"
        "3.適当な赤外線リモコンの発光部分を受光モジュールに近づけボタンを押したときに、レベルメーターが一瞬上がることを"
        "確認します。もしレベルメータが上がったまま戻らなくなった場合は、ボリュームを少し下げてレベルメータが戻る位置に"
        "してください。そのあともう一度リモコンのボタンを押してレベルメータが上がった後、下がることを確認します。");
}

frmTester::frmTester(PortIo& port, LightSwitch light, QWidget* parent) : QMainWindow(parent), m_port(port)
{
    setWindowTitle(QStringLiteral("リモコン回路調整ツール"));

    MSetting = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    MAddr = MSetting->addMenu(QStringLiteral("パラレルポートのアドレス(&A)"));
    M378 = MAddr->addAction(QStringLiteral("378H"));
    M278 = MAddr->addAction(QStringLiteral("278H"));
    M3BC = MAddr->addAction(QStringLiteral("3BCH"));
    const std::array<QAction*, 3> items = {M378, M278, M3BC};
    for (int i = 0; i < 3; ++i) {
        QAction* item = items[std::size_t(i)];
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, item, i] { chooseAddress(item, kPortBaseTexts[i]); });
    }
    if (light) {
        MVirtual = menuBar()->addMenu(QStringLiteral("仮想IRモジュール(&V)"));
        MLight = MVirtual->addAction(QStringLiteral("受光部に光を当てる(&L)"));
        MLight->setCheckable(true);
        connect(MLight, &QAction::toggled, this, [light](bool lit) { light(lit); });
    }

    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    Frame1 = new QGroupBox(QStringLiteral("レベルメーター"), central);
    auto* meter = new QHBoxLayout(Frame1);
    auto* marks = new QVBoxLayout;
    Label1[0] = new QLabel(QStringLiteral("1　-"), Frame1);
    Label1[1] = new QLabel(QStringLiteral("0　-"), Frame1);
    marks->addWidget(Label1[0]);
    marks->addStretch();
    marks->addWidget(Label1[1]);
    ProgressBar1 = new QProgressBar(Frame1);
    ProgressBar1->setOrientation(Qt::Vertical);
    ProgressBar1->setRange(0, LevelMeter::kFull);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumHeight(240);
    meter->addLayout(marks);
    meter->addWidget(ProgressBar1);
    layout->addWidget(Frame1);

    auto* right = new QVBoxLayout;
    Label2 = new QLabel(central);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setMinimumWidth(380);
    Command2 = new QPushButton(QStringLiteral("閉じる"), central);
    connect(Command2, &QPushButton::clicked, this, &frmTester::Command2_Click);
    right->addWidget(Label2, 1);
    right->addWidget(Command2, 0, Qt::AlignRight);
    layout->addLayout(right, 1);
    setCentralWidget(central);

    tmrMeter.setInterval(1);
    tmrMeter.setTimerType(Qt::PreciseTimer);
    connect(&tmrMeter, &QTimer::timeout, this, &frmTester::tmrMeter_Timer);
}

void frmTester::Form_Load()
{
    const QString stored = PortAddressSetting::load();
    markAddress(stored == u"278" ? M278 : stored == u"3BC" ? M3BC : M378);
    m_baseText = stored;
    Label2->setText(adjustmentInstructions());
    show();
    m_meter.setLevel(LevelMeter::kLowest);
    ProgressBar1->setValue(m_meter.level());
    runMeter();
}

void frmTester::markAddress(QAction* item)
{
    for (QAction* a : {M378, M278, M3BC})
        a->setChecked(a == item);
}

void frmTester::chooseAddress(QAction* item, const QString& text)
{
    stopMeter();
    markAddress(item);
    PortAddressSetting::store(text);
    m_baseText = text;
    runMeter();
}

void frmTester::runMeter()
{
    stopMeter();
    if (!m_port.IsDriverInstalled()) {
        Prompts::exclamation(driverMessage(m_port));
        return;
    }
    const std::uint16_t base = portBaseFromText(m_baseText).value_or(kPortBases[0]);
    m_port.SetPortBit(std::uint16_t(base + 2), 5);
    m_receiver = std::uint16_t(base + 1);
    tmrMeter.start();
}

void frmTester::stopMeter()
{
    tmrMeter.stop();
}

void frmTester::tmrMeter_Timer()
{
    m_meter.sample(m_port.PortIn(m_receiver));
    ProgressBar1->setValue(m_meter.level());
}

void frmTester::Command2_Click()
{
    close();
}

void frmTester::closeEvent(QCloseEvent* event)
{
    stopMeter();
    event->accept();
}
