#pragma once

#include <QList>
#include <QString>

#include <memory>

class LineCall;

// One address of the line (a modem, a SIP account, the virtual line).
class LineAddress {
public:
    virtual ~LineAddress() = default;
    virtual QString addressName() const = 0;
    virtual QString serviceProviderName() const = 0; // the provider's file name
    virtual long mediaTypes() const = 0;             // TAPIMEDIATYPE_* bits
    virtual bool hasTerminalSupport() const = 0;
    virtual QList<std::shared_ptr<LineCall>> calls() const = 0;
};
