#pragma once

#include <QString>

// Where a kept message goes after the call: the notification mail. The engine calls it with the
// line switched off and switches the line on again when it returns.
class MessageHandOver {
public:
    virtual ~MessageHandOver() = default;
    virtual void messageKept(const QString& wavPath) = 0;
};
