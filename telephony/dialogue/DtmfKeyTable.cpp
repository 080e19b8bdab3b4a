#include "DtmfKeyTable.h"

#include <algorithm>

std::optional<int> DtmfKeyTable::match(QStringView buffer) const
{
    if (buffer.isEmpty())
        return std::nullopt;
    for (int position = 1; position <= count(); ++position) {
        if (at(position).code == buffer)
            return position;
    }
    return std::nullopt;
}

qsizetype DtmfKeyTable::longestCode() const
{
    qsizetype longest = 0;
    for (const Entry& entry : m_entries)
        longest = std::max(longest, entry.code.size());
    return longest;
}
