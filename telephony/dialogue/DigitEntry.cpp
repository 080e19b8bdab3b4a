#include "DigitEntry.h"

bool DigitEntry::append(QChar digit, qsizetype longestCode)
{
    if (m_overlong)
        return false;
    m_text.append(digit);
    m_overlong = m_text.size() > longestCode;
    return m_overlong;
}

void DigitEntry::clear()
{
    m_text.clear();
    m_overlong = false;
}
