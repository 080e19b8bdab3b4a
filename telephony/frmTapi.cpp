#include "frmTapi.h"

#include "CallLog.h"
#include "DataFolder.h"
#include "LineAddress.h"
#include "LineAudio.h"
#include "LineCall.h"
#include "MainWindowLink.h"
#include "MessageHandOver.h"
#include "MessageStore.h"
#include "Prompt.h"
#include "Settings.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kNoModemSelected =
    QStringLiteral("モデムが選択されていません。\n"
                   "メニューの'設定'－'全般'を開き、'使用するモデム'欄にて選択可能なモデムを選択してください。\n"
                   "このとき、一覧に使用しているモデムが表示されない場合は、そのモデムがボイスモデムでないか\n"
                   "デバイスドライバが正しくインストールされていない可能性があります。 詳しくはヘルプをご覧ください。");
const QString kModemNotFound = QStringLiteral("選択されているモデムが見つかりません。設定を確認してください。");
const QString kRegistrationFailed = QStringLiteral("Registering for receiving calls failed.\n"
                                                   "If you have a data modem, replace it with a voice modem. "
                                                   "Quit the app and try again.");
const QString kAnswerRefused = QStringLiteral("モデムがAnswerコマンドを受け付けませんでした。\n"
                                              "デバイスドライバを更新することにより解決する可能性があります。");
const QString kPlaybackFailed =
    QStringLiteral("電話回線に対して音声の再生を行うときにエラーが発生しました。\n"
                   "DirectXのバージョンが８以降かどうか確認し、必要に応じてアップデートしてください。\n"
                   "確認は、スタート－ファイル名を指定して実行、dxdiagとタイプしてEnterを押すと表示されます。");
constexpr int kPlaybackHelpContext = 2;

// A 16-bit setting; a missing or garbled value gives the fallback, a value out of range is bounded.
int readCount(QStringView section, QStringView key, int fallback)
{
    bool ok = false;
    const int value = ReadSetting(section, key).trimmed().toInt(&ok);
    return ok ? qBound(1, value, 32767) : fallback;
}

bool answeringMachineOn()
{
    return ReadSetting(u"Feature", u"AnsweringMachine").trimmed().toInt() == 1;
}

} // namespace

frmTapi::frmTapi(LineFactory lineFactory, QObject* parent)
    : QObject(parent), m_lineFactory(std::move(lineFactory)), m_sequence([this](const QString& file) {
          m_playing = true;
          PlayFile(file);
      })
{
    qRegisterMetaType<LineEvent>();
    for (QTimer* t : {&tmrUpdate, &Timer2, &tmrPlay})
        t->setInterval(50);
    tmrUpdate.setSingleShot(true);
    Timer1.setInterval(5000);
    connect(&tmrUpdate, &QTimer::timeout, this, &frmTapi::tmrUpdate_Timer);
    connect(&Timer2, &QTimer::timeout, this, &frmTapi::Timer2_Timer);
    connect(&tmrPlay, &QTimer::timeout, this, &frmTapi::tmrPlay_Timer);
    connect(&Timer1, &QTimer::timeout, this, &frmTapi::Timer1_Timer);
    connect(&m_recorder, &LineRecorder::timeUp, this, &frmTapi::recordingTimeUp, Qt::QueuedConnection);
    Timer1.start();
    setTapiTimerSource([this] { return this; });

    QDir().mkpath(MessageStore::folder());
    LineRecorder::recoverInterrupted();
    UpdateMessageCount();
    ResetCallState();
}

frmTapi::~frmTapi()
{
    setTapiTimerSource({});
    if (m_tapi)
        m_tapi->disconnect(this);
}

void frmTapi::setStatusText(const QString& text)
{
    m_status = text;
    MainWindow::setStatusText(text);
    if (m_tapi)
        m_tapi->showStatus(text);
}

// ---- Line setup

void frmTapi::InitTAPI()
{
    if (m_tapi)
        return;
    m_tapi = m_lineFactory();
    m_tapi->initialize();
    m_tapi->setEventFilter(kAllLineEvents);
    connect(m_tapi.get(), &Line::event, this, &frmTapi::gobjTapiWithEvents_Event, Qt::QueuedConnection);
}

void frmTapi::LoadTapiSettings()
{
    m_maxMessage = readCount(u"AnsweringMachine", u"MaxMessage", 60);
    m_numRings = readCount(u"Tapi", u"NumRings", 2);
    m_modemName = ReadSetting(u"Tapi", u"Card");
}

void frmTapi::Tapi_On()
{
    if (!m_tapi)
        InitTAPI();
    LoadTapiSettings();
    const QList<LineAddress*> addresses = m_tapi->addresses();
    if (m_modemName.isEmpty()) {
        Prompts::exclamation(kNoModemSelected);
        selectMediaMode(1);
        return;
    }
    m_addressIndex = GetDeviceByName(m_modemName, addresses);
    if (m_addressIndex == -1) {
        Prompts::exclamation(kModemNotFound);
        return;
    }
    m_address = addresses.at(m_addressIndex - 1);
    RegisterForCalls();
    m_waveInGuid = GetWaveDeviceGuid(m_addressIndex, QStringLiteral("wave/in"));
    m_waveOutGuid = GetWaveDeviceGuid(m_addressIndex, QStringLiteral("wave/out"));
    setStatusText(kWaiting);
    m_lineOn = true;
}

int frmTapi::GetDeviceByName(const QString& name, const QList<LineAddress*>& objCollAddresses)
{
    for (qsizetype i = 0; i < objCollAddresses.size(); ++i) {
        if (objCollAddresses.at(i)->addressName() == name)
            return int(i + 1);
    }
    return -1;
}

void frmTapi::RegisterForCalls()
{
    if (!m_tapi)
        return;
    if (m_registrationCookie != 0) {
        m_tapi->unregisterNotifications(m_registrationCookie);
        m_registrationCookie = 0;
    }
    if (!m_address)
        return;
    m_registrationCookie = m_tapi->registerCallNotifications(m_address, false, true, TAPIMEDIATYPE_AUDIO, 1);
    if (m_registrationCookie == 0)
        Prompts::english(kRegistrationFailed);
}

int frmTapi::GetLegacyDeviceId(int index, const QString& deviceClass)
{
    const LegacyDeviceId answer = m_tapi->legacyDeviceId(index - 1, deviceClass);
    switch (answer.outcome) {
    case LegacyDeviceId::Found: return answer.id & 0xff;
    case LegacyDeviceId::InitFailed: Prompts::english(QStringLiteral("Can not init TAPI 2.1")); break;
    case LegacyDeviceId::OpenFailed: Prompts::english(QStringLiteral("Can not open legacy line %1").arg(index)); break;
    case LegacyDeviceId::NoIdentifier:
        Prompts::english(QStringLiteral("Can not get device id for ") + deviceClass);
        break;
    case LegacyDeviceId::RequestFailed: break;
    }
    return -1;
}

QString frmTapi::GetWaveDeviceGuid(int index, const QString& deviceClass)
{
    const int id = GetLegacyDeviceId(index, deviceClass);
    if (id == -1)
        return {};
    const bool out = deviceClass == u"wave/out";
    const QString wanted = (out ? QStringLiteral("WaveOut %1") : QStringLiteral("WaveIn %1")).arg(id);
    const QList<AudioDeviceInfo> devices = out ? m_tapi->audio().playbackDevices() : m_tapi->audio().captureDevices();
    for (const AudioDeviceInfo& d : devices) {
        if (d.description == wanted)
            return d.guid;
    }
    return {};
}

void frmTapi::Tapi_Off()
{
    if (m_tapi && m_registrationCookie != 0) {
        m_tapi->unregisterNotifications(m_registrationCookie);
        m_registrationCookie = 0;
    }
    m_address = nullptr;
    m_call.reset();
    m_waveInGuid.clear();
    m_waveOutGuid.clear();
    setStatusText(kStopped);
    m_lineOn = false;
}

void frmTapi::closeEngine()
{
    if (!m_tapi)
        return;
    if (m_registrationCookie != 0) {
        m_tapi->unregisterNotifications(m_registrationCookie);
        m_registrationCookie = 0;
    }
    m_tapi->shutdown();
}

void frmTapi::selectMediaMode(int index)
{
    if (MainWindowLink* window = MainWindowLink::current()) {
        window->selectMediaMode(index);
        return;
    }
    if (index == 0)
        Tapi_On();
    else
        Tapi_Off();
}

void frmTapi::Timer1_Timer()
{
    if (m_status == kDisconnected && m_statusAtLastTick == kDisconnected)
        setStatusText(kWaiting);
    m_statusAtLastTick = m_status;
}

QTimer& frmTapi::timer(TapiTimer which)
{
    switch (which) {
    case TapiTimer::Timer1: return Timer1;
    case TapiTimer::Timer2: return Timer2;
    case TapiTimer::tmrPlay: return tmrPlay;
    case TapiTimer::tmrUpdate: break;
    }
    return tmrUpdate;
}

bool frmTapi::isTimerEnabled(TapiTimer which) const
{
    return const_cast<frmTapi*>(this)->timer(which).isActive();
}

void frmTapi::setTimerEnabled(TapiTimer which, bool enabled)
{
    QTimer& t = timer(which);
    if (enabled)
        t.start();
    else
        t.stop();
}

// ---- Call handling

void frmTapi::gobjTapiWithEvents_Event(const LineEvent& e)
{
    switch (e.kind) {
    case TE_ADDRESS:
        if (e.addressEvent == AE_RINGING)
            onRinging(e.address);
        break;
    case TE_CALLNOTIFICATION:
        if (!onCallNotification(e.call))
            return;
        break;
    case TE_CALLSTATE: onCallState(e); break;
    case TE_CALLINFOCHANGE:
        // Only the current call's caller may name the message.
        if (e.cause == CIC_CALLERID && e.call && e.call == m_call)
            ShowCallerId(e.call.get());
        break;
    case TE_DIGITEVENT:
        if (e.call && e.call == m_call && m_dialogue)
            m_dialogue->onDigitEvent(e.digit);
        break;
    default: break;
    }
    sendPendingMail();
}

void frmTapi::onRinging(LineAddress* address)
{
    // A ring heard while the current call is already up belongs to no one the engine answers.
    if (m_call && m_call->state() != CS_OFFERING)
        return;
    const QList<std::shared_ptr<LineCall>> calls = address ? address->calls() : QList<std::shared_ptr<LineCall>>();
    if (!calls.isEmpty() && (!m_call || calls.first() == m_call))
        ShowCallerId(calls.first().get());
    ++m_ringCount;
    if (m_ringCount >= m_numRings)
        tmrUpdate.start();
}

bool frmTapi::onCallNotification(const std::shared_ptr<LineCall>& call)
{
    if (!call)
        return true;
    if (m_call) {
        // A second call while one is handled: refused at once, and its caller id is not shown, so
        // that it cannot rename the first caller's message.
        call->disconnect(DC_REJECTED);
        return false;
    }
    m_lblName = MessageStore::kUnknownName;
    m_lblNumber = MessageStore::kUnknownNumber;
    m_lblTime = MessageStore::MakeTimeStamp(now());
    ShowCallerId(call.get());
    m_call = call;
    return true;
}

void frmTapi::onCallState(const LineEvent& e)
{
    // The states of a refused second call are not the current call's.
    if (m_call && e.call != m_call)
        return;
    setStatusText(kIncoming);
    if (e.callState != CS_DISCONNECTED)
        return;
    setStatusText(kDisconnected);
    if (m_recorder.isRecording())
        keep(StopRecording(m_messagePath));
    else
        HangUpCall();
    if (m_dialogue && m_dialogue->hasOperations()) {
        selectMediaMode(1);
        setStatusText(kRemoteControl);
        m_dialogue->RunOperations();
        setStatusText(kDisconnected);
        selectMediaMode(0);
        m_dialogue->ClearOperations();
    }
    if (m_dialogue)
        m_dialogue->endCall();
}

void frmTapi::ShowCallerId(LineCall* call)
{
    const std::optional<QString> number = call->callerIdNumber();
    if (!number)
        return;
    m_lblNumber = *number;
    const std::optional<QString> name = call->callerIdName();
    if (!name)
        return;
    m_lblName = *name;
}

void frmTapi::tmrUpdate_Timer()
{
    tmrUpdate.stop();
    AM_Start();
}

void frmTapi::AM_Start()
{
    if (!m_call)
        return; // the caller hung up before the answer
    Timer2.start();
    m_interrupted[1] = false;
    if (m_dialogue)
        m_dialogue->beginCall();
    AnswerCall();
    QList<PromptSequence::Step> steps{PromptSequence::play(DataFolder::path(u"\\Ans\\Reception0.wav"))};
    const QString second = DataFolder::path(u"\\Ans\\Reception1.wav");
    if (answeringMachineOn() && QFileInfo::exists(second))
        steps.append(PromptSequence::play(second));
    steps.append(PromptSequence::then([this] { afterGreetings(); }));
    playPrompts(1, steps);
}

void frmTapi::afterGreetings()
{
    tmrPlay.stop();
    if (m_call)
        m_call->detectDigits(LINEDIGITMODE_OFF);
    if (answeringMachineOn()) {
        generateDigits(QStringLiteral("*"));
        m_messagePath = MessageStore::uniquePath(MessageStore::messageFileName(m_lblTime, m_lblNumber));
        RecordFile();
    } else {
        HangUpCall();
    }
    Timer2.stop();
}

void frmTapi::AnswerCall()
{
    log(CallLog::incomingCallLine(now(), m_lblNumber));
    if (!m_call || m_call->state() != CS_OFFERING)
        return;
    if (!m_call->answer()) {
        Prompts::critical(kAnswerRefused);
        return;
    }
    m_call->detectDigits(LINEDIGITMODE_DTMF);
}

void frmTapi::HangUpCall()
{
    ResetCallState();
    // Whatever the call was waiting for ends with it.
    m_sequence.cancel();
    m_playing = false;
    if (!m_call)
        return;
    m_player.release();
    if (m_recorder.isRecording())
        keep(m_recorder.StopRecording(!m_waveInGuid.isEmpty()));
    const std::shared_ptr<LineCall> call = std::exchange(m_call, nullptr);
    UpdateMessageCount();
    m_lblTime.clear();
    m_lblName.clear();
    m_lblNumber.clear();
    call->disconnect(DC_NORMAL);
    RegisterForCalls();
}

void frmTapi::ResetCallState()
{
    m_ringCount = 0;
    tmrUpdate.stop();
    m_interrupted.fill(false);
}

void frmTapi::keep(const QString& kept)
{
    if (kept.isEmpty())
        return;
    m_pendingMailPath = kept;
}

void frmTapi::sendPendingMail()
{
    if (m_pendingMailPath.isEmpty())
        return;
    const QString path = std::exchange(m_pendingMailPath, QString());
    if (!m_handOver)
        return;
    selectMediaMode(1);
    setStatusText(kSendingMail);
    m_handOver->messageKept(path);
    setStatusText(kDisconnected);
    selectMediaMode(0);
}

void frmTapi::log(const QString& line)
{
    const Status written = CallLog::append(line);
    if (!written)
        setStatusText(kLogFailed);
}

// ---- Dialogue seams

bool frmTapi::interrupted(int mode) const
{
    return mode >= 1 && mode <= 4 && m_interrupted[size_t(mode)];
}

void frmTapi::setInterrupted(int mode, bool on)
{
    if (mode < 1 || mode > 4)
        return;
    m_interrupted[size_t(mode)] = on;
    if (on && m_sequence.isRunning() && m_sequence.mode() == mode)
        m_sequence.cancel();
}

void frmTapi::playPrompts(int mode, QList<PromptSequence::Step> steps)
{
    setInterrupted(mode, false);
    m_sequence.start(mode, std::move(steps));
}

void frmTapi::generateDigits(const QString& digits)
{
    if (m_call)
        m_call->generateDigits(digits, LINEDIGITMODE_DTMF);
}

void frmTapi::Timer2_Timer()
{
    if (m_dialogue)
        m_dialogue->Timer2_Timer();
}

// ---- Message store

void frmTapi::UpdateMessageCount()
{
    m_messageCount = int(MessageStore::GetMessages().size());
}

// ---- Line audio

void frmTapi::setPlaying(bool on)
{
    m_playing = on;
    if (!on)
        m_sequence.playbackEnded();
}

void frmTapi::PlayFile(const QString& strFile)
{
    setStatusText(kPlaying);
    if (!m_tapi)
        return setPlaying(false);
    switch (m_player.play(m_tapi->audio(), m_waveOutGuid, strFile)) {
    case LinePlayer::Start::Playing: tmrPlay.start(); break;
    case LinePlayer::Start::DeviceFailed:
        HangUpCall();
        Prompts::exclamation(kPlaybackFailed, kPlaybackHelpContext);
        break;
    case LinePlayer::Start::NotPlayable:
        // Nothing will be heard, so nothing may be waited for.
        setPlaying(false);
        break;
    }
}

void frmTapi::tmrPlay_Timer()
{
    if (m_player.checkStopped())
        setPlaying(false);
}

void frmTapi::RecordFile()
{
    setStatusText(kRecording);
    const Status started = m_recorder.RecordFile(m_tapi->audio(), m_waveInGuid, m_messagePath, m_maxMessage);
    if (!started) {
        setStatusText(kCaptureFailed);
        log(CallLog::captureFailedLine(now(), started.error()));
        HangUpCall();
    }
}

QString frmTapi::StopRecording(const QString& strFile)
{
    Q_UNUSED(strFile); // the recorder knows the path it records to
    const QString kept = m_recorder.StopRecording(!m_waveInGuid.isEmpty());
    HangUpCall();
    MainWindow::refreshMessages();
    return kept;
}

void frmTapi::recordingTimeUp()
{
    if (!m_recorder.isRecording())
        return;
    // A message ended by the length limit is handed over like any other.
    keep(StopRecording(m_messagePath));
    QTimer::singleShot(0, this, &frmTapi::sendPendingMail);
}
