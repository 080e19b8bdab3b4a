#include "VirtualRemoteWindow.h"

#include "MonotonicClock.h"
#include "RemoteButtons.h"
#include "VirtualModule.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kButtonsPerRow = 3;
// The frame starts this long after the press: scheduling its pulses holds the remote, which the
// sampling thread reads at every sample, so the frame must not begin before they are in place.
constexpr std::int64_t kPressToLightNs = 30'000'000;

} // namespace

VirtualRemoteWindow::VirtualRemoteWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("VirtualRemoteWindow"));
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);

    auto* choices = new QFormLayout;
    protocolBox = new QComboBox(this);
    protocolBox->setObjectName(QStringLiteral("protocolBox"));
    for (Protocol p : {Protocol::NEC, Protocol::AEHA, Protocol::SIRC, Protocol::RC5})
        protocolBox->addItem(protocolName(p), int(p));
    distanceBox = new QComboBox(this);
    distanceBox->setObjectName(QStringLiteral("distanceBox"));
    distanceBox->addItem(QStringLiteral("ふつう"), int(VirtualRemote::Distance::Normal));
    distanceBox->addItem(QStringLiteral("近すぎる"), int(VirtualRemote::Distance::Near));
    distanceBox->addItem(QStringLiteral("遠すぎる"), int(VirtualRemote::Distance::Far));
    choices->addRow(QStringLiteral("方式"), protocolBox);
    choices->addRow(QStringLiteral("距離"), distanceBox);
    layout->addLayout(choices);

    for (const VirtualApplianceModel& appliance : virtualAppliances()) {
        auto* frame = new QGroupBox(appliance.name, this);
        auto* grid = new QGridLayout(frame);
        for (int i = 0; i < appliance.buttons.size(); ++i) {
            const RemoteButton& b = appliance.buttons[i];
            auto* button = new QPushButton(b.caption, frame);
            button->setObjectName(b.name);
            connect(button, &QPushButton::clicked, this, [this, appliance, b] {
                send(frameOf(appliance, b, Protocol(protocolBox->currentData().toInt())));
            });
            grid->addWidget(button, i / kButtonsPerRow, i % kButtonsPerRow);
        }
        layout->addWidget(frame);
    }

    auto* received = new QGroupBox(QStringLiteral("仮想の機器が受信した信号"), this);
    auto* receivedLayout = new QVBoxLayout(received);
    applianceView = new QPlainTextEdit(received);
    applianceView->setObjectName(QStringLiteral("applianceView"));
    applianceView->setReadOnly(true);
    receivedLayout->addWidget(applianceView);
    layout->addWidget(received, 1);
}

void VirtualRemoteWindow::send(const IrFrame& frame)
{
    VirtualRemote::Options options;
    options.distance = VirtualRemote::Distance(distanceBox->currentData().toInt());
    VirtualModule::instance().remote().press(frame, MonotonicClock::now() + kPressToLightNs, options);
}

void VirtualRemoteWindow::showReceived(const Result<std::vector<SeenFrame>>& received)
{
    if (!received) {
        applianceView->setPlainText(received.error());
        return;
    }
    QStringList lines;
    for (const SeenFrame& seen : *received)
        lines << meaningOf(seen);
    applianceView->setPlainText(lines.isEmpty() ? kNothingReceived : lines.join(u'\n'));
}
