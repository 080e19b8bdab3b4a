#pragma once

#include "Line.h"
#include "LineRegistrations.h"
#include "MemoryLineAudio.h"
#include "SipAddress.h"
#include "SipAgent.h"
#include "SipMediaBuffers.h"
#include "SipOptions.h"

#include <memory>

class SipCall;

// A telephone line over SIP: one address, the account, whose calls come from the network. The
// SIP stack runs on its own thread; its events arrive here queued, on the thread that made the
// line. While the engine has not answered, a call rings every [SIP] RingSeconds. What the line
// does is also told as monitor lines ("RINGING 1 2", "ANSWERED 1", "KEY 1 5 rfc4733" …).
class SipLine : public Line {
    Q_OBJECT
public:
    static constexpr int kLegacyDeviceId = 5;

    explicit SipLine(SipOptions options);
    ~SipLine() override;

    Status initialize() override;
    void shutdown() override;
    void setEventFilter(quint32 mask) override { m_registrations.setFilter(mask); }
    QList<LineAddress*> addresses() const override;
    quint32 registerCallNotifications(LineAddress* address, bool monitor, bool owner, long mediaTypes,
                                      int callbackInstance) override;
    void unregisterNotifications(quint32 cookie) override;
    LegacyDeviceId legacyDeviceId(int deviceIndex, const QString& deviceClass) override;
    LineAudio& audio() override { return m_audio; }

    const SipOptions& options() const { return m_options; }

    // Told by the line's calls.
    void answerCall(SipCall* call);
    void endCall(SipCall* call, int status);
    void sendKeys(SipCall* call, const QString& digits);
    void callEnded(SipCall* call, const QString& reason);

signals:
    void monitor(const QString& line);

private:
    void incoming(int id, const SipCallerId& caller);
    void remoteEnded(int id, const QString& reason);
    void keyed(int id, char key, SipMedia::KeyPath path);
    void ringOnce(SipCall* call);
    void deliver(LineEvent e);
    std::shared_ptr<SipCall> shared(int id) const;

    SipOptions m_options;
    SipAddress m_address;
    SipMediaBuffers m_buffers;
    MemoryLineAudio m_audio;
    SipAgent m_agent;
    QList<std::shared_ptr<SipCall>> m_calls;
    LineRegistrations m_registrations;
    bool m_initialized = false;
};
