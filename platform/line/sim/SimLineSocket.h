#pragma once

#include <QString>

// The simulated line's door: a local socket whose name follows from the data folder, so that
// every program started on the same data folder finds the same line.
namespace SimLineSocket {

QString name(const QString& dataFolder);

} // namespace SimLineSocket
