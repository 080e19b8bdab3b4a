#include "SimLine.h"

#include "SimCall.h"
#include "SimLineServer.h"
#include "WavFile.h"

namespace {

const QString kNoCallerId = QStringLiteral("-");

QString stateName(CallState state)
{
    switch (state) {
    case CS_OFFERING: return QStringLiteral("OFFERING");
    case CS_CONNECTED: return QStringLiteral("CONNECTED");
    case CS_DISCONNECTED: return QStringLiteral("DISCONNECTED");
    default: return QStringLiteral("IDLE");
    }
}

bool isKey(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'*' || c == u'#';
}

} // namespace

SimLine::SimLine(SimLineOptions options)
    : m_options(options),
      m_audio(kLegacyDeviceId,
              {[this](int bytes) { return callerVoice(bytes); },
               [this](const QByteArray& samples, const QString&) { machineVoice(samples); },
               [this](bool playing, const QString& name) {
                   emit monitor((playing ? QStringLiteral("PLAYING ") : QStringLiteral("PLAYED ")) + name);
               },
               [this](bool capturing) {
                   emit monitor(capturing ? QStringLiteral("CAPTURING") : QStringLiteral("CAPTURED"));
               }})
{
    m_audio.setFaults(options.audio);
}

SimLine::~SimLine() = default;

Status SimLine::initialize()
{
    m_initialized = true;
    return {};
}

void SimLine::shutdown()
{
    m_registrations.clear();
    m_initialized = false;
}

QList<LineAddress*> SimLine::addresses() const
{
    return {const_cast<SimAddress*>(&m_address)};
}

quint32 SimLine::registerCallNotifications(LineAddress* address, bool monitor, bool owner, long mediaTypes,
                                           int callbackInstance)
{
    Q_UNUSED(monitor);
    Q_UNUSED(callbackInstance);
    if (!m_initialized || m_options.refuseRegistration || address != &m_address || !(mediaTypes & TAPIMEDIATYPE_AUDIO))
        return 0;
    return m_registrations.add(owner);
}

void SimLine::unregisterNotifications(quint32 cookie)
{
    m_registrations.remove(cookie);
}

LegacyDeviceId SimLine::legacyDeviceId(int deviceIndex, const QString& deviceClass)
{
    if (!m_initialized)
        return {LegacyDeviceId::InitFailed, -1};
    if (m_options.failLegacyLine || deviceIndex != 0)
        return {LegacyDeviceId::OpenFailed, -1};
    if (deviceClass != u"wave/in" && deviceClass != u"wave/out")
        return {LegacyDeviceId::NoIdentifier, -1};
    return {LegacyDeviceId::Found, kLegacyDeviceId};
}

void SimLine::showStatus(const QString& text)
{
    m_status = text;
    emit monitor(QStringLiteral("TEXT ") + text);
}

Status SimLine::openDoor(const QString& socketName)
{
    m_door = std::make_unique<SimLineServer>(this);
    const Status listening = m_door->listen(socketName);
    if (!listening)
        m_door.reset();
    return listening;
}

void SimLine::deliver(LineEvent e)
{
    if (m_registrations.passes(e.kind))
        emit event(e);
}

Result<int> SimLine::ring(const QString& number, const QString& name)
{
    const std::optional<QString> caller = number == kNoCallerId ? std::nullopt : std::optional(number);
    const std::optional<QString> callerName = caller && !name.isEmpty() ? std::optional(name) : std::nullopt;
    auto call = std::make_shared<SimCall>(this, m_nextCall++, caller, callerName);
    m_calls.append(call);
    m_address.add(call);
    deliver({.kind = TE_CALLNOTIFICATION, .address = &m_address, .call = call});
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = call, .callState = CS_OFFERING});
    if (caller)
        deliver({.kind = TE_CALLINFOCHANGE, .address = &m_address, .call = call, .cause = CIC_CALLERID});
    SimCall* raw = call.get();
    connect(&raw->ringTimer(), &QTimer::timeout, this, [this, raw] { ringOnce(raw); });
    raw->ringTimer().start(m_options.ringMilliseconds);
    QTimer::singleShot(0, &raw->ringTimer(), [this, raw] { ringOnce(raw); });
    return call->id();
}

void SimLine::ringOnce(SimCall* call)
{
    if (call->state() != CS_OFFERING)
        return;
    call->countRing();
    emit monitor(QStringLiteral("RINGING %1 %2").arg(call->id()).arg(call->rings()));
    deliver({.kind = TE_ADDRESS, .address = &m_address, .addressEvent = AE_RINGING, .call = nullptr});
}

std::shared_ptr<SimCall> SimLine::shared(const SimCall* call) const
{
    for (const auto& c : m_calls) {
        if (c.get() == call)
            return c;
    }
    return {};
}

SimCall* SimLine::newestLiveCall() const
{
    for (auto it = m_calls.crbegin(); it != m_calls.crend(); ++it) {
        if ((*it)->state() != CS_DISCONNECTED)
            return it->get();
    }
    return nullptr;
}

Status SimLine::pressKeys(const QString& keys)
{
    SimCall* call = newestLiveCall();
    if (!call)
        return Status::failure(QStringLiteral("no call"));
    for (QChar c : keys) {
        if (!isKey(c))
            return Status::failure(QStringLiteral("not a key: %1").arg(c));
    }
    if (!call->detectsDigits())
        return {}; // nobody listens for keys now: the tones go unheard
    for (QChar c : keys)
        deliver({.kind = TE_DIGITEVENT, .address = &m_address, .call = shared(call), .digit = c.unicode()});
    return {};
}

Status SimLine::say(const QString& wavPath)
{
    if (wavPath == kNoCallerId) {
        sayLineSamples({});
        return {};
    }
    const Result<PcmSound> sound = WavFile::read(wavPath);
    if (!sound)
        return Status::failure(wavPath + QStringLiteral(": ") + sound.error());
    sayLineSamples(WavFile::toLineSamples(*sound));
    return {};
}

void SimLine::sayLineSamples(const QByteArray& samples)
{
    m_voice = samples;
    m_voiceAt = 0;
}

void SimLine::addVoice(const QByteArray& samples)
{
    m_voice.remove(0, m_voiceAt);
    m_voiceAt = 0;
    m_voice += samples;
}

QByteArray SimLine::callerVoice(int bytes)
{
    const QByteArray part = m_voice.mid(m_voiceAt, bytes);
    m_voiceAt += part.size();
    return part;
}

Status SimLine::listen(const QString& wavPath)
{
    if (m_listen.isOpen())
        m_listen.finish();
    if (wavPath == kNoCallerId)
        return {};
    return m_listen.open(wavPath, WaveFormat::line());
}

void SimLine::machineVoice(const QByteArray& samples)
{
    emit machineSound(samples);
    if (m_listen.isOpen() && m_listen.append(samples))
        m_listen.updateHeader();
}

Status SimLine::hangUp()
{
    SimCall* call = newestLiveCall();
    if (!call)
        return Status::failure(QStringLiteral("no call"));
    call->callerHangsUp();
    return {};
}

QString SimLine::describe() const
{
    const SimCall* call = newestLiveCall();
    return stateName(call ? call->state() : CS_IDLE) + u' ' + m_status;
}

void SimLine::callAnswered(SimCall* call)
{
    emit monitor(QStringLiteral("ANSWERED %1").arg(call->id()));
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = shared(call), .callState = CS_CONNECTED});
}

void SimLine::callEnded(SimCall* call, const QString& reason)
{
    const std::shared_ptr<SimCall> held = shared(call);
    m_calls.removeAll(held);
    m_address.remove(call);
    emit monitor(QStringLiteral("DISCONNECTED %1 %2").arg(call->id()).arg(reason));
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = held, .callState = CS_DISCONNECTED});
}

void SimLine::digitsGenerated(SimCall* call, const QString& digits)
{
    emit monitor(QStringLiteral("TONE %1 %2").arg(call->id()).arg(digits));
}

void SimLine::detectionChanged(SimCall* call, bool on)
{
    emit monitor(QStringLiteral("DETECT %1 %2").arg(call->id()).arg(on ? u"ON" : u"OFF"));
}
