#include "ModemLine.h"

#include "MainWindowLink.h"
#include "ModemCall.h"

#include <QDebug>
#include <QEventLoop>

namespace {

constexpr int kSetupCommands = 16; // bounds the wait for the set-up: this many command time-outs

bool isKey(char c)
{
    return (c >= '0' && c <= '9') || c == '*' || c == '#' || (c >= 'A' && c <= 'D');
}

// DLE events that say the caller is gone: busy tone, dial tone, silence, quiet, loop current break.
bool isHangUp(char c)
{
    return c == 'b' || c == 'd' || c == 's' || c == 'q' || c == 'l';
}

} // namespace

ModemLine::ModemLine(ModemOptions options) : m_session(std::move(options)), m_audio(m_session, kLegacyDeviceId)
{
    m_ringGap.setSingleShot(true);
    m_ringGap.setInterval(m_session.options().ringGapMs);
    connect(&m_ringGap, &QTimer::timeout, this, [this] {
        // The rings stopped before the answer: the caller hung up.
        if (ModemCall* call = liveCall(); call && call->state() == CS_OFFERING)
            call->end();
    });
    connect(&m_session, &ModemSession::unsolicited, this, &ModemLine::heard);
    connect(&m_session, &ModemSession::shielded, this, &ModemLine::shielded);
    connect(&m_session, &ModemSession::ready, this, &ModemLine::modemReady);
    connect(&m_session, &ModemSession::unusable, this, &ModemLine::modemUnusable);
}

ModemLine::~ModemLine()
{
    m_session.disconnect(this);
    m_session.close();
}

Status ModemLine::initialize()
{
    m_initialized = true;
    if (m_session.isUsable())
        return {};
    QEventLoop wait;
    connect(&m_session, &ModemSession::ready, &wait, &QEventLoop::quit);
    connect(&m_session, &ModemSession::unusable, &wait, &QEventLoop::quit);
    QTimer::singleShot(kSetupCommands * m_session.options().commandTimeoutMs, &wait, &QEventLoop::quit);
    QTimer::singleShot(0, &m_session, &ModemSession::start);
    wait.exec();
    if (!m_session.isUsable())
        return Status::failure(m_problem.isEmpty() ? QStringLiteral("the modem does not answer") : m_problem);
    return {};
}

void ModemLine::shutdown()
{
    m_registrations.clear();
    m_initialized = false;
    m_session.close();
}

QList<LineAddress*> ModemLine::addresses() const
{
    // A modem that never told its name has no address to choose.
    if (m_address.addressName().isEmpty())
        return {};
    return {const_cast<ModemAddress*>(&m_address)};
}

quint32 ModemLine::registerCallNotifications(LineAddress* address, bool monitor, bool owner, long mediaTypes,
                                             int callbackInstance)
{
    Q_UNUSED(monitor);
    Q_UNUSED(callbackInstance);
    if (!m_initialized || address != &m_address || !(mediaTypes & TAPIMEDIATYPE_AUDIO))
        return 0;
    return m_registrations.add(owner);
}

void ModemLine::unregisterNotifications(quint32 cookie)
{
    m_registrations.remove(cookie);
}

LegacyDeviceId ModemLine::legacyDeviceId(int deviceIndex, const QString& deviceClass)
{
    if (!m_initialized)
        return {LegacyDeviceId::InitFailed, -1};
    if (deviceIndex != 0 || addresses().isEmpty())
        return {LegacyDeviceId::OpenFailed, -1};
    if (deviceClass != u"wave/in" && deviceClass != u"wave/out")
        return {LegacyDeviceId::NoIdentifier, -1};
    return {LegacyDeviceId::Found, kLegacyDeviceId};
}

void ModemLine::showStatus(const QString& text)
{
    m_engineStatus = text;
    // While the modem cannot be used, that is what the status bar says, whatever the engine did last.
    if (!m_problem.isEmpty())
        MainWindow::setStatusText(kUnusable + m_problem);
}

void ModemLine::deliver(LineEvent e)
{
    if (m_registrations.passes(e.kind))
        emit event(e);
}

// ---- What the modem reports

void ModemLine::heard(const QString& line)
{
    if (line == u"RING") {
        ring();
    } else if (const std::optional<CallerIdLine> id = CallerIdLine::parse(line)) {
        callerId(*id);
    } else if (line == u"NO CARRIER" || line == u"BUSY") {
        callerGone();
    }
}

void ModemLine::shielded(char event)
{
    ModemCall* call = liveCall();
    if (event == 'R') {
        ring();
    } else if (isKey(event)) {
        if (call && call->state() == CS_CONNECTED && call->detectsDigits())
            deliver({.kind = TE_DIGITEVENT, .address = &m_address, .call = shared(call), .digit = event});
    } else if (isHangUp(event)) {
        callerGone();
    }
}

ModemCall* ModemLine::offeringCall()
{
    if (ModemCall* call = liveCall())
        return call->state() == CS_OFFERING ? call : nullptr;
    auto call = std::make_shared<ModemCall>(this, m_nextCall++);
    m_calls.append(call);
    m_address.add(call);
    deliver({.kind = TE_CALLNOTIFICATION, .address = &m_address, .call = call});
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = call, .callState = CS_OFFERING});
    return call.get();
}

void ModemLine::ring()
{
    if (!offeringCall())
        return; // a ring while a call is up belongs to no one
    m_ringGap.start();
    deliver({.kind = TE_ADDRESS, .address = &m_address, .addressEvent = AE_RINGING, .call = nullptr});
}

void ModemLine::callerId(const CallerIdLine& id)
{
    if (id.field != CallerIdLine::Number && id.field != CallerIdLine::Name)
        return;
    ModemCall* call = offeringCall();
    if (!call)
        return;
    if (id.field == CallerIdLine::Number)
        call->setNumber(id.withheld() ? std::nullopt : std::optional(id.value));
    else
        call->setName(id.value);
    m_ringGap.start();
    deliver({.kind = TE_CALLINFOCHANGE, .address = &m_address, .call = shared(call), .cause = CIC_CALLERID});
}

void ModemLine::callerGone()
{
    ModemCall* call = liveCall();
    if (!call || call->state() != CS_CONNECTED)
        return;
    call->end();
    hangUpModem();
}

// ---- Told by the calls

void ModemLine::answer(ModemCall* call)
{
    m_ringGap.stop();
    const std::weak_ptr<ModemCall> weak = shared(call);
    m_session.command("AT+VLS=1", [this, weak](const ModemSession::Reply& reply) {
        const std::shared_ptr<ModemCall> call = weak.lock();
        if (!call || call->state() != CS_CONNECTED)
            return;
        if (reply.ok) {
            deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = call, .callState = CS_CONNECTED});
            return;
        }
        qWarning().noquote() << "modem: the answer failed:" << reply.final;
        call->end();
        hangUpModem();
    });
}

void ModemLine::hangUpModem()
{
    m_session.stopStreams();
    m_session.command("ATH");
}

void ModemLine::callEnded(ModemCall* call)
{
    const std::shared_ptr<ModemCall> held = shared(call);
    m_calls.removeAll(held);
    m_address.remove(call);
    if (!liveCall())
        m_ringGap.stop();
    deliver({.kind = TE_CALLSTATE, .address = &m_address, .call = held, .callState = CS_DISCONNECTED});
}

// ---- The modem's health

void ModemLine::modemReady()
{
    m_address.setName(m_session.identity());
    if (m_problem.isEmpty())
        return;
    m_problem.clear();
    if (!m_engineStatus.isEmpty())
        MainWindow::setStatusText(m_engineStatus);
}

void ModemLine::modemUnusable(const QString& why)
{
    qWarning().noquote() << "modem:" << why;
    m_problem = why;
    if (ModemCall* call = liveCall())
        call->end();
    MainWindow::setStatusText(kUnusable + why);
}

ModemCall* ModemLine::liveCall() const
{
    for (auto it = m_calls.crbegin(); it != m_calls.crend(); ++it) {
        if ((*it)->state() != CS_DISCONNECTED)
            return it->get();
    }
    return nullptr;
}

std::shared_ptr<ModemCall> ModemLine::shared(const ModemCall* call) const
{
    for (const auto& c : m_calls) {
        if (c.get() == call)
            return c;
    }
    return {};
}
