#pragma once

#include "Protocols.h"

#include <QList>
#include <QString>

#include <cstdint>

// The buttons of the virtual remote: a television and an air conditioner, each with an address of
// its own, sent in whichever protocol the user picks. Addresses and commands fit every protocol.
struct RemoteButton {
    QString name;    // object name of its button, e.g. "tv_power"
    QString caption; // "電源"
    std::uint8_t command = 0;
};

struct VirtualApplianceModel {
    QString name; // "テレビ"
    std::uint8_t address = 0;
    QList<RemoteButton> buttons;
};

const QList<VirtualApplianceModel>& virtualAppliances();

IrFrame frameOf(const VirtualApplianceModel& appliance, const RemoteButton& button, Protocol protocol);

// What a received frame means to the virtual appliances: "テレビ：電源 (NEC, 38.0 kHz)", or the
// frame's own description when it is none of their buttons.
QString meaningOf(const SeenFrame& seen);
