#include "ModemPlayback.h"

#include "ModemSession.h"
#include "SampleCodec.h"

ModemPlayback::ModemPlayback(ModemSession& session) : m_session(session) {}

ModemPlayback::~ModemPlayback()
{
    stop();
}

bool ModemPlayback::load(const QByteArray& lineSamples, const QString& soundName)
{
    Q_UNUSED(soundName);
    stop();
    m_coded = SampleCodec::fromLinear16(lineSamples, m_session.method().coding);
    return true;
}

void ModemPlayback::play()
{
    stop();
    *m_playing = true;
    m_ticket = m_session.transmit(m_coded, [playing = m_playing] { *playing = false; });
}

void ModemPlayback::stop()
{
    if (*m_playing)
        m_session.stopStream(m_ticket);
}
