#include "SipCall.h"

#include "SipLine.h"

SipCall::SipCall(SipLine* line, int id, SipCallerId caller) : m_line(line), m_id(id), m_caller(std::move(caller)) {}

Status SipCall::answer()
{
    if (m_state != CS_OFFERING)
        return Status::failure(QStringLiteral("the call is not offering"));
    m_ringTimer.stop();
    m_state = CS_CONNECTED;
    m_line->answerCall(this);
    return {};
}

void SipCall::disconnect(DisconnectCode code)
{
    if (m_state == CS_DISCONNECTED)
        return;
    m_line->endCall(this, m_state == CS_OFFERING && code == DC_REJECTED ? 486 : 480);
    end(code == DC_REJECTED ? QStringLiteral("REJECTED") : QStringLiteral("NORMAL"));
}

void SipCall::remoteEnded(const QString& reason)
{
    end(reason);
}

void SipCall::end(const QString& reason)
{
    if (m_state == CS_DISCONNECTED)
        return;
    m_ringTimer.stop();
    m_state = CS_DISCONNECTED;
    m_digitMode = LINEDIGITMODE_OFF;
    m_line->callEnded(this, reason);
}

Status SipCall::detectDigits(int digitMode)
{
    if (m_state == CS_DISCONNECTED)
        return Status::failure(QStringLiteral("the call is disconnected"));
    m_digitMode = digitMode;
    return {};
}

Status SipCall::generateDigits(const QString& digits, int digitMode)
{
    if (m_state != CS_CONNECTED)
        return Status::failure(QStringLiteral("the call is not connected"));
    if (digitMode != LINEDIGITMODE_DTMF)
        return Status::failure(QStringLiteral("only DTMF digits can be generated"));
    m_line->sendKeys(this, digits);
    return {};
}
