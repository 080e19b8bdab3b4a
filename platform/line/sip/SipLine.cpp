#include "SipLine.h"

#include "SipCall.h"

#include <QDebug>

namespace {

QString pathName(SipMedia::KeyPath path)
{
    switch (path) {
    case SipMedia::KeyPath::Rfc4733: return QStringLiteral("rfc4733");
    case SipMedia::KeyPath::Info: return QStringLiteral("info");
    case SipMedia::KeyPath::InBand: break;
    }
    return QStringLiteral("inband");
}

} // namespace

SipLine::SipLine(SipOptions options)
    : m_options(options), m_address(options.addressName()),
      m_audio(kLegacyDeviceId,
              {[this](int bytes) { return m_buffers.takeCallerVoice(bytes); },
               [this](const QByteArray& samples, const QString&) { m_buffers.addMachineVoice(samples); },
               [this](bool playing, const QString& name) {
                   if (!playing)
                       m_buffers.machineSoundEnded();
                   emit monitor((playing ? QStringLiteral("PLAYING ") : QStringLiteral("PLAYED ")) + name);
               },
               [this](bool capturing) {
                   m_buffers.setCapturing(capturing);
                   emit monitor(capturing ? QStringLiteral("CAPTURING") : QStringLiteral("CAPTURED"));
               }}),
      m_agent(options, m_buffers,
              {[this](int id, const SipCallerId& caller) {
                   QMetaObject::invokeMethod(
                       this, [this, id, caller] { incoming(id, caller); }, Qt::QueuedConnection);
               },
               [this](int id, const QString& reason) {
                   QMetaObject::invokeMethod(
                       this, [this, id, reason] { remoteEnded(id, reason); }, Qt::QueuedConnection);
               },
               [this](int id, char key, SipMedia::KeyPath path) {
                   QMetaObject::invokeMethod(
                       this, [this, id, key, path] { keyed(id, key, path); }, Qt::QueuedConnection);
               },
               [this](const QString& note) {
                   QMetaObject::invokeMethod(
                       this, [this, note] { emit monitor(note); }, Qt::QueuedConnection);
               }})
{
}

SipLine::~SipLine()
{
    m_agent.stop();
}

Status SipLine::initialize()
{
    const Status started = m_agent.start();
    m_initialized = started.ok();
    if (!started)
        qWarning().noquote() << "SIP line:" << started.error();
    return started;
}

void SipLine::shutdown()
{
    m_registrations.clear();
    m_agent.setAccepting(false);
    m_agent.stop();
    m_initialized = false;
}

QList<LineAddress*> SipLine::addresses() const
{
    return {const_cast<SipAddress*>(&m_address)};
}

quint32 SipLine::registerCallNotifications(LineAddress* address, bool monitor, bool owner, long mediaTypes,
                                           int callbackInstance)
{
    Q_UNUSED(monitor);
    Q_UNUSED(callbackInstance);
    if (!m_initialized || address != &m_address || !(mediaTypes & TAPIMEDIATYPE_AUDIO))
        return 0;
    const quint32 cookie = m_registrations.add(owner);
    m_agent.setAccepting(true);
    return cookie;
}

void SipLine::unregisterNotifications(quint32 cookie)
{
    m_registrations.remove(cookie);
    m_agent.setAccepting(!m_registrations.isEmpty());
}

LegacyDeviceId SipLine::legacyDeviceId(int deviceIndex, const QString& deviceClass)
{
    if (!m_initialized)
        return {LegacyDeviceId::InitFailed, -1};
    if (deviceIndex != 0)
        return {LegacyDeviceId::OpenFailed, -1};
    if (deviceClass != u"wave/in" && deviceClass != u"wave/out")
        return {LegacyDeviceId::NoIdentifier, -1};
    return {LegacyDeviceId::Found, kLegacyDeviceId};
}

void SipLine::deliver(LineEvent e)
{
    if (m_registrations.passes(e.kind))
        emit event(e);
}

std::shared_ptr<SipCall> SipLine::shared(int id) const
{
    for (const auto& c : m_calls) {
        if (c->id() == id)
            return c;
    }
    return {};
}

void SipLine::incoming(int id, const SipCallerId& caller)
{
    auto call = std::make_shared<SipCall>(this, id, caller);
    m_calls.append(call);
    m_address.add(call);
    emit monitor(QStringLiteral("OFFERED %1 %2").arg(id).arg(caller.number.value_or(QStringLiteral("-"))));
    deliver({.kind = TE_CALLNOTIFICATION, .address = &m_address, .call = call});
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = call, .callState = CS_OFFERING});
    if (caller.number)
        deliver({.kind = TE_CALLINFOCHANGE, .address = &m_address, .call = call, .cause = CIC_CALLERID});
    SipCall* raw = call.get();
    connect(&raw->ringTimer(), &QTimer::timeout, this, [this, raw] { ringOnce(raw); });
    raw->ringTimer().start(m_options.ringMilliseconds);
    QTimer::singleShot(0, &raw->ringTimer(), [this, raw] { ringOnce(raw); });
}

void SipLine::ringOnce(SipCall* call)
{
    if (call->state() != CS_OFFERING)
        return;
    emit monitor(QStringLiteral("RINGING %1 %2").arg(call->id()).arg(call->countRing()));
    deliver({.kind = TE_ADDRESS, .address = &m_address, .addressEvent = AE_RINGING, .call = nullptr});
}

void SipLine::remoteEnded(int id, const QString& reason)
{
    if (const std::shared_ptr<SipCall> call = shared(id))
        call->remoteEnded(reason);
}

void SipLine::keyed(int id, char key, SipMedia::KeyPath path)
{
    const std::shared_ptr<SipCall> call = shared(id);
    if (!call)
        return;
    emit monitor(QStringLiteral("KEY %1 %2 %3").arg(id).arg(QChar(key)).arg(pathName(path)));
    if (call->detectsDigits())
        deliver({.kind = TE_DIGITEVENT, .address = &m_address, .call = call, .digit = key});
}

void SipLine::answerCall(SipCall* call)
{
    m_agent.answer(call->id());
    emit monitor(QStringLiteral("ANSWERED %1").arg(call->id()));
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = shared(call->id()), .callState = CS_CONNECTED});
}

void SipLine::endCall(SipCall* call, int status)
{
    m_agent.end(call->id(), status);
}

void SipLine::sendKeys(SipCall* call, const QString& digits)
{
    emit monitor(QStringLiteral("TONE %1 %2").arg(call->id()).arg(digits));
    m_agent.sendKeys(call->id(), digits);
}

void SipLine::callEnded(SipCall* call, const QString& reason)
{
    const std::shared_ptr<SipCall> held = shared(call->id());
    m_calls.removeAll(held);
    m_address.remove(call);
    emit monitor(QStringLiteral("DISCONNECTED %1 %2").arg(call->id()).arg(reason));
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = held, .callState = CS_DISCONNECTED});
}
