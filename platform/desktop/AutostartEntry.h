#pragma once

#include <QString>
#include <QStringList>

// The XDG autostart entry that starts the program with the desktop session.
namespace AutostartEntry {

// $XDG_CONFIG_HOME/autostart/talvero.desktop
QString filePath();

// The Exec value for command, quoted and escaped as desktop entry files require.
QString execLine(const QStringList& command);

// The whole file for command.
QByteArray contents(const QStringList& command);

} // namespace AutostartEntry
