#pragma once

#include "Line.h"
#include "LinePlayer.h"
#include "LineRecorder.h"
#include "PromptSequence.h"
#include "RemoteDialogue.h"
#include "TapiTimers.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class LineAddress;
class LineCall;
class MessageHandOver;

// The telephony engine: chooses the line's address, registers for calls, answers after the set
// number of rings, plays the greetings, records the message, and does the work after the call.
// Everything runs on the user-interface thread: line events arrive queued, one at a time. The
// main window is reached through MainWindowLink; without one the engine switches the line itself.
class frmTapi : public QObject, public TapiTimerSet {
    Q_OBJECT
public:
    using LineFactory = std::function<std::unique_ptr<Line>()>;

    // The status texts of the engine.
    static inline const QString kWaiting = QStringLiteral("待機中");
    static inline const QString kStopped = QStringLiteral("停止中");
    static inline const QString kIncoming = QStringLiteral("着信中");
    static inline const QString kDisconnected = QStringLiteral("切断されました");
    static inline const QString kRemoteControl = QStringLiteral("リモコン操作中");
    static inline const QString kSendingMail = QStringLiteral("通知メール送信中");
    static inline const QString kPlaying = QStringLiteral("メッセージ再生中");
    static inline const QString kRecording = QStringLiteral("メッセージ録音中");
    static inline const QString kDigitDetected = QStringLiteral("DTMFトーン検出 ");
    static inline const QString kCaptureFailed =
        QStringLiteral("録音デバイスを開けないため、メッセージを録音できません");
    static inline const QString kLogFailed = QStringLiteral("通話記録を書き込めません");

    // Starting the engine creates "\Messages", recovers recordings cut off by a crash, shows the
    // message count and resets the per-call state.
    explicit frmTapi(LineFactory lineFactory, QObject* parent = nullptr);
    ~frmTapi() override;

    void setHandOver(MessageHandOver* handOver) { m_handOver = handOver; }
    void setDialogue(RemoteDialogue* dialogue) { m_dialogue = dialogue; }
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // Line setup
    void InitTAPI();
    void Tapi_On();
    void Tapi_Off();
    void LoadTapiSettings();
    // 1-based position of the first address named exactly name, -1 when none is.
    static int GetDeviceByName(const QString& name, const QList<LineAddress*>& objCollAddresses);
    void RegisterForCalls();
    QString GetWaveDeviceGuid(int index, const QString& deviceClass);
    int GetLegacyDeviceId(int index, const QString& deviceClass);
    // Unregisters and shuts the line down; the program ends after it.
    void closeEngine();

    Line* gobjTapi() const { return m_tapi.get(); }
    bool lineOn() const { return m_lineOn; }
    quint32 registrationCookie() const { return m_registrationCookie; }
    QString waveInGuid() const { return m_waveInGuid; }
    QString waveOutGuid() const { return m_waveOutGuid; }
    QString statusText() const { return m_status; }
    void setStatusText(const QString& text);

    // Call handling
    void gobjTapiWithEvents_Event(const LineEvent& e);
    void AM_Start();
    void AnswerCall();
    void HangUpCall();
    void ResetCallState();
    void ShowCallerId(LineCall* call);
    int ringCount() const { return m_ringCount; }
    LineCall* currentCall() const { return m_call.get(); }
    QString lblTime() const { return m_lblTime; }
    QString lblName() const { return m_lblName; }
    QString lblNumber() const { return m_lblNumber; }
    QString messagePath() const { return m_messagePath; }

    // Message store
    void UpdateMessageCount();
    int messageCount() const { return m_messageCount; }

    // Line audio
    void PlayFile(const QString& strFile);
    void RecordFile();
    QString StopRecording(const QString& strFile);
    bool isRecording() const { return m_recorder.isRecording(); }
    bool playing() const { return m_playing; }

    // What the remote dialogue builds on: digit generation, and prompt sequences that recognised
    // inputs of their mode cancel.
    bool interrupted(int mode) const;
    void setInterrupted(int mode, bool on);
    void playPrompts(int mode, QList<PromptSequence::Step> steps);
    void generateDigits(const QString& digits);

    // Timers, also suspended around IR captures and transmissions (SuspendTapiTimers reaches them
    // through TapiTimerSet while the engine exists).
    QTimer tmrUpdate;
    QTimer Timer2;
    QTimer tmrPlay;
    QTimer Timer1;
    void tmrUpdate_Timer();
    void Timer2_Timer();
    void tmrPlay_Timer();
    void Timer1_Timer();
    bool isTimerEnabled(TapiTimer timer) const override;
    void setTimerEnabled(TapiTimer timer, bool enabled) override;

private:
    QTimer& timer(TapiTimer which);
    void onRinging(LineAddress* address);
    bool onCallNotification(const std::shared_ptr<LineCall>& call);
    void onCallState(const LineEvent& e);
    void afterGreetings();
    void recordingTimeUp();
    void keep(const QString& kept);
    void sendPendingMail();
    void selectMediaMode(int index);
    void setPlaying(bool on);
    void log(const QString& line);
    QDateTime now() const { return m_now ? m_now() : QDateTime::currentDateTime(); }

    LineFactory m_lineFactory;
    MessageHandOver* m_handOver = nullptr;
    RemoteDialogue* m_dialogue = nullptr;
    std::function<QDateTime()> m_now;

    std::unique_ptr<Line> m_tapi;
    LineAddress* m_address = nullptr;
    quint32 m_registrationCookie = 0;
    int m_addressIndex = -1;
    QString m_modemName;
    int m_numRings = 2;
    int m_maxMessage = 60;
    QString m_waveInGuid;
    QString m_waveOutGuid;
    bool m_lineOn = false;
    QString m_status;
    QString m_statusAtLastTick;

    std::shared_ptr<LineCall> m_call;
    int m_ringCount = 0;
    bool m_playing = false;
    std::array<bool, 5> m_interrupted{};
    QString m_messagePath;
    QString m_pendingMailPath;
    QString m_lblTime;
    QString m_lblName;
    QString m_lblNumber;
    int m_messageCount = 0;

    LinePlayer m_player;
    LineRecorder m_recorder;
    PromptSequence m_sequence;
};
