#include "SipAgent.h"

#include "SipDtmfRelay.h"
#include "SipMediaBuffers.h"
#include "SipSdp.h"

#include <sofia-sip/msg_header.h>
#include <sofia-sip/nua.h>
#include <sofia-sip/sip_status.h>
#include <sofia-sip/soa_tag.h>
#include <sofia-sip/su_log.h>
#include <sofia-sip/su_wait.h>

#include <QRandomGenerator>

#include <sys/eventfd.h>
#include <unistd.h>

// The stack's own logs; only su_log_default has a public declaration.
extern "C" {
extern su_log_t tport_log[];
extern su_log_t nta_log[];
extern su_log_t nua_log[];
extern su_log_t soa_log[];
}

namespace {

constexpr int kClockMilliseconds = 20;

// The stack reports every refused datagram on standard error; the line says what matters itself.
// A log whose variable (TPORT_DEBUG, NTA_DEBUG …) is set keeps the level asked for.
void quietStackLogs()
{
    const std::pair<su_log_t*, const char*> logs[] = {{su_log_default, "SOFIA_DEBUG"},
                                                      {tport_log, "TPORT_DEBUG"},
                                                      {nta_log, "NTA_DEBUG"},
                                                      {nua_log, "NUA_DEBUG"},
                                                      {soa_log, "SOA_DEBUG"}};
    for (const auto& [log, variable] : logs) {
        if (qEnvironmentVariableIsEmpty(variable))
            su_log_set_level(log, 0);
    }
}
constexpr int kShutdownMilliseconds = 3000;

QByteArray text(const char* s)
{
    return s ? QByteArray(s) : QByteArray();
}

} // namespace

struct SipAgent::Leg {
    int id = 0;
    nua_handle_t* handle = nullptr;
    std::unique_ptr<SipMedia> media;
    SipSdp::Media offer;
    QString localAddress;
    int localPort = 0;
    bool offered = false; // told to the listener as incoming
    bool answered = false;
    QString reason = QStringLiteral("NORMAL");
};

struct SipAgent::Stack {
    su_root_t* root = nullptr;
    nua_t* nua = nullptr;
    su_timer_t* clock = nullptr;
    su_timer_t* shutdownGuard = nullptr;
    su_wait_t wake{};
    nua_handle_t* registration = nullptr;
    bool shuttingDown = false;
};

// The stack's callbacks, with access to the agent.
struct SipAgentEvents {
    static void onNua(nua_event_t event, int status, char const* phrase, nua_t* nua, nua_magic_t* magic,
                      nua_handle_t* nh, nua_hmagic_t*, sip_t const* sip, tagi_t tags[])
    {
        auto* agent = static_cast<SipAgent*>(magic);
        switch (event) {
        case nua_i_invite: invite(agent, nh, sip); break;
        case nua_i_cancel: setReason(agent, nh, QStringLiteral("CANCEL")); break;
        case nua_i_bye: setReason(agent, nh, QStringLiteral("BYE")); break;
        case nua_i_info: info(agent, nua, nh, sip); break;
        case nua_i_state: state(agent, nh, tags); break;
        case nua_r_register:
        case nua_r_unregister: registered(agent, nh, status, phrase, sip); break;
        case nua_r_shutdown:
            if (status >= 200)
                su_root_break(agent->m_stack->root);
            break;
        default:
            // Handles the stack made for requests outside a call (OPTIONS, stray BYE) are not ours.
            if (nh && !findLeg(agent, nh) && nh != agent->m_stack->registration && event >= nua_i_error &&
                event <= nua_i_register)
                nua_handle_destroy(nh);
            break;
        }
    }

    static SipAgent::Leg* findLeg(SipAgent* agent, nua_handle_t* nh)
    {
        for (auto& [id, leg] : agent->m_legs) {
            if (leg->handle == nh)
                return leg.get();
        }
        return nullptr;
    }

    static void refuse(SipAgent* agent, nua_handle_t* nh, int status, const char* phrase, const QString& why)
    {
        nua_respond(nh, status, phrase, TAG_END());
        if (agent->m_listener.note)
            agent->m_listener.note(QStringLiteral("REFUSED %1 %2").arg(status).arg(why));
    }

    static QString localAddressFor(SipAgent* agent, sip_t const* sip)
    {
        const QString listen = agent->m_options.listenHost;
        if (listen != u"0.0.0.0" && listen != u"::")
            return listen;
        return sip && sip->sip_request ? QString::fromLatin1(text(sip->sip_request->rq_url->url_host)) : listen;
    }

    static void invite(SipAgent* agent, nua_handle_t* nh, sip_t const* sip)
    {
        auto leg = std::make_unique<SipAgent::Leg>();
        leg->id = agent->m_nextCall++;
        leg->handle = nh;
        SipAgent::Leg* raw = leg.get();
        agent->m_legs[raw->id] = std::move(leg);
        if (!agent->m_accepting)
            return refuse(agent, nh, 480, "Temporarily Unavailable", QStringLiteral("nobody takes calls"));
        const QByteArray body = sip && sip->sip_payload
                                    ? QByteArray(sip->sip_payload->pl_data, int(sip->sip_payload->pl_len))
                                    : QByteArray();
        const Result<SipSdp::Media> offer = SipSdp::parseOffer(body, agent->m_options.codecs);
        if (!offer)
            return refuse(agent, nh, 488, "Not Acceptable Here", offer.error());
        raw->offer = *offer;
        raw->localAddress = localAddressFor(agent, sip);
        const int id = raw->id;
        raw->media = std::make_unique<SipMedia>(agent->m_buffers, [agent, id](char k, SipMedia::KeyPath path) {
            if (agent->m_listener.key)
                agent->m_listener.key(id, k, path);
        });
        const Result<int> port = raw->media->open(raw->localAddress);
        if (!port)
            return refuse(agent, nh, 500, "Server Internal Error", port.error());
        raw->localPort = *port;
        nua_respond(nh, SIP_180_RINGING, TAG_END());
        raw->offered = true;
        SipCallerId caller;
        if (sip && sip->sip_from)
            caller = SipCallerId::fromHeader(text(sip->sip_from->a_url->url_user), text(sip->sip_from->a_display),
                                             text(sip->sip_from->a_url->url_host));
        if (agent->m_listener.incoming)
            agent->m_listener.incoming(id, caller);
    }

    static void setReason(SipAgent* agent, nua_handle_t* nh, const QString& reason)
    {
        if (SipAgent::Leg* leg = findLeg(agent, nh))
            leg->reason = reason;
    }

    static void info(SipAgent* agent, nua_t* nua, nua_handle_t* nh, sip_t const* sip)
    {
        SipAgent::Leg* leg = findLeg(agent, nh);
        const QByteArray type = sip && sip->sip_content_type ? text(sip->sip_content_type->c_type) : QByteArray();
        const QByteArray body = sip && sip->sip_payload
                                    ? QByteArray(sip->sip_payload->pl_data, int(sip->sip_payload->pl_len))
                                    : QByteArray();
        const char k = SipDtmfRelay::keyOf(type, body);
        if (!leg || !leg->answered) {
            nua_respond(nh, 481, "Call Does Not Exist", NUTAG_WITH_THIS(nua), TAG_END());
            return;
        }
        if (k == 0 && !type.isEmpty()) {
            nua_respond(nh, 415, "Unsupported Media Type", NUTAG_WITH_THIS(nua), TAG_END());
            return;
        }
        nua_respond(nh, 200, "OK", NUTAG_WITH_THIS(nua), TAG_END());
        if (k && leg->media)
            leg->media->keyByInfo(k);
    }

    static void state(SipAgent* agent, nua_handle_t* nh, tagi_t tags[])
    {
        int callState = nua_callstate_init;
        tl_gets(tags, NUTAG_CALLSTATE_REF(callState), TAG_END());
        if (callState != nua_callstate_terminated)
            return;
        SipAgent::Leg* leg = findLeg(agent, nh);
        if (!leg)
            return;
        const int id = leg->id;
        const bool offered = leg->offered;
        const QString reason = leg->reason;
        if (leg->answered)
            agent->m_buffers.clear();
        if (leg->media && leg->media->isStarted() && agent->m_listener.note)
            agent->m_listener.note(QStringLiteral("MEDIA-END %1 dropped %2").arg(id).arg(leg->media->dropped()));
        agent->m_legs.erase(id);
        nua_handle_destroy(nh);
        if (offered && agent->m_listener.ended)
            agent->m_listener.ended(id, reason);
    }

    static void registered(SipAgent* agent, nua_handle_t* nh, int status, char const* phrase, sip_t const* sip)
    {
        if ((status == 401 || status == 407) && !agent->m_options.password.isEmpty() && sip) {
            const msg_auth_t* challenge = status == 401 ? sip->sip_www_authenticate : sip->sip_proxy_authenticate;
            const char* realm = challenge ? msg_params_find(challenge->au_params, "realm=") : nullptr;
            if (realm) {
                const QByteArray auth = QByteArray(challenge->au_scheme) + ':' + realm + ':' +
                                        agent->m_options.user.toUtf8() + ':' + agent->m_options.password.toUtf8();
                nua_authenticate(nh, NUTAG_AUTH(auth.constData()), TAG_END());
                return;
            }
        }
        if (status >= 200 && agent->m_listener.note)
            agent->m_listener.note(QStringLiteral("REGISTER %1 %2").arg(status).arg(QString::fromUtf8(text(phrase))));
    }

    static int wake(su_root_magic_t*, su_wait_t*, su_wakeup_arg_t* arg)
    {
        static_cast<SipAgent*>(static_cast<void*>(arg))->runCommands();
        return 0;
    }

    static void clock(su_root_magic_t*, su_timer_t*, su_timer_arg_t* arg)
    {
        static_cast<SipAgent*>(static_cast<void*>(arg))->mediaClock();
    }

    static void shutdownTimeout(su_root_magic_t*, su_timer_t*, su_timer_arg_t* arg)
    {
        su_root_break(static_cast<SipAgent*>(static_cast<void*>(arg))->m_stack->root);
    }
};

SipAgent::SipAgent(SipOptions options, SipMediaBuffers& buffers, Listener listener)
    : m_options(std::move(options)), m_buffers(buffers), m_listener(std::move(listener))
{
}

SipAgent::~SipAgent()
{
    stop();
}

Status SipAgent::start()
{
    if (isRunning())
        return {};
    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (m_wakeFd < 0)
        return Status::failure(QStringLiteral("cannot create the SIP thread's wake-up"));
    std::promise<Status> started;
    std::future<Status> result = started.get_future();
    m_thread = std::thread([this, &started] { run(&started); });
    const Status status = result.get();
    if (!status) {
        m_thread.join();
        ::close(m_wakeFd);
        m_wakeFd = -1;
    }
    return status;
}

void SipAgent::stop()
{
    if (!isRunning())
        return;
    post([this] {
        if (m_stack->shuttingDown)
            return;
        m_stack->shuttingDown = true;
        m_stack->shutdownGuard = su_timer_create(su_root_task(m_stack->root), kShutdownMilliseconds);
        su_timer_set(m_stack->shutdownGuard, &SipAgentEvents::shutdownTimeout, reinterpret_cast<su_timer_arg_t*>(this));
        nua_shutdown(m_stack->nua);
    });
    m_thread.join();
    ::close(m_wakeFd);
    m_wakeFd = -1;
}

void SipAgent::run(std::promise<Status>* started)
{
    su_init();
    quietStackLogs();
    m_stack = std::make_unique<Stack>();
    Stack& s = *m_stack;
    s.root = su_root_create(reinterpret_cast<su_root_magic_t*>(this));
    const QString host =
        m_options.listenHost.contains(u':') ? u'[' + m_options.listenHost + u']' : m_options.listenHost;
    const QByteArray url = "sip:" + host.toLatin1() + ':' + QByteArray::number(m_options.listenPort);
    const QByteArray contactUser = m_options.user.toUtf8();
    if (s.root)
        s.nua = nua_create(s.root, &SipAgentEvents::onNua, this, NUTAG_URL(url.constData()),
                           NUTAG_M_USERNAME(contactUser.constData()), SIPTAG_USER_AGENT_STR("Talvero"),
                           NUTAG_AUTOALERT(0), NUTAG_AUTOANSWER(0), NUTAG_ENABLEMESSAGE(0), NUTAG_ALLOW("INFO"),
                           NUTAG_APPL_METHOD("INFO"), TAG_NULL());
    if (!s.nua) {
        if (s.root)
            su_root_destroy(s.root);
        m_stack.reset();
        su_deinit();
        started->set_value(
            Status::failure(QStringLiteral("cannot listen for SIP calls on %1").arg(QString::fromLatin1(url))));
        return;
    }
    su_wait_create(&s.wake, m_wakeFd, SU_WAIT_IN);
    su_root_register(s.root, &s.wake, &SipAgentEvents::wake, reinterpret_cast<su_wakeup_arg_t*>(this), 0);
    s.clock = su_timer_create(su_root_task(s.root), kClockMilliseconds);
    su_timer_run(s.clock, &SipAgentEvents::clock, reinterpret_cast<su_timer_arg_t*>(this));
    if (!m_options.registrar.isEmpty())
        startRegistration();
    started->set_value({});

    su_root_run(s.root);

    m_legs.clear();
    su_timer_destroy(s.clock);
    if (s.shutdownGuard)
        su_timer_destroy(s.shutdownGuard);
    nua_destroy(s.nua);
    su_root_unregister(s.root, &s.wake, &SipAgentEvents::wake, reinterpret_cast<su_wakeup_arg_t*>(this));
    su_root_destroy(s.root);
    m_stack.reset();
    su_deinit();
}

void SipAgent::startRegistration()
{
    QString registrar = m_options.registrar;
    if (!registrar.startsWith(u"sip:", Qt::CaseInsensitive))
        registrar.prepend(QStringLiteral("sip:"));
    const QByteArray aor = "sip:" + m_options.addressName().toUtf8();
    const QByteArray display = m_options.display.toUtf8();
    const QByteArray from = display.isEmpty() ? aor : '"' + display + "\" <" + aor + '>';
    const QByteArray registrarUrl = registrar.toUtf8();
    const QByteArray expires = QByteArray::number(m_options.registerSeconds);
    m_stack->registration = nua_handle(m_stack->nua, nullptr, SIPTAG_TO_STR(aor.constData()), TAG_END());
    nua_register(m_stack->registration, NUTAG_REGISTRAR(registrarUrl.constData()), SIPTAG_FROM_STR(from.constData()),
                 SIPTAG_EXPIRES_STR(expires.constData()), TAG_END());
}

void SipAgent::post(std::function<void()> command)
{
    {
        std::lock_guard guard(m_commandLock);
        m_commands.push_back(std::move(command));
    }
    const quint64 one = 1;
    if (::write(m_wakeFd, &one, sizeof one) < 0) {
        // The counter is already non-zero: the thread wakes anyway.
    }
}

void SipAgent::runCommands()
{
    quint64 count = 0;
    if (::read(m_wakeFd, &count, sizeof count) < 0) {
        // Nothing to read: a second wake-up for commands already run.
    }
    std::deque<std::function<void()>> commands;
    {
        std::lock_guard guard(m_commandLock);
        commands.swap(m_commands);
    }
    for (auto& c : commands)
        c();
}

SipAgent::Leg* SipAgent::leg(int call)
{
    const auto it = m_legs.find(call);
    return it == m_legs.end() ? nullptr : it->second.get();
}

void SipAgent::answer(int call)
{
    post([this, call] {
        Leg* l = leg(call);
        if (!l || l->answered || !l->media)
            return;
        l->answered = true;
        m_buffers.clear();
        const QByteArray sdp =
            SipSdp::answer(l->offer, l->localAddress, l->localPort, QRandomGenerator::global()->bounded(1u << 30));
        nua_respond(l->handle, SIP_200_OK, SOATAG_USER_SDP_STR(sdp.constData()), SOATAG_RTP_SELECT(1),
                    SOATAG_AUDIO_AUX("telephone-event"), TAG_END());
        l->media->start(l->offer);
        if (m_listener.note)
            m_listener.note(QStringLiteral("MEDIA %1 %2 %3").arg(call).arg(l->localPort).arg(l->offer.codec));
    });
}

void SipAgent::end(int call, int status)
{
    post([this, call, status] {
        Leg* l = leg(call);
        if (!l)
            return;
        l->offered = false; // the line knows: no second report
        if (l->answered)
            nua_bye(l->handle, TAG_END());
        else
            nua_respond(l->handle, status, status == 486 ? "Busy Here" : "Temporarily Unavailable", TAG_END());
    });
}

void SipAgent::sendKeys(int call, const QString& keys)
{
    post([this, call, keys] {
        if (Leg* l = leg(call); l && l->media)
            l->media->sendKeys(keys);
    });
}

void SipAgent::mediaClock()
{
    for (auto& [id, l] : m_legs) {
        if (l->answered && l->media)
            l->media->tick();
    }
}
