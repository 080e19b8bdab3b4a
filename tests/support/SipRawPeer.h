#pragma once

#include <QByteArray>
#include <QList>
#include <QSocketNotifier>

#include <memory>

// A hand-written SIP peer on the loopback for what no real client sends (garbled requests, odd
// descriptions, forged caller ids, stray RTP) and for timing calls to the line: it sends INVITEs,
// ACKs and BYEs, answers a BYE with 200, and notes when each datagram arrived.
class SipRawPeer {
public:
    explicit SipRawPeer(const char* host = "127.0.0.1");
    ~SipRawPeer();
    SipRawPeer(const SipRawPeer&) = delete;
    SipRawPeer& operator=(const SipRawPeer&) = delete;

    int port() const { return m_port; }
    // Sends an INVITE with this From display name, user and body to the line on linePort.
    void invite(int linePort, const QByteArray& display, const QByteArray& user, const QByteArray& sdp);
    // ACK and BYE in the dialog that the last INVITE's 200 OK opened.
    void ack();
    void bye();
    void sendRaw(int toPort, const QByteArray& datagram);

    // Waits for a response with this status code to the last INVITE.
    bool waitForStatus(int code, int timeoutMs = 5000);
    // When it arrived on the monotonic clock, -1 when it did not.
    qint64 arrivalNs(int code) const;
    static qint64 monotonicNs();
    bool byeReceived() const { return m_byeReceived; }
    QByteArray received() const { return m_received; }
    // The RTP port in the body of the last 200 OK, 0 when there is none.
    int answeredRtpPort() const;

    // A description offering these payload types and telephone-event on rtpPort of the loopback.
    static QByteArray offer(const QByteArray& codecs = "0 101", int rtpPort = 30000);

private:
    struct Arrival {
        QByteArray datagram;
        qint64 ns;
    };
    void readAll();
    void answerBye(const QByteArray& request);
    QByteArray lastResponse(int code) const;
    QByteArray dialogRequest(const QByteArray& method, int cseq) const;

    int m_fd = -1;
    int m_port = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
    QList<Arrival> m_arrivals;
    QByteArray m_received;
    bool m_byeReceived = false;
    int m_sequence = 0;
    // The last INVITE.
    int m_linePort = 0;
    QByteArray m_callId;
    QByteArray m_fromTag;
    QByteArray m_user;
};
