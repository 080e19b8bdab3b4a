#pragma once

#include <QPoint>
#include <QString>

#include <optional>

// The start-up readings of the stored window position and port address.
namespace StoredWindowState {

// [Position] PT_Left and PT_Top as a point in twips: both must be numbers and neither negative (a
// minimised window leaves a negative position behind).
std::optional<QPoint> position(const QString& leftText, const QString& topText);

// The port address ticked for a stored [PPort] Addr: "278" and "3BC" as they are, anything else "378".
QString portAddress(const QString& stored);

} // namespace StoredWindowState
