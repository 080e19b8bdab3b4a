#pragma once

#include <QMap>
#include <QtGlobal>

// What every provider keeps of the engine's interest in its address: the registrations for call
// notifications (cookie → owner) and the event filter. Events go out only while someone is
// registered and the filter lets their kind through.
class LineRegistrations {
public:
    // The new registration's cookie; never 0, which means refused.
    quint32 add(bool owner)
    {
        const quint32 cookie = m_nextCookie++;
        m_owners.insert(cookie, owner);
        return cookie;
    }
    void remove(quint32 cookie) { m_owners.remove(cookie); }
    void clear() { m_owners.clear(); }
    bool isEmpty() const { return m_owners.isEmpty(); }
    int count() const { return int(m_owners.size()); }

    void setFilter(quint32 mask) { m_filter = mask; }
    bool passes(quint32 kind) const { return (m_filter & kind) && !m_owners.isEmpty(); }

private:
    QMap<quint32, bool> m_owners;
    quint32 m_nextCookie = 1;
    quint32 m_filter = 0;
};
