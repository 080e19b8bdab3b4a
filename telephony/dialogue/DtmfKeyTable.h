#pragma once

#include <QList>
#include <QString>

#include <optional>

// The inputs expected in one dialogue mode, as parallel names and codes. An entry is recognised
// when the whole digit buffer equals its code; positions are 1-based, as the handlers count them.
class DtmfKeyTable {
public:
    struct Entry {
        QString name;
        QString code;
    };

    DtmfKeyTable() = default;
    explicit DtmfKeyTable(QList<Entry> entries) : m_entries(std::move(entries)) {}

    int count() const { return int(m_entries.size()); }
    // The entry at position 1..count().
    const Entry& at(int position) const { return m_entries.at(position - 1); }

    // The first position, in table order, whose code equals buffer. An empty code never matches:
    // otherwise the empty buffer left after "*" would open it.
    std::optional<int> match(QStringView buffer) const;
    // The length of the longest code; no buffer longer than this can match.
    qsizetype longestCode() const;

private:
    QList<Entry> m_entries;
};
