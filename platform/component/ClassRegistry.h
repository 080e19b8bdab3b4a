#pragma once

#include <QString>

// The record of which shared library serves which class: classes.ini in the user's configuration
// folder ($XDG_CONFIG_HOME/talvero, else ~/.config/talvero). A class has a name ("Nimbal.Dial"),
// a versioned name, a class identifier and one interface in a type library.
struct ClassRegistration {
    QString className;
    QString versionedName;
    QString classId;
    QString description;
    QString interfaceId;
    QString interfaceName;
    QString interfaceDescription;
    QString libraryId;
    QString libraryName;
    QString libraryVersion;
    QString libraryHelp;
    QString libraryPath;
    QString threadingModel;
};

namespace ClassRegistry {

QString filePath();

// Writes the class's entries, replacing older ones of the same names. False when the file cannot
// be written (the old file then stays).
bool add(const ClassRegistration& entry);

// Removes the class's entries; the other classes stay.
bool remove(const ClassRegistration& entry);

// The class identifier of a class name, and the library of a class identifier; empty when unknown.
QString classIdOf(const QString& className);
QString libraryOf(const QString& classId);

} // namespace ClassRegistry
