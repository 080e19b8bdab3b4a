#pragma once

#include "ModemOptions.h"
#include "ModemReader.h"
#include "SerialDevice.h"
#include "VoiceMethods.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>

// The conversation with the voice modem, on the user-interface thread and never blocking it: one
// command or voice stream at a time from a queue, each wait bounded by the command time-out. A
// time-out resets the modem back to command mode and sets it up again; a modem that does not come
// back, or a device that is pulled, makes the session unusable until a later attempt to reopen it
// succeeds.
class ModemSession : public QObject {
    Q_OBJECT
public:
    struct Reply {
        bool ok = false;
        QString final; // "OK", "ERROR", "CONNECT", … or "TIMEOUT" / "CLOSED"
        QStringList lines;
    };
    using Done = std::function<void(const Reply&)>;

    explicit ModemSession(ModemOptions options, QObject* parent = nullptr);
    ~ModemSession() override;

    // Opens the device and sets the modem up; ready() or unusable() tells the outcome.
    void start();
    void close();
    bool isUsable() const { return m_usable; }
    QString identity() const { return m_identity; }
    const VoiceMethod& method() const { return m_method; }
    const ModemOptions& options() const { return m_options; }

    // Refused at once (a failed reply) while the session is not usable.
    void command(const QByteArray& text, Done done = {});
    // Plays coded voice to the line in real time; finished runs once: played, stopped or failed.
    int transmit(const QByteArray& coded, std::function<void()> finished);
    // Passes the line's coded voice to voice until the stream is stopped; ended runs once.
    int receive(std::function<void(const QByteArray&)> voice, std::function<void()> ended);
    void stopStream(int ticket);
    // Stops the running voice stream and drops the queued ones.
    void stopStreams();
    // Whether a voice stream is queued or running.
    bool streaming() const;

signals:
    void ready();
    void unusable(const QString& why);
    void unsolicited(const QString& line); // RING, caller id, NO CARRIER … outside a command
    void shielded(char event);             // the character of a DLE event

private:
    struct Job {
        enum Kind { Command, Transmit, Receive };
        Kind kind = Command;
        int ticket = 0;
        QByteArray text{};
        Done done{};
        QByteArray coded{};
        std::function<void()> finished{};
        std::function<void(const QByteArray&)> voice{};
        bool stopRequested = false;
        qsizetype sent = 0;
    };
    enum class Phase { Idle, AwaitReply, Streaming, AwaitEnd };
    struct SetupStep {
        std::function<QByteArray()> text;
        std::function<bool(const Reply&)> accept; // false: the modem cannot be used
    };

    bool open();
    void enqueue(Job job);
    void next();
    void received(const QList<DleParser::Item>& items);
    void line(const QString& text);
    void complete(const QString& final);
    void finishJob(const Reply& reply);
    void pace();
    void endTransmit();
    void send(const QByteArray& bytes);
    bool flush();
    void timedOut();
    void reset();
    void bringToCommandMode();
    void lost(const QString& why);
    void failAll(const QString& final);
    void runSetup();
    void runSetupStep(int index);
    QList<SetupStep> setupSteps();

    ModemOptions m_options;
    SerialDevice m_device;
    ModemReader m_reader;
    std::deque<Job> m_queue;
    std::optional<Job> m_current;
    Phase m_phase = Phase::Idle;
    QStringList m_replyLines;
    QByteArray m_out; // bytes the device has not taken yet
    QElapsedTimer m_clock;
    QTimer m_timeout;
    QTimer m_writer;
    QTimer m_retry;
    QTimer m_settle;
    int m_nextTicket = 1;
    bool m_usable = false;
    bool m_settingUp = false;
    bool m_closed = true;
    bool m_reported = false; // unusable() was sent since the last ready()
    QString m_identity;
    QString m_manufacturer, m_model, m_ati3;
    VoiceMethod m_method;
    QList<SetupStep> m_steps;
};
