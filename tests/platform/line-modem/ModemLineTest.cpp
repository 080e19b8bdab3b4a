#include "ModemLineFixture.h"

#include "DleFraming.h"
#include "SampleCodec.h"
#include "UucpLock.h"
#include "WaitUntil.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

using ModemLineTest = ModemLineFixture;

namespace {

// Line samples whose coding in the given method holds DLE bytes, so that the stream must escape them.
QByteArray soundWithDles(SampleCoding coding, int samples)
{
    if (coding == SampleCoding::Linear16)
        return QByteArray(samples * 2, DleFraming::kDle);
    QByteArray coded;
    for (int i = 0; i < samples; ++i)
        coded.append(i % 3 == 0 ? DleFraming::kDle : char(0x20 + i % 64));
    return SampleCodec::toLinear16(coded, coding);
}

} // namespace

TEST_F(ModemLineTest, SetsTheModemUpForVoiceAndNamesTheAddressByItsIdentification)
{
    struct Case {
        const char* name;
        VoiceModemProfile profile;
        QString address;
        QString method;
    };
    const Case cases[] = {
        {"16-bit modem", VoiceModemProfile::fullRange(), "Talvero Labs VM-56 Voice", "AT+VSM=130,8000"},
        {"8-bit only, named by ATI3", VoiceModemProfile::eightBitOnly(), "Old8 Voice 33.6", "AT+VSM=1,8000"},
        {"u-law only, refuses flow control", VoiceModemProfile::muLawOnly(), "Talvero Labs VM-ULAW", "AT+VSM=4,8000"},
    };
    for (const Case& c : cases) {
        start(c.profile);
        EXPECT_EQ(line->addresses().first()->addressName(), c.address) << c.name;
        EXPECT_EQ(line->addresses().first()->serviceProviderName(), "talvmodem.tsp");
        for (const QString& command : {QString("AT+FCLASS=8"), QString("AT+VCID=1"), QString("AT+IFC=2,2"), c.method})
            EXPECT_TRUE(modemSaid(command)) << c.name << " " << command.toStdString();
        const QString lock = QDir(lockDir).filePath(UucpLock::fileName(modem->devicePath()));
        EXPECT_TRUE(QFile::exists(lock)) << c.name;
        EXPECT_EQ(line->legacyDeviceId(0, "wave/in").id, ModemLine::kLegacyDeviceId);
        line->shutdown();
        EXPECT_FALSE(QFile::exists(lock)) << "the lock goes with the line";
    }
}

TEST_F(ModemLineTest, AModemLeftRecordingIsBroughtBackToCommandsBeforeTheSetUp)
{
    modem = std::make_unique<VoiceModemDouble>();
    modem->leaveRecording();
    line = std::make_unique<ModemLine>(options());
    const Status ready = line->initialize();
    ASSERT_TRUE(ready.ok()) << ready.error().toStdString();
    EXPECT_FALSE(modem->receiving());
    EXPECT_EQ(modem->receptions(), 1);
    EXPECT_FALSE(modem->offHook()) << "the set-up puts the modem on hook";
    EXPECT_EQ(line->addresses().first()->addressName(), "Talvero Labs VM-56 Voice");
}

TEST_F(ModemLineTest, ADeviceLockedByARunningProgramIsLeftAlone)
{
    modem = std::make_unique<VoiceModemDouble>();
    const QString lock = QDir(lockDir).filePath(UucpLock::fileName(modem->devicePath()));
    QFile f(lock);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("         1\n");
    f.close();
    line = std::make_unique<ModemLine>(options());
    const Status ready = line->initialize();
    EXPECT_FALSE(ready.ok());
    EXPECT_TRUE(ready.error().contains("in use"));
    EXPECT_TRUE(line->addresses().isEmpty());
    EXPECT_TRUE(modem->commands().isEmpty());
    ASSERT_FALSE(status.texts.isEmpty());
    EXPECT_TRUE(status.texts.last().startsWith(ModemLine::kUnusable));
}

TEST_F(ModemLineTest, RingsAndCallerIdBecomeAnOfferedCall)
{
    struct Case {
        const char* name;
        std::optional<VoiceModemDouble::CallerId> id;
        int idAfterRing;
        std::optional<QString> number;
        std::optional<QString> callerName;
    };
    const Case cases[] = {
        {"caller id after the first ring", VoiceModemDouble::CallerId{.number = "0312345678", .name = "TARO"}, 1,
         "0312345678", "TARO"},
        {"caller id after the second ring", VoiceModemDouble::CallerId{.number = "0451"}, 2, "0451", std::nullopt},
        {"no caller id", std::nullopt, 1, std::nullopt, std::nullopt},
        {"withheld number", VoiceModemDouble::CallerId{.number = "P"}, 1, std::nullopt, std::nullopt},
        {"hostile number", VoiceModemDouble::CallerId{.number = "03\x1b[1m99/../x"}, 1, "03[1m99/../x", std::nullopt},
    };
    for (const Case& c : cases) {
        start();
        modem->ring(3, 100, c.id, c.idAfterRing);
        ASSERT_TRUE(waitUntil([&] { return count(TE_ADDRESS) == 3; })) << c.name;
        EXPECT_EQ(count(TE_CALLNOTIFICATION), 1) << c.name;
        const std::shared_ptr<LineCall> call = lastCall();
        ASSERT_TRUE(call);
        EXPECT_EQ(call->state(), CS_OFFERING);
        EXPECT_EQ(call->callerIdNumber(), c.number) << c.name;
        EXPECT_EQ(call->callerIdName(), c.callerName) << c.name;
        EXPECT_EQ(line->addresses().first()->calls().size(), 1);
        // The rings stop without an answer: the caller hung up.
        ASSERT_TRUE(waitUntil([&] { return sawState(CS_DISCONNECTED); })) << c.name;
        EXPECT_TRUE(line->addresses().first()->calls().isEmpty());
        EXPECT_FALSE(modem->offHook());
    }
}

TEST_F(ModemLineTest, AnAnsweredCallPassesKeysWhileDetectionIsOnAndTonesGoOut)
{
    start();
    const std::shared_ptr<LineCall> call = answeredCall();
    ASSERT_TRUE(call);
    EXPECT_TRUE(modem->offHook());
    EXPECT_EQ(modem->ringsSent(), 1);
    ASSERT_TRUE(call->detectDigits(LINEDIGITMODE_DTMF).ok());
    modem->pressKeys("1*#");
    ASSERT_TRUE(waitUntil([&] { return count(TE_DIGITEVENT) == 3; }));
    QString keys;
    for (const LineEvent& e : events) {
        if (e.kind == TE_DIGITEVENT)
            keys += QChar(e.digit);
    }
    EXPECT_EQ(keys, "1*#");
    ASSERT_TRUE(call->detectDigits(LINEDIGITMODE_OFF).ok());
    ASSERT_TRUE(call->generateDigits("*5", LINEDIGITMODE_DTMF).ok());
    EXPECT_FALSE(call->generateDigits("x", LINEDIGITMODE_DTMF).ok());
    modem->pressKeys("2");
    ASSERT_TRUE(waitUntil([&] { return modemSaid("AT+VTS=*,5"); }));
    EXPECT_EQ(count(TE_DIGITEVENT), 3) << "keys are not passed on while detection is off";
    call->disconnect(DC_NORMAL);
    ASSERT_TRUE(waitUntil([&] { return !modem->offHook(); }));
    EXPECT_TRUE(sawState(CS_DISCONNECTED));
}

TEST_F(ModemLineTest, BusyToneSilenceAndLoopBreakEndTheCall)
{
    for (char hangUp : {'b', 's', 'q', 'l', 'd'}) {
        start();
        const std::shared_ptr<LineCall> call = answeredCall();
        ASSERT_TRUE(call) << hangUp;
        modem->sendEvent(hangUp);
        ASSERT_TRUE(waitUntil([&] { return sawState(CS_DISCONNECTED); })) << hangUp;
        EXPECT_EQ(call->state(), CS_DISCONNECTED);
        ASSERT_TRUE(waitUntil([&] { return !modem->offHook(); })) << "the modem hangs up by itself: " << hangUp;
    }
}

TEST_F(ModemLineTest, PlaybackStreamsTheSoundWithEveryDleEscaped)
{
    for (const VoiceModemProfile& profile :
         {VoiceModemProfile::fullRange(), VoiceModemProfile::eightBitOnly(), VoiceModemProfile::muLawOnly()}) {
        start(profile);
        ASSERT_TRUE(answeredCall());
        const SampleCoding coding = modem->selectedMethod()->coding;
        Result<std::unique_ptr<LinePlayback>> playback =
            line->audio().openPlayback(line->audio().playbackDevices().first().guid);
        ASSERT_TRUE(playback.ok());
        const QByteArray sound = soundWithDles(coding, 1600); // 0.2 s
        ASSERT_TRUE(playback.value()->load(sound, "dles.wav"));
        playback.value()->play();
        EXPECT_TRUE(playback.value()->isPlaying());
        ASSERT_TRUE(waitUntil([&] { return !playback.value()->isPlaying(); }));
        ASSERT_TRUE(waitUntil([&] { return modem->transmissions() == 1; }));
        EXPECT_EQ(modem->transmitted(), SampleCodec::fromLinear16(sound, coding)) << int(coding);
        EXPECT_GT(modem->escapedDles(), 0);
        EXPECT_EQ(modem->strayDleCodes(), 0);
    }
}

TEST_F(ModemLineTest, StoppingAPlaybackEndsTheTransmissionAtOnce)
{
    start();
    ASSERT_TRUE(answeredCall());
    Result<std::unique_ptr<LinePlayback>> playback = line->audio().openPlayback({});
    ASSERT_TRUE(playback.ok());
    ASSERT_TRUE(playback.value()->load(QByteArray(16000 * 10, '\0'), "long.wav"));
    playback.value()->play();
    ASSERT_TRUE(waitUntil([&] { return modem->transmitting(); }));
    playback.value()->stop();
    ASSERT_TRUE(waitUntil([&] { return modem->transmissions() == 1; }));
    EXPECT_LT(modem->transmitted().size(), 16000 * 2);
    ASSERT_TRUE(waitUntil([&] { return !playback.value()->isPlaying(); }));
}

TEST_F(ModemLineTest, CaptureFillsTheBufferWithTheCallersVoiceAndNotifiesEachHalf)
{
    for (const VoiceModemProfile& profile : {VoiceModemProfile::fullRange(), VoiceModemProfile::muLawOnly()}) {
        start(profile);
        ASSERT_TRUE(answeredCall());
        modem->setCallerVoice(soundWithDles(modem->selectedMethod()->coding, 8000));
        Result<std::unique_ptr<LineCapture>> opened =
            line->audio().openCapture(line->audio().captureDevices().first().guid);
        ASSERT_TRUE(opened.ok());
        LineCapture& capture = *opened.value();
        ASSERT_TRUE(capture.createBuffer(WaveFormat::line(), 3200).ok()); // 0.1 s halves
        capture.setNotificationPositions({0, 1600});
        QList<int> notified;
        QByteArray firstHalf;
        QObject::connect(&capture, &LineCapture::notified, [&](int i) {
            if (notified.isEmpty())
                firstHalf = capture.read(0, 1600);
            notified << i;
        });
        capture.start();
        ASSERT_TRUE(waitUntil([&] { return notified.size() >= 3; }));
        EXPECT_EQ(notified.mid(0, 3), (QList<int>{1, 0, 1}));
        const QByteArray heard = SampleCodec::toLinear16(modem->voiceSent(), modem->selectedMethod()->coding);
        EXPECT_EQ(firstHalf, heard.left(1600)) << "the voice arrives unchanged, DLEs and all";
        capture.stop();
        ASSERT_TRUE(waitUntil([&] { return modem->receptions() == 1 && !modem->receiving(); }));
    }
}

TEST_F(ModemLineTest, APulledModemEndsTheCallIsReportedAndComesBack)
{
    start();
    const std::shared_ptr<LineCall> call = answeredCall();
    ASSERT_TRUE(call);
    line->showStatus("待機中");
    modem->unplug();
    ASSERT_TRUE(waitUntil([&] { return sawState(CS_DISCONNECTED); }));
    EXPECT_EQ(call->state(), CS_DISCONNECTED);
    EXPECT_FALSE(line->problem().isEmpty());
    ASSERT_FALSE(status.texts.isEmpty());
    EXPECT_TRUE(status.texts.last().startsWith(ModemLine::kUnusable));
    EXPECT_FALSE(line->audio().openPlayback({}).ok());
    line->showStatus("切断されました");
    EXPECT_TRUE(status.texts.last().startsWith(ModemLine::kUnusable)) << "the report stays in view";

    modem->plugIn();
    ASSERT_TRUE(waitUntil([&] { return line->problem().isEmpty(); }));
    EXPECT_EQ(status.texts.last(), "切断されました");
    events.clear();
    EXPECT_TRUE(answeredCall()) << "the line works again";
}

TEST_F(ModemLineTest, AModemThatStopsAnsweringIsResetAndReportedUntilItAnswersAgain)
{
    start();
    const std::shared_ptr<LineCall> call = answeredCall();
    ASSERT_TRUE(call);
    modem->setMute(true);
    ASSERT_TRUE(call->generateDigits("*", LINEDIGITMODE_DTMF).ok());
    ASSERT_TRUE(waitUntil([&] { return !line->problem().isEmpty(); }));
    EXPECT_TRUE(status.texts.last().startsWith(ModemLine::kUnusable));
    ASSERT_TRUE(waitUntil([&] { return sawState(CS_DISCONNECTED); }));
    EXPECT_FALSE(call->answer().ok());

    modem->setMute(false);
    ASSERT_TRUE(waitUntil([&] { return line->problem().isEmpty(); }));
    EXPECT_TRUE(line->session().isUsable());
}
