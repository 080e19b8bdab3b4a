#pragma once

#include <QString>

// The tool's port address, [PPort] Addr of setting.ini in the data folder it shares with the main
// program: "378", "278" or "3BC".
namespace PortAddressSetting {

// The stored address; any other text (or none) is corrected to "378" in the file.
QString load();
// Stores one of the three texts; false when the file cannot be written.
bool store(const QString& address);

} // namespace PortAddressSetting
