#pragma once

#include "CallerIdLine.h"
#include "Line.h"
#include "LineRegistrations.h"
#include "ModemAddress.h"
#include "ModemAudio.h"
#include "ModemSession.h"

#include <QTimer>

class ModemCall;

// A telephone line on a voice modem: its rings and caller id become calls, its DLE events become
// digit and disconnect events, its voice streams are the line's wave devices. A modem that is
// pulled or stops answering ends the call in progress and is shown as unusable in the status text
// until it answers again.
class ModemLine : public Line {
    Q_OBJECT
public:
    static constexpr int kLegacyDeviceId = 1;
    static inline const QString kUnusable = QStringLiteral("モデムを使用できません : ");

    explicit ModemLine(ModemOptions options);
    ~ModemLine() override;

    // Opens and sets the modem up; the event loop runs while it waits for the modem's identification.
    Status initialize() override;
    void shutdown() override;
    void setEventFilter(quint32 mask) override { m_registrations.setFilter(mask); }
    QList<LineAddress*> addresses() const override;
    quint32 registerCallNotifications(LineAddress* address, bool monitor, bool owner, long mediaTypes,
                                      int callbackInstance) override;
    void unregisterNotifications(quint32 cookie) override;
    LegacyDeviceId legacyDeviceId(int deviceIndex, const QString& deviceClass) override;
    LineAudio& audio() override { return m_audio; }
    void showStatus(const QString& text) override;

    ModemSession& session() { return m_session; }
    // Why the modem cannot be used now; empty while it can.
    QString problem() const { return m_problem; }

    // Told by the line's calls.
    void answer(ModemCall* call);
    void hangUpModem();
    void callEnded(ModemCall* call);

private:
    void deliver(LineEvent e);
    void heard(const QString& line);
    void shielded(char event);
    void ring();
    void callerId(const CallerIdLine& id);
    void callerGone();
    void modemReady();
    void modemUnusable(const QString& why);
    ModemCall* liveCall() const;
    ModemCall* offeringCall();
    std::shared_ptr<ModemCall> shared(const ModemCall* call) const;

    ModemSession m_session;
    ModemAddress m_address;
    ModemAudio m_audio;
    QList<std::shared_ptr<ModemCall>> m_calls;
    LineRegistrations m_registrations;
    int m_nextCall = 1;
    bool m_initialized = false;
    QTimer m_ringGap;
    QString m_problem;
    QString m_engineStatus;
};
