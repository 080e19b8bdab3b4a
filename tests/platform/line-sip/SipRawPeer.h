#pragma once

#include <QByteArray>
#include <QString>
#include <QUdpSocket>

// A hand-written SIP peer on the loopback for what no real client sends: garbled requests, odd
// descriptions, forged caller ids, stray RTP.
class SipRawPeer {
public:
    SipRawPeer();
    int port() const { return m_socket.localPort(); }
    // Sends an INVITE with this From display name, user and body to the line on linePort.
    void invite(int linePort, const QByteArray& display, const QByteArray& user, const QByteArray& sdp);
    void sendRaw(int toPort, const QByteArray& datagram);
    // The status line of the first response with this code, waited for.
    bool waitForStatus(int code, int timeoutMs = 5000);
    QByteArray received() const { return m_received; }
    // A description offering PCMU and telephone-event on port 30000 of the loopback.
    static QByteArray offer(const QByteArray& codecs = "0 101");

private:
    QUdpSocket m_socket;
    QByteArray m_received;
    int m_sequence = 0;
};
