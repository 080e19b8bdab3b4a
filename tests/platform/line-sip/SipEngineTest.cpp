#include "SipLine.h"

#include "BaresipCaller.h"
#include "DataFolder.h"
#include "EngineDialogue.h"
#include "InMemoryCatalogue.h"
#include "LearnedSignal.h"
#include "MainWindowLink.h"
#include "MessageHandOver.h"
#include "MessageStore.h"
#include "Settings.h"
#include "SipFreePort.h"
#include "SipRawPeer.h"
#include "TempHome.h"
#include "TestWav.h"
#include "VirtualModule.h"
#include "VirtualModuleTrace.h"
#include "WaitUntil.h"
#include "WavFile.h"
#include "frmTapi.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMap>
#include <QRegularExpression>

#include <QFile>
#include <cmath>

#include <gtest/gtest.h>

namespace {

struct MailRequests : MessageHandOver {
    QStringList paths;
    void messageKept(const QString& wavPath) override { paths << wavPath; }
};

// The pitch and length of the sound in 16-bit samples, from the zero crossings of its 20 ms
// windows that are not silent.
struct Tone {
    double hz = 0;
    double seconds = 0;
    double loudSeconds = 0;
};

Tone measure(const PcmSound& sound)
{
    constexpr int kWindow = 160;
    const int n = int(sound.bytes.size() / 2);
    const auto* s = reinterpret_cast<const qint16*>(sound.bytes.constData());
    int crossings = 0;
    int loudWindows = 0;
    for (int w = 0; w + kWindow <= n; w += kWindow) {
        double energy = 0;
        int windowCrossings = 0;
        for (int i = w; i < w + kWindow; ++i) {
            energy += double(s[i]) * s[i];
            if (i > w && (s[i - 1] < 0) != (s[i] < 0))
                ++windowCrossings;
        }
        if (energy / kWindow < 1000.0 * 1000.0)
            continue;
        ++loudWindows;
        crossings += windowCrossings;
    }
    const double rate = sound.format.samplesPerSecond;
    const double loud = loudWindows * kWindow / rate;
    return {loud > 0 ? crossings / 2.0 / loud : 0, n / rate, loud};
}

// An 8 kHz WAV of the given length with touch tones keyed at the given times (120 ms each, 120 ms
// apart): what a caller whose phone sends keys only in the voice channel says.
QByteArray dtmfWav(const QList<std::pair<double, QByteArray>>& keyed, double seconds)
{
    static const QMap<char, std::pair<int, int>> kTones{{'1', {697, 1209}}, {'2', {697, 1336}}, {'3', {697, 1477}},
                                                        {'4', {770, 1209}}, {'5', {770, 1336}}, {'6', {770, 1477}},
                                                        {'7', {852, 1209}}, {'8', {852, 1336}}, {'9', {852, 1477}},
                                                        {'*', {941, 1209}}, {'0', {941, 1336}}, {'#', {941, 1477}}};
    constexpr int kRate = 8000;
    QList<qint16> samples(int(seconds * kRate), 0);
    for (const auto& [at, keys] : keyed) {
        for (qsizetype k = 0; k < keys.size(); ++k) {
            const auto [low, high] = kTones.value(keys[k]);
            const int start = int((at + k * 0.24) * kRate);
            for (int i = 0; i < int(0.12 * kRate) && start + i < samples.size(); ++i)
                samples[start + i] =
                    qint16(8000 * (std::sin(2 * M_PI * low * i / kRate) + std::sin(2 * M_PI * high * i / kRate)));
        }
    }
    QByteArray pcm(reinterpret_cast<const char*>(samples.constData()), samples.size() * 2);
    return WavFile::header(WaveFormat::line(), quint32(pcm.size())) + pcm;
}

// A data folder with the SIP line as the engine's modem: NumRings 2, two-second messages, a
// greeting of 1 kHz, the operation password "99" and one learned signal 1-05; the engine with its
// dialogue on a SIP line that listens on a free loopback port.
class SipEngineTest : public ::testing::Test {
protected:
    SipEngineTest() : m_savedPort(qgetenv("TALVERO_PORT"))
    {
        qputenv("TALVERO_PORT", "sim");
        options.listenPort = freeUdpPort();
        options.ringMilliseconds = 300;
        WriteSetting(u"Tapi", u"Card", options.addressName());
        WriteSetting(u"Tapi", u"NumRings", u"2");
        WriteSetting(u"AnsweringMachine", u"MaxMessage", u"2");
        WriteSetting(u"Feature", u"AnsweringMachine", u"1");
        WriteSetting(u"Feature", u"IRRemote", u"1");
        WriteSetting(u"IRRemote", u"Pass", u"99");
        WriteSetting(u"PPort", u"Addr", u"378");
        writeFile(DataFolder::path(u"\\Ans\\Reception0.wav"), toneWav(0.6, 8000, 1, 16, 1000));
        for (const char* name : {"sys03", "sys05", "sys07", "sys08", "sys09"})
            writeToneWav(DataFolder::path(QString("\\Ans\\System\\%1.wav").arg(name)), 0.1);
        writeToneWav(DataFolder::path(u"\\Ans\\105.wav"), 0.1);
        const QString signal = DataFolder::path(u"\\Remote\\1-05");
        QDir().mkpath(DataFolder::path(u"\\Remote"));
        writeLearnedSignal(signal, kLearned);
        catalogue.load({{"1", "テレビ", "05", "電源", signal}});
        VirtualModule::instance().setTraceFile(trace);
        writeToneWav(voice, 30);

        engine = std::make_unique<frmTapi>([this] {
            auto sip = std::make_unique<SipLine>(options);
            line = sip.get();
            QObject::connect(line, &SipLine::monitor, [this](const QString& m) { told << m; });
            return sip;
        });
        engine->setHandOver(&mail);
        dialogue = std::make_unique<EngineDialogue>(*engine, catalogue);
        engine->InitTAPI();
        engine->Tapi_On();
    }

    ~SipEngineTest() override
    {
        dialogue.reset();
        engine.reset();
        VirtualModule::instance().setTraceFile({});
        qputenv("TALVERO_PORT", m_savedPort);
    }

    // A greeting long enough to hang up or key a password in while it plays.
    static void writeLongGreeting()
    {
        writeFile(DataFolder::path(u"\\Ans\\Reception0.wav"), toneWav(8, 8000, 1, 16, 1000));
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    std::unique_ptr<BaresipCaller> dialIn(const QString& codec = QStringLiteral("PCMU"))
    {
        BaresipCaller::Options from;
        from.display = QStringLiteral("Hanako");
        from.codec = codec;
        from.voiceWav = voice;
        auto caller = std::make_unique<BaresipCaller>(from);
        if (!caller->start())
            return nullptr;
        caller->dial(QStringLiteral("sip:talvero@127.0.0.1:%1").arg(options.listenPort));
        return caller;
    }
    void press(BaresipCaller& caller, const QString& keys)
    {
        for (QChar k : keys) {
            const qsizetype before = told.filter("KEY").size();
            caller.press(k);
            ASSERT_TRUE(waitUntil([&] { return told.filter("KEY").size() > before; })) << told.join('\n').toStdString();
        }
    }
    bool waitFor(const QString& prefix, int timeoutMs = 15000)
    {
        return waitUntil([&] { return saw(prefix); }, timeoutMs);
    }
    bool saw(const QString& prefix) const
    {
        return std::any_of(told.begin(), told.end(), [&](const QString& m) { return m.startsWith(prefix); });
    }
    QString callLog() const
    {
        QFile log(DataFolder::path(u"\\Phone.log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
    std::vector<SeenFrame> framesSent() const { return VirtualModuleTrace::framesIn(trace); }
    std::string story() const { return told.join('\n').toStdString(); }

    TempHome home;
    const QString trace = home.file("port.trace");
    const QString voice = home.file("caller.wav");
    SipOptions options;
    InMemoryCatalogue catalogue;
    MailRequests mail;
    SipLine* line = nullptr;
    QStringList told;
    std::unique_ptr<frmTapi> engine;
    std::unique_ptr<EngineDialogue> dialogue;

private:
    QByteArray m_savedPort;
};

class SipEngineCodecTest : public SipEngineTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(SipEngineCodecTest, ACallerIsAnsweredAfterTheRingsAndLeavesTheirToneAsAMessage)
{
    ASSERT_TRUE(engine->lineOn());
    const auto caller = dialIn(GetParam());
    ASSERT_TRUE(caller);
    ASSERT_TRUE(waitFor("ANSWERED")) << story();
    EXPECT_LT(told.indexOf("RINGING 1 2"), told.indexOf("ANSWERED 1")) << story();
    EXPECT_FALSE(saw("RINGING 1 3")) << story();
    ASSERT_TRUE(waitFor("DISCONNECTED 1", 20000)) << story();
    ASSERT_TRUE(waitUntil([&] { return !mail.paths.isEmpty(); }));

    const QStringList messages = MessageStore::GetMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().endsWith(",0312345678.wav")) << messages.first().toStdString();
    const Result<PcmSound> message = WavFile::read(MessageStore::folder() + u'/' + messages.first());
    ASSERT_TRUE(message.ok()) << message.error().toStdString();
    EXPECT_EQ(message->format, WaveFormat::line());
    const Tone tone = measure(*message);
    EXPECT_DOUBLE_EQ(tone.seconds, 2.0);
    EXPECT_GT(tone.loudSeconds, 1.8);
    EXPECT_NEAR(tone.hz, 440, 10);
    EXPECT_TRUE(callLog().contains(" - 0312345678 から着信しました")) << callLog().toStdString();
    EXPECT_EQ(mail.paths.first(), MessageStore::folder() + u'/' + messages.first());
    EXPECT_TRUE(saw("TONE 1 *"));
    EXPECT_TRUE(saw(QStringLiteral("MEDIA 1 "))) << story();
    EXPECT_TRUE(told.filter("MEDIA 1").first().endsWith(GetParam()));

    // What the caller heard: the 1 kHz greeting. baresip completes the file when its call has ended.
    Tone greeting;
    waitUntil([&] {
        const Result<PcmSound> heard = WavFile::read(caller->heardWav());
        greeting = heard ? measure({WaveFormat::line(), WavFile::toLineSamples(*heard)}) : Tone();
        return greeting.loudSeconds > 0.5;
    });
    EXPECT_GT(greeting.loudSeconds, 0.5);
    EXPECT_NEAR(greeting.hz, 1000, 25);
}

INSTANTIATE_TEST_SUITE_P(Codecs, SipEngineCodecTest, ::testing::Values("PCMU", "PCMA"));

TEST_F(SipEngineTest, AKeyedChoiceIsSentThroughTheIrModuleAfterTheCall)
{
    writeLongGreeting();
    const auto caller = dialIn();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(waitFor("ANSWERED")) << story();
    ASSERT_TRUE(waitUntil([&] { return caller->said("Call established"); }));
    press(*caller, "99");
    ASSERT_TRUE(waitFor("PLAYED sys03.wav")) << story();
    press(*caller, "105");
    ASSERT_TRUE(waitFor("PLAYED sys07.wav")) << story();
    EXPECT_TRUE(framesSent().empty());
    caller->hangUp();
    ASSERT_TRUE(waitUntil([&] { return callLog().contains("を操作しました"); })) << story();
    EXPECT_TRUE(callLog().contains(" - 機器番号:1 リモコンボタン番号:05　を操作しました"));
    const std::vector<SeenFrame> frames = framesSent();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].frame, kLearned);
    EXPECT_TRUE(engine->lineOn());
    EXPECT_TRUE(MessageStore::GetMessages().isEmpty());
}

TEST_F(SipEngineTest, ACallerWhoHangsUpBeforeTheAnswerLeavesNothingAndTheNextIsAnswered)
{
    WriteSetting(u"Tapi", u"NumRings", u"20");
    engine->Tapi_On();
    {
        const auto early = dialIn();
        ASSERT_TRUE(early);
        ASSERT_TRUE(waitFor("RINGING 1 1")) << story();
        early->hangUp();
        ASSERT_TRUE(waitFor("DISCONNECTED 1 CANCEL")) << story();
    }
    EXPECT_FALSE(saw("ANSWERED"));
    EXPECT_FALSE(callLog().contains("から着信しました"));
    EXPECT_TRUE(MessageStore::GetMessages().isEmpty());

    WriteSetting(u"Tapi", u"NumRings", u"1");
    engine->Tapi_On();
    const auto next = dialIn();
    ASSERT_TRUE(next);
    EXPECT_TRUE(waitFor("ANSWERED 2")) << story();
}

TEST_F(SipEngineTest, ACallerWhoHangsUpDuringTheGreetingLeavesNoMessage)
{
    writeLongGreeting();
    const auto caller = dialIn();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(waitFor("PLAYING Reception0.wav")) << story();
    ASSERT_TRUE(waitUntil([&] { return caller->said("Call established"); }));
    caller->hangUp();
    ASSERT_TRUE(waitFor("DISCONNECTED 1 BYE")) << story();
    EXPECT_FALSE(saw("CAPTURING"));
    EXPECT_TRUE(callLog().contains(" - 0312345678 から着信しました"));
    EXPECT_TRUE(MessageStore::GetMessages().isEmpty());
    EXPECT_TRUE(waitUntil([&] { return engine->currentCall() == nullptr; }));
}

TEST_F(SipEngineTest, ASecondCallerHearsBusyAndTheFirstKeepsTheirMessage)
{
    WriteSetting(u"AnsweringMachine", u"MaxMessage", u"20");
    engine->Tapi_On();
    const auto caller = dialIn();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(waitFor("CAPTURING")) << story();
    SipRawPeer second;
    second.invite(options.listenPort, "\"Second\"", "0999", SipRawPeer::offer());
    ASSERT_TRUE(second.waitForStatus(486)) << second.received().constData();
    EXPECT_TRUE(waitFor("DISCONNECTED 2 REJECTED")) << story();

    QElapsedTimer recording;
    recording.start();
    waitUntil([&] { return recording.elapsed() > 2600; }, 5000); // let more than two seconds of message pass
    ASSERT_TRUE(caller->said("Call established"));
    caller->hangUp();
    ASSERT_TRUE(waitFor("DISCONNECTED 1 BYE")) << story();
    ASSERT_TRUE(waitUntil([&] { return !mail.paths.isEmpty(); }));
    const QStringList messages = MessageStore::GetMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.first().endsWith(",0312345678.wav"));
    const Result<PcmSound> message = WavFile::read(MessageStore::folder() + u'/' + messages.first());
    ASSERT_TRUE(message.ok());
    const Tone tone = measure(*message);
    EXPECT_GE(tone.seconds, 1.0); // whole seconds of sound, less the one skipped at the start
    EXPECT_DOUBLE_EQ(tone.seconds, std::floor(tone.seconds));
    EXPECT_NEAR(tone.hz, 440, 10);
    EXPECT_FALSE(callLog().contains("0999"));
}

TEST_F(SipEngineTest, APasswordKeyedAsInBandTonesOpensRemoteOperation)
{
    writeLongGreeting();
    writeFile(voice, dtmfWav({{0.5, "99"}, {1.5, "105"}}, 20));
    const auto caller = dialIn();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(waitFor("PLAYED sys07.wav")) << story();
    EXPECT_EQ(told.filter(QRegularExpression("^KEY 1 . inband$")).size(), 5) << story();
    ASSERT_TRUE(waitUntil([&] { return caller->said("Call established"); }));
    caller->hangUp();
    // The operation queued by tones is run like any other (what reaches the IR module is checked above).
    ASSERT_TRUE(waitUntil([&] { return callLog().contains("を操作しました"); })) << story();
    EXPECT_TRUE(callLog().contains(" - 機器番号:1 リモコンボタン番号:05　を操作しました"));
}

} // namespace
