#include "SimCall.h"

#include "SimLine.h"

SimCall::SimCall(SimLine* line, int id, std::optional<QString> number, std::optional<QString> name)
    : m_line(line), m_id(id), m_number(std::move(number)), m_name(std::move(name))
{
}

Status SimCall::answer()
{
    if (m_state != CS_OFFERING)
        return Status::failure(QStringLiteral("the call is not offering"));
    if (m_line->refusesAnswer())
        return Status::failure(QStringLiteral("the line refused to answer"));
    m_ringTimer.stop();
    m_state = CS_CONNECTED;
    m_line->callAnswered(this);
    return {};
}

void SimCall::disconnect(DisconnectCode code)
{
    end(code == DC_REJECTED ? QStringLiteral("REJECTED") : QStringLiteral("NORMAL"));
}

void SimCall::callerHangsUp()
{
    end(QStringLiteral("HANGUP"));
}

void SimCall::end(const QString& reason)
{
    if (m_state == CS_DISCONNECTED)
        return;
    m_ringTimer.stop();
    m_state = CS_DISCONNECTED;
    m_digitMode = LINEDIGITMODE_OFF;
    m_line->callEnded(this, reason);
}

Status SimCall::detectDigits(int digitMode)
{
    if (m_state == CS_DISCONNECTED)
        return Status::failure(QStringLiteral("the call is disconnected"));
    if (m_digitMode != digitMode)
        m_line->detectionChanged(this, digitMode == LINEDIGITMODE_DTMF);
    m_digitMode = digitMode;
    return {};
}

Status SimCall::generateDigits(const QString& digits, int digitMode)
{
    if (m_state != CS_CONNECTED)
        return Status::failure(QStringLiteral("the call is not connected"));
    if (digitMode != LINEDIGITMODE_DTMF)
        return Status::failure(QStringLiteral("only DTMF digits can be generated"));
    m_line->digitsGenerated(this, digits);
    return {};
}
