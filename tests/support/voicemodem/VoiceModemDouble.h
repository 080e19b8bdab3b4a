#pragma once

#include "VoiceModemProfile.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>
#include <optional>

// A voice modem for tests: a pseudo-terminal that speaks the voice commands the modem line uses. It
// rings with a caller id, streams the caller's voice while it records, sends key and hang-up
// events, and keeps what it was sent. It runs on the test's thread (the event loop drives it).
// devicePath() is a link that keeps its name when the device is pulled and plugged in again.
class VoiceModemDouble : public QObject {
    Q_OBJECT
public:
    struct CallerId {
        QString date = QStringLiteral("1210");
        QString time = QStringLiteral("1301");
        QString number{};
        QString name{};
    };

    explicit VoiceModemDouble(VoiceModemProfile profile = VoiceModemProfile::fullRange());
    ~VoiceModemDouble() override;

    QString devicePath() const;
    const VoiceModemProfile& profile() const { return m_profile; }

    // The caller's side. ring() rings `rings` times (until answered) every intervalMs; the caller id
    // follows ring number idAfterRing when the modem was asked to report it.
    void ring(int rings, int intervalMs, std::optional<CallerId> id = {}, int idAfterRing = 1);
    void setCallerVoice(const QByteArray& lineSamples); // 16-bit line samples; silence after them
    void pressKeys(const QString& keys);
    void sendEvent(char event); // DLE event now
    void unplug();
    void plugIn();
    void setMute(bool mute) { m_mute = mute; } // a modem that stops answering
    // Off hook and recording, as a program that crashed in the middle of a call leaves a modem.
    void leaveRecording();

    // What it saw.
    QStringList commands() const { return m_commands; }
    bool offHook() const { return m_offHook; }
    int ringsSent() const { return m_ringsSent; }
    std::optional<VoiceModemProfile::Method> selectedMethod() const;
    QByteArray transmitted() const { return m_transmitted; } // coded voice of every transmission, DLE undone
    int transmissions() const { return m_transmissions; }    // transmissions ended with DLE ETX
    int escapedDles() const { return m_escapedDles; }        // DLE DLE pairs in them
    int strayDleCodes() const { return m_strayDle; }         // DLE followed by a code that is no framing
    int receptions() const { return m_receptions; }          // receptions ended by the host
    QByteArray voiceSent() const { return m_voiceSent; }     // coded voice sent while recording
    bool receiving() const { return m_mode == Mode::Receive; }
    bool transmitting() const { return m_mode == Mode::Transmit; }

private:
    enum class Mode { Command, Transmit, Receive };

    bool openPty();
    void closePty();
    void readHost();
    void commandByte(char c);
    void transmitByte(char c);
    void receiveByte(char c);
    void execute(const QString& command);
    QString reply(const QString& command);
    void ringOnce();
    void startReceiving();
    void streamVoice();
    void send(const QByteArray& bytes);
    void sendLine(const QString& line);
    void flush();

    VoiceModemProfile m_profile;
    QTemporaryDir m_dir;
    int m_master = -1;
    int m_slave = -1; // held open so the terminal keeps its raw settings between the host's opens
    std::unique_ptr<QSocketNotifier> m_notifier;
    QByteArray m_out;
    QTimer m_flush;
    bool m_mute = false;

    Mode m_mode = Mode::Command;
    QByteArray m_line;
    bool m_dle = false;
    bool m_callerIdOn = false;
    bool m_offHook = false;
    int m_method = -1; // index into the profile's methods

    QTimer m_ringTimer;
    int m_ringsLeft = 0;
    int m_ringsSent = 0;
    std::optional<CallerId> m_callerId;
    int m_idAfterRing = 1;

    QTimer m_voiceTimer;
    QElapsedTimer m_voiceClock;
    qint64 m_voiceDue = 0;
    QByteArray m_callerVoice; // 16-bit line samples
    qsizetype m_callerVoiceAt = 0;

    QStringList m_commands;
    QByteArray m_transmitted;
    QByteArray m_voiceSent;
    int m_transmissions = 0;
    int m_receptions = 0;
    int m_escapedDles = 0;
    int m_strayDle = 0;
};
