#pragma once

#include "LineAddress.h"
#include "LineTypes.h"

// The one address of the simulated line.
class SimAddress : public LineAddress {
public:
    static inline const QString kName = QStringLiteral("Talvero Virtual Line");
    static inline const QString kProvider = QStringLiteral("talvsim.tsp");

    QString addressName() const override { return kName; }
    QString serviceProviderName() const override { return kProvider; }
    long mediaTypes() const override { return TAPIMEDIATYPE_AUDIO; }
    bool hasTerminalSupport() const override { return true; }
    QList<std::shared_ptr<LineCall>> calls() const override { return m_calls; }

    void add(std::shared_ptr<LineCall> call) { m_calls.append(std::move(call)); }
    void remove(const LineCall* call)
    {
        m_calls.removeIf([call](const std::shared_ptr<LineCall>& c) { return c.get() == call; });
    }

private:
    QList<std::shared_ptr<LineCall>> m_calls;
};
