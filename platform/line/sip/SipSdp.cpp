#include "SipSdp.h"

#include <sofia-sip/sdp.h>
#include <sofia-sip/su_alloc.h>

#include <memory>

namespace {

constexpr int kPcmu = 0;
constexpr int kPcma = 8;

struct HomeDeleter {
    void operator()(su_home_t* home) const { su_home_unref(home); }
};
struct ParserDeleter {
    void operator()(sdp_parser_t* p) const { sdp_parser_free(p); }
};

int staticPayloadType(const QString& codec)
{
    return codec == u"PCMA" ? kPcma : kPcmu;
}

bool offers(const sdp_media_t* m, const QString& codec)
{
    const QByteArray name = codec.toLatin1();
    for (const sdp_rtpmap_t* rm = m->m_rtpmaps; rm; rm = rm->rm_next) {
        if (rm->rm_pt == staticPayloadType(codec) && rm->rm_encoding && qstricmp(rm->rm_encoding, name) == 0 &&
            rm->rm_rate == 8000)
            return true;
    }
    return false;
}

int eventPayloadType(const sdp_media_t* m)
{
    for (const sdp_rtpmap_t* rm = m->m_rtpmaps; rm; rm = rm->rm_next) {
        if (rm->rm_encoding && qstricmp(rm->rm_encoding, "telephone-event") == 0 && rm->rm_rate == 8000)
            return int(rm->rm_pt);
    }
    return -1;
}

} // namespace

namespace SipSdp {

Result<Media> parseOffer(const QByteArray& sdp, const QStringList& codecs)
{
    using R = Result<Media>;
    if (sdp.trimmed().isEmpty())
        return R::failure(QStringLiteral("the call carries no session description"));
    std::unique_ptr<su_home_t, HomeDeleter> home(static_cast<su_home_t*>(su_home_new(sizeof(su_home_t))));
    std::unique_ptr<sdp_parser_t, ParserDeleter> parser(sdp_parse(home.get(), sdp.constData(), sdp.size(), 0));
    const sdp_session_t* session = sdp_session(parser.get());
    if (!session)
        return R::failure(
            QStringLiteral("bad session description: %1").arg(QString::fromUtf8(sdp_parsing_error(parser.get()))));
    bool sawAudio = false;
    for (const sdp_media_t* m = session->sdp_media; m; m = m->m_next) {
        if (m->m_type != sdp_media_audio || m->m_proto != sdp_proto_rtp || m->m_rejected || m->m_port == 0 ||
            m->m_port > 65535)
            continue;
        sawAudio = true;
        const sdp_connection_t* c = m->m_connections ? m->m_connections : session->sdp_connection;
        if (!c || !c->c_address || c->c_nettype != sdp_net_in)
            return R::failure(QStringLiteral("the audio stream has no address"));
        for (const QString& codec : codecs) {
            if (!offers(m, codec))
                continue;
            Media chosen;
            chosen.address = QString::fromLatin1(c->c_address);
            chosen.port = int(m->m_port);
            chosen.codec = codec;
            chosen.payloadType = staticPayloadType(codec);
            chosen.eventPayloadType = eventPayloadType(m);
            return chosen;
        }
    }
    return R::failure(sawAudio ? QStringLiteral("no common codec (%1)").arg(codecs.join(u", "))
                               : QStringLiteral("the call offers no audio stream"));
}

QByteArray answer(const Media& chosen, const QString& localAddress, int localPort, quint64 sessionId)
{
    const QByteArray ip = localAddress.toLatin1();
    const QByteArray family = localAddress.contains(u':') ? "IP6" : "IP4";
    QByteArray formats = QByteArray::number(chosen.payloadType);
    QByteArray maps =
        "a=rtpmap:" + QByteArray::number(chosen.payloadType) + ' ' + chosen.codec.toLatin1() + "/8000\r\n";
    if (chosen.eventPayloadType >= 0) {
        const QByteArray pt = QByteArray::number(chosen.eventPayloadType);
        formats += ' ' + pt;
        maps += "a=rtpmap:" + pt + " telephone-event/8000\r\na=fmtp:" + pt + " 0-15\r\n";
    }
    const QByteArray id = QByteArray::number(sessionId);
    return "v=0\r\n"
           "o=talvero " +
           id + ' ' + id + " IN " + family + ' ' + ip +
           "\r\n"
           "s=Talvero\r\n"
           "c=IN " +
           family + ' ' + ip +
           "\r\n"
           "t=0 0\r\n"
           "m=audio " +
           QByteArray::number(localPort) + " RTP/AVP " + formats + "\r\n" + maps + "a=ptime:20\r\na=sendrecv\r\n";
}

} // namespace SipSdp
