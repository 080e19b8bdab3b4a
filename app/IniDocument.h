#pragma once

#include <QString>
#include <QStringList>

// The text of a profile (INI) file with Windows profile semantics: section and key names match
// without regard to case, the first match wins, spaces around "=" and around values are trimmed,
// and a change touches only the line it is about, so comments and unknown lines stay in place.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const QString& text);

    // The value of key in section; a null string when the section or key is missing.
    QString value(QStringView section, QStringView key) const;

    // Creates or replaces the key (and the section). False when the names cannot be stored
    // (empty, or holding a line break, "=" in a key, "]" in a section).
    bool setValue(QStringView section, QStringView key, QStringView value);

    QString toString() const;

private:
    struct KeyLine {
        QString key;
        QString value;
    };
    static bool sectionName(const QString& line, QString* name);
    static bool keyLine(const QString& line, KeyLine* out);
    int findSection(QStringView section) const;
    int sectionEnd(int header) const;

    QStringList m_lines;
    QString m_eol = QStringLiteral("\n");
    bool m_finalEol = true;
};
