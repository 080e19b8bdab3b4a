#pragma once

#include "LineAddress.h"
#include "LineTypes.h"

// The one address of a voice modem, named by the modem's own identification.
class ModemAddress : public LineAddress {
public:
    static inline const QString kProvider = QStringLiteral("talvmodem.tsp");

    QString addressName() const override { return m_name; }
    QString serviceProviderName() const override { return kProvider; }
    long mediaTypes() const override { return TAPIMEDIATYPE_AUDIO; }
    bool hasTerminalSupport() const override { return true; }
    QList<std::shared_ptr<LineCall>> calls() const override { return m_calls; }

    void setName(const QString& name) { m_name = name; }
    void add(std::shared_ptr<LineCall> call) { m_calls.append(std::move(call)); }
    void remove(const LineCall* call)
    {
        m_calls.removeIf([call](const std::shared_ptr<LineCall>& c) { return c.get() == call; });
    }

private:
    QString m_name;
    QList<std::shared_ptr<LineCall>> m_calls;
};
