#pragma once

#include "LineTypes.h"

#include <QMetaType>

#include <memory>

class LineAddress;
class LineCall;

// One event of the line. Which fields mean something depends on kind.
struct LineEvent {
    TapiEvent kind = TE_TAPIOBJECT;
    LineAddress* address = nullptr; // TE_ADDRESS
    AddressEvent addressEvent = AE_STATE;
    std::shared_ptr<LineCall> call;        // call events
    CallState callState = CS_IDLE;         // TE_CALLSTATE
    CallInfoChangeCause cause = CIC_OTHER; // TE_CALLINFOCHANGE
    int digit = 0;                         // TE_DIGITEVENT: the key's character code
};

Q_DECLARE_METATYPE(LineEvent)
