#pragma once

#include <QString>

// One profile file on disk. Every call reads the file anew, as the program's settings are shared
// with other processes (the tools, the command-line doors). A write holds a lock on the folder,
// writes the whole text to a temporary file beside the old one, flushes it and renames it into
// place, so a crash at any moment leaves either the old file or the new one. The file is created
// with mode 0600 because it holds passwords.
class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }

    // The value, or the empty string when the file, section or key is missing. Creates nothing.
    QString read(QStringView section, QStringView key) const;

    // Creates or replaces the key. False when the names cannot be stored or the file cannot be
    // written; the old file is then unchanged.
    bool write(QStringView section, QStringView key, QStringView value) const;

private:
    QString m_path;
};
