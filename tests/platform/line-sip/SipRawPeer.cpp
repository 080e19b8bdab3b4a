#include "SipRawPeer.h"

#include "WaitUntil.h"

#include <QRandomGenerator>

SipRawPeer::SipRawPeer()
{
    m_socket.bind(QHostAddress::LocalHost, 0);
    QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] {
        while (m_socket.hasPendingDatagrams()) {
            QByteArray d(int(m_socket.pendingDatagramSize()), Qt::Uninitialized);
            m_socket.readDatagram(d.data(), d.size());
            m_received += d + "\n--\n";
        }
    });
}

QByteArray SipRawPeer::offer(const QByteArray& codecs)
{
    return "v=0\r\no=- 1 1 IN IP4 127.0.0.1\r\ns=-\r\nc=IN IP4 127.0.0.1\r\nt=0 0\r\n"
           "m=audio 30000 RTP/AVP " +
           codecs + "\r\na=rtpmap:101 telephone-event/8000\r\n";
}

void SipRawPeer::invite(int linePort, const QByteArray& display, const QByteArray& user, const QByteArray& sdp)
{
    // Unique per request even when a later peer gets the same port again.
    const QByteArray n =
        QByteArray::number(++m_sequence) + '-' + QByteArray::number(QRandomGenerator::global()->generate());
    const QByteArray me = "127.0.0.1:" + QByteArray::number(port());
    const QByteArray line = "127.0.0.1:" + QByteArray::number(linePort);
    const QByteArray request = "INVITE sip:talvero@" + line +
                               " SIP/2.0\r\n"
                               "Via: SIP/2.0/UDP " +
                               me + ";branch=z9hG4bK-raw" + n +
                               ";rport\r\n"
                               "Max-Forwards: 70\r\n"
                               "From: " +
                               display + " <sip:" + user + "@127.0.0.1>;tag=raw" + n +
                               "\r\n"
                               "To: <sip:talvero@" +
                               line +
                               ">\r\n"
                               "Call-ID: raw" +
                               n + "-" + QByteArray::number(port()) +
                               "@127.0.0.1\r\n"
                               "CSeq: 1 INVITE\r\n"
                               "Contact: <sip:" +
                               user + "@" + me +
                               ">\r\n"
                               "Content-Type: application/sdp\r\n"
                               "Content-Length: " +
                               QByteArray::number(sdp.size()) + "\r\n\r\n" + sdp;
    sendRaw(linePort, request);
}

void SipRawPeer::sendRaw(int toPort, const QByteArray& datagram)
{
    m_socket.writeDatagram(datagram, QHostAddress::LocalHost, quint16(toPort));
}

bool SipRawPeer::waitForStatus(int code, int timeoutMs)
{
    const QByteArray status = "SIP/2.0 " + QByteArray::number(code) + ' ';
    return waitUntil([&] { return m_received.contains(status); }, timeoutMs);
}
