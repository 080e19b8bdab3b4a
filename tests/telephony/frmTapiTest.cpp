#include "EngineFixture.h"

#include "DataFolder.h"
#include "LineCall.h"
#include "MessageStore.h"
#include "Settings.h"
#include "TestWav.h"
#include "WaitUntil.h"
#include "WavFile.h"

#include <QDir>
#include <QFile>

namespace {

struct NamedAddress : LineAddress {
    explicit NamedAddress(QString n) : name(std::move(n)) {}
    QString name;
    QString addressName() const override { return name; }
    QString serviceProviderName() const override { return "unimdm.tsp"; }
    long mediaTypes() const override { return TAPIMEDIATYPE_AUDIO; }
    bool hasTerminalSupport() const override { return true; }
    QList<std::shared_ptr<LineCall>> calls() const override { return {}; }
};

Result<PcmSound> onlyMessage(const QStringList& names)
{
    if (names.size() != 1)
        return Result<PcmSound>::failure(QStringLiteral("%1 messages").arg(names.size()));
    return WavFile::read(QDir(MessageStore::folder()).filePath(names.first()));
}

} // namespace

using frmTapiTest = EngineFixture;

// ---- Line setup

TEST_F(frmTapiTest, SwitchingOnRegistersTheNamedAddressAndFindsItsWaveDevices)
{
    startEngine();
    EXPECT_TRUE(engine->lineOn());
    EXPECT_EQ(engine->statusText(), frmTapi::kWaiting);
    EXPECT_NE(engine->registrationCookie(), 0u);
    EXPECT_EQ(engine->waveInGuid(), line->audio().captureDevices().first().guid);
    EXPECT_EQ(engine->waveOutGuid(), line->audio().playbackDevices().first().guid);
    engine->Tapi_On();
    EXPECT_EQ(line->registrationCount(), 1) << "the old registration is removed first";
    engine->Tapi_Off();
    EXPECT_EQ(line->registrationCount(), 0);
    EXPECT_FALSE(engine->lineOn());
    EXPECT_EQ(engine->statusText(), frmTapi::kStopped);
    EXPECT_TRUE(engine->waveInGuid().isEmpty());
}

TEST_F(frmTapiTest, AddressesAreFoundByTheirExactName)
{
    NamedAddress a("Modem A"), b("Modem B"), b2("Modem B");
    const QList<LineAddress*> addresses{&a, &b, &b2};
    EXPECT_EQ(frmTapi::GetDeviceByName("Modem B", addresses), 2);
    EXPECT_EQ(frmTapi::GetDeviceByName("modem b", addresses), -1);
    EXPECT_EQ(frmTapi::GetDeviceByName("Modem", addresses), -1);
    EXPECT_EQ(frmTapi::GetDeviceByName("Modem A", {}), -1);
}

TEST_F(frmTapiTest, NoModemSelectedSwitchesTheMainWindowOff)
{
    QFile::remove(settingsFilePath());
    WriteSetting(u"Tapi", u"NumRings", u"2");
    prompts.expect("モデムが選択されていません。");
    startEngine();
    EXPECT_EQ(host.modes, QList<int>{1});
    EXPECT_FALSE(engine->lineOn());
    EXPECT_EQ(engine->statusText(), frmTapi::kStopped);
}

TEST_F(frmTapiTest, AModemNameOfAnotherCaseIsNotFoundAndNothingChanges)
{
    WriteSetting(u"Tapi", u"Card", u"talvero virtual line");
    prompts.expect("選択されているモデムが見つかりません。設定を確認してください。");
    startEngine();
    EXPECT_TRUE(host.modes.isEmpty());
    EXPECT_FALSE(engine->lineOn());
    EXPECT_EQ(line->registrationCount(), 0);
}

TEST_F(frmTapiTest, ALegacyLineThatCannotBeOpenedLeavesBothWaveDevicesEmpty)
{
    options.failLegacyLine = true;
    prompts.expect("Can not open legacy line 1").expect("Can not open legacy line 1");
    startEngine();
    EXPECT_TRUE(engine->waveInGuid().isEmpty());
    EXPECT_TRUE(engine->waveOutGuid().isEmpty());
    EXPECT_EQ(engine->statusText(), frmTapi::kWaiting);
    EXPECT_TRUE(engine->lineOn());
}

TEST_F(frmTapiTest, ARefusedRegistrationIsToldInEnglishAndTheLineCountsAsOn)
{
    options.refuseRegistration = true;
    prompts.expect("Registering for receiving calls failed.");
    startEngine();
    EXPECT_TRUE(engine->lineOn());
    EXPECT_EQ(prompts.shown().first().title, Prompts::kDefaultTitle);
}

TEST_F(frmTapiTest, SwitchingOffANeverSwitchedOnLine)
{
    startEngine(false);
    engine->Tapi_Off();
    EXPECT_EQ(engine->statusText(), frmTapi::kStopped);
    EXPECT_EQ(line->registrationCount(), 0);
}

TEST_F(frmTapiTest, ADisconnectStaysShownForTwoTicksOfTimer1)
{
    startEngine();
    engine->setStatusText(frmTapi::kDisconnected);
    engine->Timer1_Timer();
    EXPECT_EQ(engine->statusText(), frmTapi::kDisconnected);
    engine->Timer1_Timer();
    EXPECT_EQ(engine->statusText(), frmTapi::kWaiting);
    engine->setStatusText(frmTapi::kRecording);
    engine->Timer1_Timer();
    engine->Timer1_Timer();
    EXPECT_EQ(engine->statusText(), frmTapi::kRecording);
}

// ---- Call handling

TEST_F(frmTapiTest, ASilentCallerIsRecordedForMaxMessageSecondsAndTheMessageHandedOver)
{
    startEngine();
    line->ring("0123", "山田");
    ASSERT_TRUE(waitForLine("RINGING 1 2"));
    EXPECT_FALSE(sawLine("ANSWERED"));
    ASSERT_TRUE(waitForLine("ANSWERED 1"));
    EXPECT_EQ(engine->lblNumber(), "0123");
    EXPECT_EQ(engine->lblName(), "山田");
    ASSERT_TRUE(waitForLine("DISCONNECTED 1 NORMAL"));
    ASSERT_TRUE(waitUntil([&] { return !handOver.paths.isEmpty(); }));

    const QStringList order{
        "PLAYING Reception0.wav", "PLAYING Reception1.wav", "DETECT 1 OFF", "TONE 1 *", "CAPTURING", "CAPTURED",
        "DISCONNECTED 1 NORMAL"};
    QStringList seen = told;
    seen.removeIf([&](const QString& m) { return !order.contains(m); });
    EXPECT_EQ(seen, order);

    const Result<PcmSound> message = onlyMessage(messages());
    ASSERT_TRUE(message.ok()) << message.error().toStdString();
    EXPECT_EQ(message->format, WaveFormat::line());
    EXPECT_EQ(message->bytes, QByteArray(16000, '\0'));
    EXPECT_TRUE(messages().first().endsWith(",0123.wav"));
    EXPECT_EQ(handOver.paths, QStringList{QDir(MessageStore::folder()).filePath(messages().first())});
    EXPECT_EQ(handOver.lineOnWhileSending, QList<bool>{false});
    EXPECT_TRUE(engine->lineOn());
    EXPECT_GE(host.refreshes, 1);
    EXPECT_EQ(engine->messageCount(), 1);
    EXPECT_TRUE(callLog().endsWith(" - 0123 から着信しました\n"));
    for (const QString& text : {frmTapi::kIncoming, frmTapi::kPlaying, frmTapi::kRecording, frmTapi::kDisconnected,
                                frmTapi::kSendingMail, frmTapi::kWaiting})
        EXPECT_TRUE(host.texts.contains(text)) << text.toStdString();
    EXPECT_TRUE(QDir(DataFolder::tmpDir()).isEmpty()) << "the per-call raw file is gone";
}

TEST_F(frmTapiTest, ACallerWhoHangsUpAfterOneRingIsNotAnswered)
{
    WriteSetting(u"Tapi", u"NumRings", u"3");
    startEngine();
    line->ring("0123");
    ASSERT_TRUE(waitForLine("RINGING 1 1"));
    ASSERT_TRUE(waitUntil([&] { return engine->ringCount() == 1; }));
    line->hangUp();
    ASSERT_TRUE(waitUntil([&] { return engine->statusText() == frmTapi::kDisconnected; }));
    EXPECT_EQ(engine->ringCount(), 0);
    EXPECT_EQ(engine->currentCall(), nullptr);
    EXPECT_FALSE(sawLine("ANSWERED"));
    EXPECT_TRUE(callLog().isEmpty());
}

TEST_F(frmTapiTest, AHangUpDuringTheGreetingEndsTheWaitAndLeavesNoMessage)
{
    writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 5);
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitForLine("PLAYING Reception0.wav"));
    line->hangUp();
    ASSERT_TRUE(waitUntil([&] { return engine->currentCall() == nullptr; }));
    waitUntil([] { return false; }, 300);
    EXPECT_FALSE(engine->playing());
    EXPECT_FALSE(sawLine("TONE"));
    EXPECT_FALSE(sawLine("CAPTURING"));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(handOver.paths.isEmpty());
    EXPECT_EQ(engine->statusText(), frmTapi::kDisconnected);
}

TEST_F(frmTapiTest, AHangUpWhileRecordingKeepsWhatTheCallerSaid)
{
    WriteSetting(u"AnsweringMachine", u"MaxMessage", u"30");
    writeToneWav(home.file("voice.wav"), 10);
    startEngine();
    callAndWaitForAnswer("0987");
    ASSERT_TRUE(waitForLine("CAPTURING"));
    line->say(home.file("voice.wav"));
    ASSERT_TRUE(waitUntil([&] { return told.count("CAPTURING") && engine->isRecording(); }));
    waitUntil([] { return false; }, 3500);
    line->hangUp();
    ASSERT_TRUE(waitUntil([&] { return !handOver.paths.isEmpty(); }));
    const Result<PcmSound> message = onlyMessage(messages());
    ASSERT_TRUE(message.ok()) << message.error().toStdString();
    EXPECT_EQ(message->bytes.size() % 16000, 0) << "whole seconds only";
    EXPECT_GE(message->bytes.size(), 16000);
    EXPECT_NE(message->bytes, QByteArray(message->bytes.size(), '\0'));
    EXPECT_EQ(handOver.lineOnWhileSending, QList<bool>{false});
}

TEST_F(frmTapiTest, ASecondCallDuringRecordingIsRejectedAndTheFirstGoesOn)
{
    WriteSetting(u"AnsweringMachine", u"MaxMessage", u"2");
    startEngine();
    callAndWaitForAnswer("111");
    ASSERT_TRUE(waitForLine("CAPTURING"));
    line->ring("222");
    ASSERT_TRUE(waitForLine("DISCONNECTED 2 REJECTED"));
    EXPECT_TRUE(engine->isRecording());
    EXPECT_EQ(engine->lblNumber(), "111");
    ASSERT_TRUE(waitForLine("DISCONNECTED 1 NORMAL"));
    ASSERT_TRUE(waitUntil([&] { return !handOver.paths.isEmpty(); }));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().endsWith(",111.wav"));
    EXPECT_EQ(onlyMessage(messages())->bytes.size(), 32000);
}

TEST_F(frmTapiTest, TheBeepFollowsTheFirstGreetingWhenTheSecondIsMissing)
{
    QFile::remove(DataFolder::path(u"\\Ans\\Reception1.wav"));
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitForLine("TONE 1 *"));
    EXPECT_FALSE(sawLine("PLAYING Reception1.wav"));
    EXPECT_TRUE(sawLine("PLAYED Reception0.wav"));
}

TEST_F(frmTapiTest, GreetingsThatCannotBePlayedDoNotHoldTheCall)
{
    QFile::remove(DataFolder::path(u"\\Ans\\Reception0.wav"));
    QFile bad(DataFolder::path(u"\\Ans\\Reception1.wav"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a wav");
    bad.close();
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitForLine("CAPTURING"));
    EXPECT_FALSE(engine->playing());
}

TEST_F(frmTapiTest, WithoutTheAnsweringMachineTheGreetingIsPlayedAndTheCallEnded)
{
    WriteSetting(u"Feature", u"AnsweringMachine", u"0");
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitForLine("DISCONNECTED 1 NORMAL"));
    EXPECT_TRUE(sawLine("PLAYED Reception0.wav"));
    EXPECT_FALSE(sawLine("PLAYING Reception1.wav"));
    EXPECT_FALSE(sawLine("TONE"));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(frmTapiTest, ACaptureDeviceThatCannotBeOpenedIsReportedAndTheCallEnded)
{
    options.audio.refuseCapture = true;
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitForLine("DISCONNECTED 1 NORMAL"));
    EXPECT_TRUE(host.texts.contains(frmTapi::kCaptureFailed));
    EXPECT_TRUE(callLog().contains("録音デバイスを開けないため"));
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(handOver.paths.isEmpty());
}

TEST_F(frmTapiTest, ACaptureDeviceWithoutSixteenBitsGivesAnEightBitMessage)
{
    options.audio.refuse16BitCapture = true;
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitUntil([&] { return !handOver.paths.isEmpty(); }));
    const Result<PcmSound> message = onlyMessage(messages());
    ASSERT_TRUE(message.ok());
    EXPECT_EQ(message->format, WaveFormat::line8Bit());
    EXPECT_EQ(message->bytes.size(), 8000);
}

TEST_F(frmTapiTest, TwoCallsInTheSameSecondGetTwoMessages)
{
    const QDateTime fixed(QDate(2003, 5, 7), QTime(19, 5, 12));
    startEngine();
    engine->setClock([fixed] { return fixed; });
    for (int call = 1; call <= 2; ++call) {
        line->ring("0123");
        ASSERT_TRUE(waitUntil([&] { return handOver.paths.size() == call; }));
    }
    EXPECT_EQ(messages(), (QStringList{"2003-05-07 19-05-12,0123 (2).wav", "2003-05-07 19-05-12,0123.wav"}));
}

TEST_F(frmTapiTest, AnOddCallerNumberCannotWriteOutsideTheMessageFolder)
{
    startEngine();
    line->ring("../../x");
    ASSERT_TRUE(waitUntil([&] { return !handOver.paths.isEmpty(); }));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().endsWith(",_______.wav"));
}

TEST_F(frmTapiTest, ACallerWithoutCallerIdIsNamedUnknown)
{
    startEngine();
    line->ring("-");
    ASSERT_TRUE(waitUntil([&] { return !handOver.paths.isEmpty(); }));
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().endsWith(",番号不明.wav"));
    EXPECT_TRUE(callLog().contains(" - 番号不明 から着信しました"));
}

TEST_F(frmTapiTest, ACallLogThatCannotBeWrittenIsShownAndTheCallGoesOn)
{
    QDir().mkpath(DataFolder::path(u"\\Phone.log"));
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitUntil([&] { return !handOver.paths.isEmpty(); }));
    EXPECT_TRUE(host.texts.contains(frmTapi::kLogFailed));
    EXPECT_EQ(messages().size(), 1);
}

TEST_F(frmTapiTest, APlaybackDeviceThatCannotBeOpenedEndsTheCallWithAHelpfulBox)
{
    options.audio.refusePlayback = true;
    prompts.expect("電話回線に対して音声の再生を行うときにエラーが発生しました。");
    startEngine();
    callAndWaitForAnswer();
    ASSERT_TRUE(waitForLine("DISCONNECTED 1 NORMAL"));
    EXPECT_EQ(prompts.shown().last().helpContext, 2);
    EXPECT_FALSE(sawLine("CAPTURING"));
}

TEST_F(frmTapiTest, ARefusedAnswerIsShownAndTheGreetingStillPlayed)
{
    options.refuseAnswer = true;
    prompts.expect("モデムがAnswerコマンドを受け付けませんでした。");
    startEngine();
    line->ring("0123");
    ASSERT_TRUE(waitForLine("PLAYING Reception0.wav"));
    EXPECT_EQ(prompts.shown().first().icon, PromptIcon::Critical);
    line->hangUp();
}

TEST_F(frmTapiTest, ARecordingCutOffByACrashBecomesAMessageAtTheNextStart)
{
    {
        WriteSetting(u"AnsweringMachine", u"MaxMessage", u"30");
        startEngine();
        callAndWaitForAnswer("555");
        ASSERT_TRUE(waitForLine("CAPTURING"));
        waitUntil([] { return false; }, 3500);
        // The program dies: nothing more is done for the call.
        line->disconnect(engine.get());
        engine.reset();
    }
    EXPECT_TRUE(messages().isEmpty());
    startEngine(false);
    ASSERT_EQ(messages().size(), 1);
    EXPECT_TRUE(messages().first().endsWith(",555.wav"));
    const Result<PcmSound> message = onlyMessage(messages());
    ASSERT_TRUE(message.ok());
    EXPECT_GE(message->bytes.size(), 16000);
    EXPECT_EQ(engine->messageCount(), 1);
}

TEST_F(frmTapiTest, CapturesAndTransmissionsSuspendTheFourTimers)
{
    startEngine();
    engine->Timer2.start();
    SuspendTapiTimers();
    for (QTimer* t : {&engine->Timer1, &engine->Timer2, &engine->tmrPlay, &engine->tmrUpdate})
        EXPECT_FALSE(t->isActive());
    ResumeTapiTimers();
    EXPECT_TRUE(engine->Timer1.isActive());
    EXPECT_TRUE(engine->Timer2.isActive());
    EXPECT_FALSE(engine->tmrPlay.isActive());
    EXPECT_FALSE(engine->tmrUpdate.isActive());
}
