#pragma once

#include <QString>

// The digits keyed since the last recognised input or clear. The buffer stops growing one digit
// beyond the longest code of the current table: it can no longer match anything until it is
// cleared, so further digits change nothing and a caller cannot make it grow without bound.
class DigitEntry {
public:
    // Appends digit; true when it is the digit that made the entry longer than every code.
    bool append(QChar digit, qsizetype longestCode);
    void clear();

    const QString& text() const { return m_text; }
    bool isEmpty() const { return m_text.isEmpty(); }
    // The entry has grown beyond every code of its table.
    bool isOverlong() const { return m_overlong; }

private:
    QString m_text;
    bool m_overlong = false;
};
