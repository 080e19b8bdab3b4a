#pragma once

#include <QtGlobal>

// The values of the telephony model the engine is written against: event kinds, call states,
// disconnect reasons, media types and digit modes.

enum TapiEvent : quint32 {
    TE_TAPIOBJECT = 0x1,
    TE_ADDRESS = 0x2,
    TE_CALLNOTIFICATION = 0x4,
    TE_CALLSTATE = 0x8,
    TE_CALLMEDIA = 0x10,
    TE_CALLHUB = 0x20,
    TE_CALLINFOCHANGE = 0x40,
    TE_PRIVATE = 0x80,
    TE_REQUEST = 0x100,
    TE_AGENT = 0x200,
    TE_AGENTSESSION = 0x400,
    TE_QOSEVENT = 0x800,
    TE_AGENTHANDLER = 0x1000,
    TE_ACDGROUP = 0x2000,
    TE_QUEUE = 0x4000,
    TE_DIGITEVENT = 0x8000,
    TE_GENERATEEVENT = 0x10000,
};

// Every event kind from TE_TAPIOBJECT up to and including TE_GENERATEEVENT.
constexpr quint32 kAllLineEvents = 0x1FFFF;

enum AddressEvent { AE_STATE = 0, AE_CAPSCHANGE = 1, AE_RINGING = 2, AE_CONFIGCHANGE = 3 };

enum CallState {
    CS_IDLE = 0,
    CS_INPROGRESS = 1,
    CS_CONNECTED = 2,
    CS_DISCONNECTED = 3,
    CS_OFFERING = 4,
    CS_HOLD = 5,
    CS_QUEUED = 6,
};

enum DisconnectCode { DC_NORMAL = 0, DC_NOANSWER = 1, DC_REJECTED = 2 };

enum CallInfoChangeCause { CIC_OTHER = 0, CIC_CALLERID = 14 };

constexpr long TAPIMEDIATYPE_AUDIO = 0x8;

constexpr int LINEDIGITMODE_OFF = 0;
constexpr int LINEDIGITMODE_DTMF = 0x2;
