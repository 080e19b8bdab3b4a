#include "SipMedia.h"

#include "SipDtmfRelay.h"
#include "SipMediaBuffers.h"

#include <ortp/ortp.h>
#include <ortp/telephonyevents.h>
#include <spandsp.h>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <map>

namespace {

constexpr int kFrame = SipMediaBuffers::kFrameSamples;
constexpr int kMaxPayload = 1280;         // larger datagrams are no telephone audio: ignored
constexpr int kEventSamples = 800;        // a generated key lasts 100 ms
constexpr quint32 kSameKeySamples = 2400; // an event this soon after the same tone is that key again

// The media of each session, so that oRTP's callbacks find theirs. Only the SIP thread uses it.
std::map<RtpSession*, SipMedia*>& sessions()
{
    static std::map<RtpSession*, SipMedia*> map;
    return map;
}

// "host port" of a datagram's source.
QByteArray sourceOf(const sockaddr_storage& a)
{
    char text[INET6_ADDRSTRLEN] = {};
    int port = 0;
    if (a.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(a);
        inet_ntop(AF_INET, &v4.sin_addr, text, sizeof text);
        port = ntohs(v4.sin_port);
    } else if (a.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(a);
        inet_ntop(AF_INET6, &v6.sin6_addr, text, sizeof text);
        port = ntohs(v6.sin6_port);
    }
    return QByteArray(text) + ' ' + QByteArray::number(port);
}

} // namespace

// Drops datagrams that do not come from the address and port the caller's description names (RTP
// is symmetric), so a stranger can neither speak into a call nor disturb its stream.
struct SipMediaSourceFilter {
    static int onReceive(RtpTransportModifier* t, mblk_t* m)
    {
        auto* media = static_cast<SipMedia*>(t->data);
        if (m->net_addrlen > 0 && sourceOf(m->net_addr) != media->m_remoteSource) {
            ++media->m_dropped;
            return -1;
        }
        return int(msgdsize(m));
    }
    static int onSend(RtpTransportModifier*, mblk_t* m) { return int(msgdsize(m)); }
    static void destroy(RtpTransportModifier* t) { delete t; }
};

SipMedia::SipMedia(SipMediaBuffers& buffers, KeySink keys) : m_buffers(buffers), m_keys(std::move(keys))
{
    static const bool initialised = [] {
        ortp_init();
        ortp_set_log_level_mask(NULL, ORTP_ERROR | ORTP_FATAL);
        return true;
    }();
    Q_UNUSED(initialised);
    m_rx = dtmf_rx_init(nullptr, &SipMedia::onInBandDigits, this);
    m_tx = dtmf_tx_init(nullptr);
}

SipMedia::~SipMedia()
{
    if (m_session) {
        sessions().erase(m_session);
        rtp_session_destroy(m_session);
    }
    if (m_profile)
        rtp_profile_destroy(m_profile);
    dtmf_rx_free(m_rx);
    dtmf_tx_free(m_tx);
}

Result<int> SipMedia::open(const QString& address)
{
    m_session = rtp_session_new(RTP_SESSION_SENDRECV);
    sessions()[m_session] = this;
    rtp_session_set_scheduling_mode(m_session, FALSE);
    rtp_session_set_blocking_mode(m_session, FALSE);
    rtp_session_set_connected_mode(m_session, FALSE);
    rtp_session_set_recv_buf_size(m_session, kMaxPayload + 64);
    if (rtp_session_set_local_addr(m_session, address.toLatin1().constData(), -1, -1) != 0)
        return Result<int>::failure(QStringLiteral("no RTP port free on %1").arg(address));
    return rtp_session_get_local_port(m_session);
}

void SipMedia::start(const SipSdp::Media& remote)
{
    if (!m_session || m_started)
        return;
    m_remote = remote;
    m_remoteAddress = remote.address.toLatin1();
    m_remoteSource = m_remoteAddress + ' ' + QByteArray::number(remote.port);
    m_profile = rtp_profile_new("talvero");
    rtp_profile_set_payload(m_profile, 0, &payload_type_pcmu8000);
    rtp_profile_set_payload(m_profile, 8, &payload_type_pcma8000);
    if (remote.eventPayloadType >= 0)
        rtp_profile_set_payload(m_profile, remote.eventPayloadType, &payload_type_telephone_event);
    rtp_session_set_profile(m_session, m_profile);
    rtp_session_set_payload_type(m_session, remote.payloadType);
    if (remote.eventPayloadType >= 0)
        rtp_session_set_send_telephone_event_payload_type(m_session, remote.eventPayloadType);
    rtp_session_set_symmetric_rtp(m_session, FALSE);
    rtp_session_enable_adaptive_jitter_compensation(m_session, TRUE);
    rtp_session_set_jitter_compensation(m_session, 60);
    rtp_session_set_remote_addr(m_session, m_remoteAddress.constData(), remote.port);
    rtp_session_signal_connect(m_session, "telephone-event", &SipMedia::onTelephoneEvent, this);

    RtpTransport* rtp = nullptr;
    RtpTransport* rtcp = nullptr;
    rtp_session_get_transports(m_session, &rtp, &rtcp);
    if (rtp) {
        auto* filter = new RtpTransportModifier{};
        filter->data = this;
        filter->t_process_on_receive = &SipMediaSourceFilter::onReceive;
        filter->t_process_on_send = &SipMediaSourceFilter::onSend;
        filter->t_destroy = &SipMediaSourceFilter::destroy;
        meta_rtp_transport_append_modifier(rtp, filter);
    }
    m_started = true;
}

void SipMedia::tick()
{
    if (!m_started)
        return;
    receive();
    send();
}

void SipMedia::receive()
{
    qint16 pcm[kMaxPayload];
    // Everything that is due leaves the jitter buffer; a missing packet is simply not heard.
    while (mblk_t* m = rtp_session_recvm_with_ts(m_session, m_recvTs)) {
        unsigned char* payload = nullptr;
        const int size = rtp_get_payload(m, &payload);
        const int type = rtp_get_payload_type(m);
        if (size <= 0 || size > kMaxPayload || type != m_remote.payloadType) {
            ++m_dropped;
            freemsg(m);
            continue;
        }
        for (int i = 0; i < size; ++i)
            pcm[i] = m_remote.payloadType == 8 ? alaw_to_linear(payload[i]) : ulaw_to_linear(payload[i]);
        freemsg(m);
        if (!m_outOfBand)
            dtmf_rx(m_rx, pcm, size);
        m_buffers.addCallerVoice(pcm, size);
    }
    m_recvTs += kFrame;
}

void SipMedia::send()
{
    qint16 frame[kFrame];
    m_buffers.takeMachineFrame(frame);
    qint16 tone[kFrame] = {};
    const int toneSamples = dtmf_tx(m_tx, tone, kFrame);
    for (int i = 0; i < toneSamples; ++i)
        frame[i] = qint16(qBound(-32768, frame[i] + tone[i], 32767));
    uint8_t coded[kFrame];
    for (int i = 0; i < kFrame; ++i)
        coded[i] = m_remote.payloadType == 8 ? linear_to_alaw(frame[i]) : linear_to_ulaw(frame[i]);
    rtp_session_send_with_ts(m_session, coded, kFrame, m_sendTs);
    m_sendTs += kFrame;
}

void SipMedia::sendKeys(const QString& keys)
{
    const QByteArray text = keys.toLatin1();
    for (const char k : text) {
        if (!SipDtmfRelay::isKey(k))
            continue;
        if (m_started && m_remote.eventPayloadType >= 0)
            rtp_session_send_dtmf2(m_session, k, m_sendTs, kEventSamples);
    }
    dtmf_tx_put(m_tx, text.constData(), int(text.size()));
}

void SipMedia::keyByInfo(char k)
{
    key(k, KeyPath::Info);
}

void SipMedia::key(char k, KeyPath path)
{
    if (path == KeyPath::InBand) {
        m_lastInBand = {k, m_recvTs};
    } else {
        // A phone that sends a key both ways is heard once: its tone may have been recognised first.
        const bool heardInBand =
            !m_outOfBand && m_lastInBand.first == k && m_recvTs - m_lastInBand.second <= kSameKeySamples;
        m_outOfBand = true;
        if (heardInBand)
            return;
    }
    if (m_keys)
        m_keys(k, path);
}

void SipMedia::telephoneEvent(int event)
{
    const char k = SipDtmfRelay::keyOfEvent(event);
    if (k)
        key(k, KeyPath::Rfc4733);
}

void SipMedia::inBandKeys(const char* digits, int count)
{
    if (m_outOfBand)
        return;
    for (int i = 0; i < count; ++i) {
        if (SipDtmfRelay::isKey(digits[i]))
            key(digits[i], KeyPath::InBand);
    }
}

void SipMedia::onTelephoneEvent(_RtpSession* session, void* event, void*, void*)
{
    const auto it = sessions().find(session);
    if (it != sessions().end())
        it->second->telephoneEvent(int(reinterpret_cast<intptr_t>(event)));
}

void SipMedia::onInBandDigits(void* user, const char* digits, int count)
{
    static_cast<SipMedia*>(user)->inBandKeys(digits, count);
}
