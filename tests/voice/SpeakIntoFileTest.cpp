#include "SpeakIntoFile.h"

#include "PcAudio.h"
#include "ScriptedPrompt.h"
#include "Speech.h"
#include "TempHome.h"
#include "WavFile.h"
#include "WaveDevice.h"

#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// A character that behaves as a test wants: plays a tone or nothing, completes or never does, or
// reports other requests first.
class ScriptedSpeech : public Speech {
public:
    bool playTone = true;
    bool completes = true;
    QString error;
    bool otherRequestFirst = false;

    Status load() override { return {}; }
    Result<quint64> speak(const QString&) override
    {
        const quint64 request = ++m_last;
        if (playTone) {
            auto output = waveAudio().openOutput(8000);
            const QList<int16_t> tone(4000, 6000);
            output.value()->write(tone.constData(), tone.size());
        }
        if (otherRequestFirst)
            QTimer::singleShot(0, this, [this, request] { emit requestComplete(request + 100, QString()); });
        if (completes)
            QTimer::singleShot(5, this, [this, request] { emit requestComplete(request, error); });
        return request;
    }

private:
    quint64 m_last = 0;
};

} // namespace

TEST(SpeakIntoFile, WaitsForItsOwnRequestAndRecordsTheSpeech)
{
    TempHome home;
    ScriptedSpeech character;
    character.otherRequestFirst = true;
    const QString target = home.file("Ans/305.wav");
    ASSERT_TRUE(speakIntoFile(character, QStringLiteral("テレビ,電源"), target));
    const Result<WavData> wav = readWav(target);
    ASSERT_TRUE(wav);
    EXPECT_NEAR(wav->seconds(), 0.5, 0.01) << "the whole speech and nothing of the other request";
}

TEST(SpeakIntoFile, WritesNoFileWhenTheSpeechFails)
{
    const struct {
        const char* name;
        bool playTone, completes;
        QString error;
        QString message;
    } cases[] = {
        {"never ends", true, false, {}, QStringLiteral("時間内に終わりませんでした")},
        {"output broke", true, true, QStringLiteral("no sound server"), QStringLiteral("no sound server")},
        {"silent", false, true, {}, QStringLiteral("無音")},
    };
    for (const auto& c : cases) {
        TempHome home;
        const QString target = home.file("Ans/305.wav");
        ScriptedSpeech character;
        character.playTone = c.playTone;
        character.completes = c.completes;
        character.error = c.error;
        ScriptedPrompt prompts;
        prompts.expect(c.message);
        EXPECT_FALSE(speakIntoFile(character, QStringLiteral("テレビ,電源"), target, 0, 200)) << c.name;
        EXPECT_FALSE(QFile::exists(target)) << c.name;
        EXPECT_FALSE(waveDeviceBusy()) << c.name;
    }
}

TEST(SpeakIntoFile, TheTimeLimitGrowsWithTheText)
{
    EXPECT_GT(speechTimeLimitMs(QString(100, u'あ')), speechTimeLimitMs(QStringLiteral("テレビ")));
    EXPECT_GE(speechTimeLimitMs(QString()), 5000);
}
