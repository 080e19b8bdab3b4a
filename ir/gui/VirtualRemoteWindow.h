#pragma once

#include "Protocols.h"
#include "Result.h"

#include <QWidget>

#include <vector>

class QComboBox;
class QPlainTextEdit;

// The remote control and the appliance of the virtual IR module, for learning and testing a signal
// with no hardware: the buttons of a television and an air conditioner send their frame in the chosen
// protocol from the chosen distance to the module's receiver at once, and the appliance view lists what
// the module's LED sent when a signal was tested.
class VirtualRemoteWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString kCaption = QStringLiteral("Morvane　－　仮想リモコン");
    static inline const QString kNothingReceived = QStringLiteral("信号を受信しませんでした。");

    explicit VirtualRemoteWindow(QWidget* parent = nullptr);

    // Shows what the appliance received from one test transmission.
    void showReceived(const Result<std::vector<SeenFrame>>& received);

    QComboBox* protocolBox = nullptr;
    QComboBox* distanceBox = nullptr;
    QPlainTextEdit* applianceView = nullptr;

private:
    void send(const IrFrame& frame);
};
