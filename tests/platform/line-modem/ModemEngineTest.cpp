#include "DataFolder.h"
#include "DleFraming.h"
#include "EngineDialogue.h"
#include "InMemoryCatalogue.h"
#include "MessageStore.h"
#include "ModemLineFixture.h"
#include "SampleCodec.h"
#include "Settings.h"
#include "TestWav.h"
#include "WaitUntil.h"
#include "WavFile.h"
#include "frmTapi.h"

#include <QDir>

namespace {

// The telephony engine with its dialogue answering on the modem line: two rings before the
// answer, one-second messages, the answering machine and both passwords on, short greetings.
class ModemEngineTest : public ModemLineFixture {
protected:
    ModemEngineTest()
    {
        modem = std::make_unique<VoiceModemDouble>();
        WriteSetting(u"Tapi", u"Card", u"Talvero Labs VM-56 Voice");
        WriteSetting(u"Tapi", u"NumRings", u"2");
        WriteSetting(u"AnsweringMachine", u"MaxMessage", u"1");
        WriteSetting(u"Feature", u"AnsweringMachine", u"1");
        WriteSetting(u"Feature", u"IRRemote", u"1");
        WriteSetting(u"IRRemote", u"Pass", u"99");
        writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 0.3, 22050);
        writeToneWav(DataFolder::path(u"\\Ans\\Reception1.wav"), 0.2);
        for (const char* name : {"sys03", "sys05", "sys07", "sys08", "sys09"})
            writeToneWav(DataFolder::path(QString("\\Ans\\System\\%1.wav").arg(name)), 0.05);
        engine = std::make_unique<frmTapi>([this] { return std::make_unique<ModemLine>(options()); });
        dialogue = std::make_unique<EngineDialogue>(*engine, catalogue);
        engine->InitTAPI();
        engine->Tapi_On();
    }
    ~ModemEngineTest() override
    {
        dialogue.reset();
        engine.reset();
    }

    // The greetings as the modem must have received them.
    QByteArray greetingsCoded() const
    {
        QByteArray line;
        for (const char16_t* name : {u"\\Ans\\Reception0.wav", u"\\Ans\\Reception1.wav"})
            line += WavFile::toLineSamples(*WavFile::read(DataFolder::path(name)));
        return SampleCodec::fromLinear16(line, modem->selectedMethod()->coding);
    }
    QStringList messages() const { return MessageStore::GetMessages(); }

    InMemoryCatalogue catalogue;
    std::unique_ptr<frmTapi> engine;
    std::unique_ptr<EngineDialogue> dialogue;
};

QByteArray toneWithDles(int samples)
{
    QByteArray out;
    for (int i = 0; i < samples; ++i) {
        const qint16 s = qint16(i % 4 == 0 ? 0x1010 : (i % 50) * 300);
        out.append(char(s & 0xff));
        out.append(char(s >> 8));
    }
    return out;
}

} // namespace

TEST_F(ModemEngineTest, AnswersAfterTheRingsStreamsTheGreetingsAndRecordsTheMessage)
{
    ASSERT_TRUE(engine->lineOn());
    ASSERT_EQ(engine->statusText(), frmTapi::kWaiting);
    EXPECT_FALSE(engine->waveOutGuid().isEmpty());
    modem->setCallerVoice(toneWithDles(8000 * 4));
    modem->ring(6, 150, VoiceModemDouble::CallerId{.number = "0312345678", .name = "TARO"});
    ASSERT_TRUE(waitUntil([&] { return modem->offHook(); }));
    EXPECT_EQ(modem->ringsSent(), 2);
    EXPECT_EQ(engine->lblNumber(), "0312345678");
    ASSERT_TRUE(waitUntil([&] { return modem->receiving(); }));
    EXPECT_EQ(modem->transmitted(), greetingsCoded()) << "both greetings, whole and in order";
    EXPECT_GT(modem->escapedDles(), 0);
    EXPECT_EQ(modem->strayDleCodes(), 0);
    EXPECT_TRUE(modemSaid("AT+VTS=*")) << "the beep";
    EXPECT_EQ(engine->statusText(), frmTapi::kRecording);

    // MaxMessage 1: the first second is skipped, the second kept, then the engine hangs up.
    ASSERT_TRUE(waitUntil([&] { return messages().size() == 1; }));
    ASSERT_TRUE(waitUntil([&] { return !modem->offHook(); }));
    EXPECT_TRUE(messages().first().endsWith(",0312345678.wav"));
    const Result<PcmSound> message = WavFile::read(QDir(MessageStore::folder()).filePath(messages().first()));
    ASSERT_TRUE(message.ok());
    EXPECT_EQ(message->format, WaveFormat::line());
    const QByteArray heard = SampleCodec::toLinear16(modem->voiceSent(), modem->selectedMethod()->coding);
    EXPECT_EQ(message->bytes, heard.mid(16000, 16000));
}

TEST_F(ModemEngineTest, BusyToneOrSilenceDuringTheRecordingKeepsTheMessage)
{
    modem->setCallerVoice(toneWithDles(8000 * 30));
    WriteSetting(u"AnsweringMachine", u"MaxMessage", u"30");
    engine->Tapi_On();
    const char hangUps[] = {'b', 's'};
    for (int call = 0; call < 2; ++call) { // two calls in a row, on one engine
        modem->ring(6, 150, VoiceModemDouble::CallerId{.number = QString("045%1").arg(call)});
        ASSERT_TRUE(waitUntil([&] { return modem->receiving(); }));
        const qsizetype before = modem->voiceSent().size();
        ASSERT_TRUE(waitUntil([&] { return modem->voiceSent().size() > before + 16000 * 2 + 4000; }));
        modem->sendEvent(hangUps[call]);
        ASSERT_TRUE(waitUntil([&] { return messages().size() == call + 1; })) << hangUps[call];
        ASSERT_TRUE(waitUntil([&] { return !modem->offHook(); }));
        const QString name = messages().filter(QString(",045%1.wav").arg(call)).value(0);
        const Result<PcmSound> message = WavFile::read(QDir(MessageStore::folder()).filePath(name));
        ASSERT_TRUE(message.ok()) << hangUps[call];
        EXPECT_GE(message->bytes.size(), 16000) << "the completed second after the skipped one";
        EXPECT_EQ(engine->statusText(), frmTapi::kDisconnected);
    }
}

TEST_F(ModemEngineTest, KeysFromTheModemReachTheDialogue)
{
    writeToneWav(DataFolder::path(u"\\Ans\\Reception0.wav"), 5);
    modem->ring(6, 150);
    ASSERT_TRUE(waitUntil([&] { return modem->transmitting(); }));
    modem->pressKeys("99");
    ASSERT_TRUE(waitUntil([&] { return dialogue->dialogue().DialogueMode() == DtmfDialogue::DeviceDigit; }));
    ASSERT_TRUE(waitUntil([&] { return modem->transmissions() >= 2; })) << "the greeting was cut and sys03 played";
    EXPECT_FALSE(modem->receiving()) << "no message is recorded";
    modem->sendEvent('l');
    ASSERT_TRUE(waitUntil([&] { return !modem->offHook(); }));
    EXPECT_TRUE(messages().isEmpty());
}

TEST_F(ModemEngineTest, APulledModemIsReportedAndTheNextCallIsAnsweredAfterItComesBack)
{
    modem->ring(6, 150);
    ASSERT_TRUE(waitUntil([&] { return modem->receiving(); }));
    modem->unplug();
    ASSERT_TRUE(waitUntil([&] { return engine->currentCall() == nullptr; }));
    ASSERT_TRUE(waitUntil([&] { return status.texts.last().startsWith(ModemLine::kUnusable); }));
    EXPECT_TRUE(engine->lineOn()) << "the program keeps running with the line on";

    modem->plugIn();
    ASSERT_TRUE(waitUntil([&] { return !status.texts.last().startsWith(ModemLine::kUnusable); }));
    modem->ring(6, 150);
    ASSERT_TRUE(waitUntil([&] { return modem->offHook(); }));
}
