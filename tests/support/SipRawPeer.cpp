#include "SipRawPeer.h"

#include "WaitUntil.h"

#include <QRandomGenerator>

#include <arpa/inet.h>
#include <ctime>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

QByteArray header(const QByteArray& message, const QByteArray& name)
{
    for (const QByteArray& line : message.split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed();
    }
    return {};
}

int statusOf(const QByteArray& datagram)
{
    return datagram.startsWith("SIP/2.0 ") ? datagram.mid(8, 3).toInt() : 0;
}

} // namespace

qint64 SipRawPeer::monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

SipRawPeer::SipRawPeer(const char* host)
{
    m_fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    inet_pton(AF_INET, host, &a.sin_addr);
    socklen_t size = sizeof a;
    if (m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&a), &size) == 0)
        m_port = ntohs(a.sin_port);
    if (m_fd >= 0) {
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { readAll(); });
    }
}

SipRawPeer::~SipRawPeer()
{
    m_notifier.reset();
    if (m_fd >= 0)
        ::close(m_fd);
}

void SipRawPeer::readAll()
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (n < 0)
            return;
        const QByteArray d(buffer, int(n));
        m_arrivals.append({d, SipRawPeer::monotonicNs()});
        m_received += d + "\n--\n";
        if (d.startsWith("BYE "))
            answerBye(d);
    }
}

void SipRawPeer::answerBye(const QByteArray& request)
{
    m_byeReceived = true;
    QByteArray response = "SIP/2.0 200 OK\r\n";
    for (const char* name : {"Via", "From", "To", "Call-ID", "CSeq"})
        response += QByteArray(name) + ": " + header(request, name) + "\r\n";
    response += "Content-Length: 0\r\n\r\n";
    sendRaw(m_linePort, response);
}

QByteArray SipRawPeer::offer(const QByteArray& codecs, int rtpPort)
{
    return "v=0\r\no=- 1 1 IN IP4 127.0.0.1\r\ns=-\r\nc=IN IP4 127.0.0.1\r\nt=0 0\r\n"
           "m=audio " +
           QByteArray::number(rtpPort) + " RTP/AVP " + codecs + "\r\na=rtpmap:101 telephone-event/8000\r\n";
}

void SipRawPeer::invite(int linePort, const QByteArray& display, const QByteArray& user, const QByteArray& sdp)
{
    // Unique per request even when a later peer gets the same port again.
    const QByteArray n =
        QByteArray::number(++m_sequence) + '-' + QByteArray::number(QRandomGenerator::global()->generate());
    m_linePort = linePort;
    m_callId = "raw" + n + "@127.0.0.1";
    m_fromTag = "raw" + n;
    m_user = user;
    const QByteArray me = "127.0.0.1:" + QByteArray::number(m_port);
    const QByteArray line = "127.0.0.1:" + QByteArray::number(linePort);
    const QByteArray request = "INVITE sip:talvero@" + line +
                               " SIP/2.0\r\n"
                               "Via: SIP/2.0/UDP " +
                               me + ";branch=z9hG4bK-" + n +
                               ";rport\r\n"
                               "Max-Forwards: 70\r\n"
                               "From: " +
                               display + " <sip:" + user + "@127.0.0.1>;tag=" + m_fromTag +
                               "\r\n"
                               "To: <sip:talvero@" +
                               line +
                               ">\r\n"
                               "Call-ID: " +
                               m_callId +
                               "\r\n"
                               "CSeq: 1 INVITE\r\n"
                               "Contact: <sip:" +
                               user + "@" + me +
                               ">\r\n"
                               "Content-Type: application/sdp\r\n"
                               "Content-Length: " +
                               QByteArray::number(sdp.size()) + "\r\n\r\n" + sdp;
    sendRaw(linePort, request);
}

QByteArray SipRawPeer::lastResponse(int code) const
{
    for (auto it = m_arrivals.crbegin(); it != m_arrivals.crend(); ++it) {
        if (statusOf(it->datagram) == code && header(it->datagram, "Call-ID") == m_callId)
            return it->datagram;
    }
    return {};
}

QByteArray SipRawPeer::dialogRequest(const QByteArray& method, int cseq) const
{
    const QByteArray ok = lastResponse(200);
    const QByteArray me = "127.0.0.1:" + QByteArray::number(m_port);
    const QByteArray line = "127.0.0.1:" + QByteArray::number(m_linePort);
    return method + " sip:talvero@" + line +
           " SIP/2.0\r\n"
           "Via: SIP/2.0/UDP " +
           me + ";branch=z9hG4bK-" + method.toLower() + m_fromTag +
           "\r\n"
           "Max-Forwards: 70\r\n"
           "From: <sip:" +
           m_user + "@127.0.0.1>;tag=" + m_fromTag +
           "\r\n"
           "To: " +
           header(ok, "To") +
           "\r\n"
           "Call-ID: " +
           m_callId +
           "\r\n"
           "CSeq: " +
           QByteArray::number(cseq) + ' ' + method +
           "\r\n"
           "Content-Length: 0\r\n\r\n";
}

void SipRawPeer::ack()
{
    sendRaw(m_linePort, dialogRequest("ACK", 1));
}

void SipRawPeer::bye()
{
    sendRaw(m_linePort, dialogRequest("BYE", 2));
}

void SipRawPeer::sendRaw(int toPort, const QByteArray& datagram)
{
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(quint16(toPort));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::sendto(m_fd, datagram.constData(), size_t(datagram.size()), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
}

bool SipRawPeer::waitForStatus(int code, int timeoutMs)
{
    return waitUntil([&] { return !lastResponse(code).isEmpty(); }, timeoutMs);
}

qint64 SipRawPeer::arrivalNs(int code) const
{
    for (const Arrival& a : m_arrivals) {
        if (statusOf(a.datagram) == code && header(a.datagram, "Call-ID") == m_callId)
            return a.ns;
    }
    return -1;
}

int SipRawPeer::answeredRtpPort() const
{
    const QByteArray ok = lastResponse(200);
    const qsizetype m = ok.indexOf("m=audio ");
    return m < 0 ? 0 : ok.mid(m + 8).split(' ').value(0).toInt();
}
