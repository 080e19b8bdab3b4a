#pragma once

#include "LineCall.h"
#include "SipCallerId.h"

#include <QTimer>

class SipLine;

// A SIP call as the engine sees it. Its commands go to the SIP thread and return at once.
class SipCall : public LineCall {
public:
    SipCall(SipLine* line, int id, SipCallerId caller);

    int id() const override { return m_id; }
    CallState state() const override { return m_state; }
    std::optional<QString> callerIdNumber() const override { return m_caller.number; }
    std::optional<QString> callerIdName() const override { return m_caller.name; }
    Status answer() override;
    void disconnect(DisconnectCode code) override;
    Status detectDigits(int digitMode) override;
    Status generateDigits(const QString& digits, int digitMode) override;

    // The far end hung up (CANCEL before the answer, BYE after it).
    void remoteEnded(const QString& reason);
    bool detectsDigits() const { return m_digitMode == LINEDIGITMODE_DTMF; }
    QTimer& ringTimer() { return m_ringTimer; }
    int countRing() { return ++m_rings; }

private:
    void end(const QString& reason);

    SipLine* m_line;
    int m_id;
    SipCallerId m_caller;
    CallState m_state = CS_OFFERING;
    int m_digitMode = LINEDIGITMODE_OFF;
    int m_rings = 0;
    QTimer m_ringTimer;
};
