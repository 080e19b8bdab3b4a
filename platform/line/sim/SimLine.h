#pragma once

#include "Line.h"
#include "LineRegistrations.h"
#include "MemoryLineAudio.h"
#include "SimAddress.h"
#include "SimLineOptions.h"
#include "WavWriter.h"

#include <memory>

class SimCall;
class SimLineServer;

// A telephone line in the program: one address, "Talvero Virtual Line", whose caller is driven by
// the methods below (the socket door, the test phone and tests use them). What the line does is
// also told as monitor lines ("RINGING 1 2", "ANSWERED 1", "DISCONNECTED 1 NORMAL" …).
class SimLine : public Line {
    Q_OBJECT
public:
    static constexpr int kLegacyDeviceId = 3;

    explicit SimLine(SimLineOptions options = {});
    ~SimLine() override;

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

    // Listens for drivers on a local socket of this name (see SimLineSocket).
    Status openDoor(const QString& socketName);

    // The caller's side. A number "-" rings without caller id. The commands act on the newest call
    // that is not disconnected.
    Result<int> ring(const QString& number, const QString& name = {});
    Status pressKeys(const QString& keys);
    Status say(const QString& wavPath); // "-": silence
    void sayLineSamples(const QByteArray& samples);
    // More of the caller's voice, after what is still to be heard (a microphone's stream).
    void addVoice(const QByteArray& samples);
    Status listen(const QString& wavPath); // "-": stop listening
    Status hangUp();
    // "<call state> <status text>", the state of the newest call or IDLE.
    QString describe() const;
    QString statusText() const { return m_status; }
    int registrationCount() const { return m_registrations.count(); }

    // Told by the line's calls.
    void callAnswered(SimCall* call);
    void callEnded(SimCall* call, const QString& reason);
    void digitsGenerated(SimCall* call, const QString& digits);
    void detectionChanged(SimCall* call, bool on);
    bool refusesAnswer() const { return m_options.refuseAnswer; }

signals:
    void monitor(const QString& line);
    // What the machine plays to the caller, as it is played (8 kHz mono 16-bit).
    void machineSound(const QByteArray& samples);

private:
    void deliver(LineEvent e);
    void ringOnce(SimCall* call);
    SimCall* newestLiveCall() const;
    std::shared_ptr<SimCall> shared(const SimCall* call) const;
    QByteArray callerVoice(int bytes);
    void machineVoice(const QByteArray& samples);

    SimLineOptions m_options;
    SimAddress m_address;
    MemoryLineAudio m_audio;
    QList<std::shared_ptr<SimCall>> m_calls;
    LineRegistrations m_registrations;
    int m_nextCall = 1;
    bool m_initialized = false;
    QByteArray m_voice;
    qsizetype m_voiceAt = 0;
    WavWriter m_listen;
    QString m_status;
    std::unique_ptr<SimLineServer> m_door;
};
