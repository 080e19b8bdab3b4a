#include "frmVantor.h"

#include "Desktop.h"
#include "HistogramView.h"
#include "LabelNumbers.h"
#include "MonotonicClock.h"
#include "PortIo.h"
#include "PortReset.h"
#include "Prompt.h"
#include "SamplingMeasurement.h"
#include "SamplingStatistics.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The picture's place in the frame; the vertical axis labels stand beside its grid lines.
constexpr QRect kPicture(80, 44, 453, 229);

QLabel* label(const QString& text, QWidget* parent, const QRect& geometry,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    l->setAlignment(alignment);
    return l;
}

} // namespace

frmVantor::frmVantor(PortIo& port, Desktop& desktop, QString explanationPath, QWidget* parent)
    : QWidget(parent), m_port(port), m_desktop(desktop), m_explanationPath(std::move(explanationPath))
{
    setWindowTitle(QStringLiteral("パラレルポートのサンプリング間隔測定"));
    setFixedSize(566, 470);

    Frame1 = new QGroupBox(QStringLiteral("測定結果"), this);
    Frame1->setGeometry(8, 8, 550, 406);

    Picture1 = new HistogramView(Frame1);
    Picture1->setGeometry(kPicture);

    Label8 = label(QStringLiteral("出現頻度"), Frame1, QRect(8, 20, 100, 20));
    const QStringList decades = {"1", "10", "100", "1000", "10000", "100000"};
    for (int i = 0; i < 6; ++i) {
        const int y = kPicture.bottom() - (i + 1) * kPicture.height() / 7;
        Label7[std::size_t(i)] =
            label(decades[i], Frame1, QRect(8, y - 10, kPicture.left() - 14, 20), Qt::AlignRight | Qt::AlignVCenter);
    }
    Label9[0] = label(QString(), Frame1, QRect(kPicture.left() - 20, kPicture.bottom() + 4, 60, 20));
    Label9[1] = label(QString(), Frame1, QRect(kPicture.right() - 60, kPicture.bottom() + 4, 80, 20),
                      Qt::AlignRight | Qt::AlignVCenter);
    Label10 = label(QStringLiteral("サンプリング間隔（マイクロ秒）"), Frame1,
                    QRect(kPicture.left(), kPicture.bottom() + 24, kPicture.width(), 20), Qt::AlignCenter);

    const int rows = kPicture.bottom() + 56;
    const auto row = [&](int n, const QString& title, const QString& unit, QLabel** t, QLabel** v, QLabel** u) {
        const int y = rows + n * 26;
        *t = label(title, Frame1, QRect(40, y, 230, 22), Qt::AlignRight | Qt::AlignVCenter);
        *v = label(QString(), Frame1, QRect(280, y, 100, 22), Qt::AlignRight | Qt::AlignVCenter);
        *u = label(unit, Frame1, QRect(390, y, 100, 22));
    };
    row(0, QStringLiteral("平均値"), QStringLiteral("マイクロ秒"), &Label1, &Label3, &Label5);
    row(1, QStringLiteral("最大"), QStringLiteral("マイクロ秒"), &Label2, &Label4, &Label6);
    row(2, QStringLiteral("単位時間あたりのエラーレート"), QStringLiteral("％"), &Label11, &Label12, &Label13);

    Command1 = new QPushButton(QStringLiteral("測定開始"), this);
    Command1->setGeometry(8, 424, 160, 36);
    Command2 = new QPushButton(QStringLiteral("説明を読む"), this);
    Command2->setGeometry(398, 424, 160, 36);
    connect(Command1, &QPushButton::clicked, this, &frmVantor::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmVantor::Command2_Click);
}

void frmVantor::Command1_Click()
{
    Command1->setEnabled(false);
    measure();
    Command1->setEnabled(true);
    ResetPorts(m_port);
}

void frmVantor::measure()
{
    if (!m_port.IsDriverInstalled()) {
        Prompts::exclamation(driverMessage(m_port));
        return;
    }
    setUpSamplingPort(m_port);
    Picture1->showMeasuring();
    Label3->setText(QStringLiteral("測定中"));
    Label4->setText(QStringLiteral("測定中"));
    repaint();
    QCoreApplication::processEvents();

    const SamplingRun run = takeSamples(m_port);
    QCoreApplication::processEvents();
    showFigures(computeSamplingStatistics(run.stamps, MonotonicClock::kFrequency));
}

void frmVantor::showFigures(const SamplingStatistics& s)
{
    Picture1->showStatistics(s);
    Label9[0]->setText(LabelNumbers::wholePart(s.edges[0] - s.min));
    Label9[1]->setText(LabelNumbers::wholePart(s.max + 2 * s.min));
    Label3->setText(LabelNumbers::tenths(s.mean));
    Label4->setText(LabelNumbers::tenths(s.max));
    Label12->setText(LabelNumbers::percent(s.errorShare()));
}

void frmVantor::Command2_Click()
{
    if (!QFileInfo::exists(m_explanationPath) || !m_desktop.openTextFile(m_explanationPath))
        Prompts::exclamation(QStringLiteral("説明ファイル %1 を開けません。").arg(m_explanationPath));
}
