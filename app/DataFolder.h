#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

// The data folder holds everything the program keeps: settings, catalogue, signals, greetings,
// messages and the call log. It is chosen once at start and then reached through path().
namespace DataFolder {

// The folder to use: "--home DIR" (or "--home=DIR") in args, else $TALVERO_HOME, else the
// executable's folder when it holds a setting.ini (a portable install), else
// $XDG_DATA_HOME/talvero. The "--home" arguments are removed from args.
QString choose(QStringList* args, const QString& executableDir);

// Creates the folder when missing, checks that it can be written, and copies the shipped data
// (<shippedDir>/home) into it where a file is missing, never over the user's files. The error
// names the folder.
Status prepare(const QString& folder, const QString& shippedDir);

// Shipped data: <exe>/../share/talvero, where both the build tree and an install put it. Its home/
// is copied into every data folder; its other folders (help pages, say) are read in place.
QString shippedDataDir(const QString& executableDir);

void setCurrent(const QString& folder);
QString current();

// A backslash-led path of the data folder ("\Ans\Reception0.wav") as a path in it.
QString path(QStringView relative);

// The data folder's own scratch folder, created when missing.
QString tmpDir();

// Chooses, prepares and sets the data folder for a program started with these arguments.
Status setUp(QStringList* args);

} // namespace DataFolder
