#pragma once

#include "Result.h"
#include "SipSdp.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <utility>

struct _RtpSession;
struct _RtpProfile;
struct dtmf_rx_state_s;
struct dtmf_tx_state_s;
class SipMediaBuffers;

// The RTP stream of one call, run by the SIP thread's 20 ms media clock: G.711 both ways, the
// caller's keys as RFC 4733 events or in-band tones, and generated keys sent both ways too.
class SipMedia {
public:
    // How a key reached the line.
    enum class KeyPath { Rfc4733, Info, InBand };
    using KeySink = std::function<void(char key, KeyPath path)>;

    SipMedia(SipMediaBuffers& buffers, KeySink keys);
    ~SipMedia();
    SipMedia(const SipMedia&) = delete;
    SipMedia& operator=(const SipMedia&) = delete;

    // Binds the RTP socket on address (a free even port); the port.
    Result<int> open(const QString& address);
    void start(const SipSdp::Media& remote);
    bool isStarted() const { return m_started; }
    void tick();
    void sendKeys(const QString& keys);
    // A key that came by SIP INFO: from now on in-band tones are not counted twice.
    void keyByInfo(char key);

    // Datagrams dropped since the start: from another address, of another payload, or too large.
    int dropped() const { return m_dropped; }

private:
    friend struct SipMediaSourceFilter;
    void receive();
    void send();
    void telephoneEvent(int event);
    void inBandKeys(const char* digits, int count);
    void key(char k, KeyPath path);
    static void onTelephoneEvent(_RtpSession* session, void* event, void* user, void* unused);
    static void onInBandDigits(void* user, const char* digits, int count);

    SipMediaBuffers& m_buffers;
    KeySink m_keys;
    _RtpSession* m_session = nullptr;
    _RtpProfile* m_profile = nullptr;
    dtmf_rx_state_s* m_rx = nullptr;
    dtmf_tx_state_s* m_tx = nullptr;
    SipSdp::Media m_remote;
    QByteArray m_remoteAddress;
    QByteArray m_remoteSource; // "host port"
    bool m_started = false;
    bool m_outOfBand = false; // the caller sends keys as events or INFO: in-band is only the fallback
    std::pair<char, quint32> m_lastInBand{0, 0}; // the last key recognised as a tone, and when
    quint32 m_sendTs = 0;
    quint32 m_recvTs = 0;
    int m_dropped = 0;
};
