#include "ModemCall.h"

#include "ModemLine.h"

namespace {

bool isTone(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'*' || c == u'#' || (c >= u'A' && c <= u'D');
}

} // namespace

ModemCall::ModemCall(ModemLine* line, int id) : m_line(line), m_id(id) {}

Status ModemCall::answer()
{
    if (m_state != CS_OFFERING)
        return Status::failure(QStringLiteral("the call is not offering"));
    if (!m_line || !m_line->session().isUsable())
        return Status::failure(QStringLiteral("the modem cannot be used now"));
    m_state = CS_CONNECTED;
    m_line->answer(this);
    return {};
}

void ModemCall::disconnect(DisconnectCode code)
{
    Q_UNUSED(code);
    if (m_state == CS_DISCONNECTED)
        return;
    const bool offHook = m_state == CS_CONNECTED;
    const QPointer<ModemLine> line = m_line; // ending may release the last hold on this call
    end();
    if (offHook && line)
        line->hangUpModem();
}

void ModemCall::end()
{
    if (m_state == CS_DISCONNECTED)
        return;
    m_state = CS_DISCONNECTED;
    m_digitMode = LINEDIGITMODE_OFF;
    if (m_line)
        m_line->callEnded(this);
}

Status ModemCall::detectDigits(int digitMode)
{
    if (m_state == CS_DISCONNECTED)
        return Status::failure(QStringLiteral("the call is disconnected"));
    m_digitMode = digitMode; // the modem always reports keys; the call passes them on or not
    return {};
}

Status ModemCall::generateDigits(const QString& digits, int digitMode)
{
    if (m_state != CS_CONNECTED || !m_line)
        return Status::failure(QStringLiteral("the call is not connected"));
    if (digitMode != LINEDIGITMODE_DTMF)
        return Status::failure(QStringLiteral("only DTMF digits can be generated"));
    QStringList tones;
    for (QChar c : digits) {
        if (!isTone(c))
            return Status::failure(QStringLiteral("not a tone: %1").arg(c));
        tones.append(c);
    }
    if (!tones.isEmpty())
        m_line->session().command("AT+VTS=" + tones.join(u',').toLatin1());
    return {};
}
