#include "SpokenLabel.h"

#include "Greetings.h"
#include "ScriptedPrompt.h"
#include "Settings.h"
#include "TempHome.h"
#include "WavFile.h"

#include <QFile>

#include <gtest/gtest.h>

// The real Japanese voice, recorded from the null device.

namespace {

double speechSeconds(const QString& path)
{
    const Result<WavData> wav = readWav(path);
    if (!wav || wav->format != (WavFormat{8000, 1, 16}) || measureLevel(wav->monoSamples()).rms < 500)
        return 0;
    return wav->seconds();
}

} // namespace

TEST(SpokenLabel, IsNamedAfterTheKeysAndSaysNameCommaDescription)
{
    TempHome home;
    EXPECT_EQ(spokenLabelPath(QStringLiteral("3"), QStringLiteral("05")), home.file("Ans/305.wav"));
    const struct {
        const char* name;
        const char* description;
        const char* spoken;
    } cases[] = {
        {"テレビ", "電源", "テレビ,電源"},
        {"テレビ", "", "テレビ,"},
        {"未登録", "入力切替", "未登録,入力切替"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(spokenLabelText(QString::fromUtf8(c.name), QString::fromUtf8(c.description)),
                  QString::fromUtf8(c.spoken));
}

TEST(SpokenLabel, RecordsTheCharacterSpeakingTheLabel)
{
    TempHome home;
    ASSERT_TRUE(
        MakeSpokenLabel(QStringLiteral("3"), QStringLiteral("05"), QStringLiteral("テレビ"), QStringLiteral("電源")));
    ASSERT_TRUE(MakeSpokenLabel(QStringLiteral("3"), QStringLiteral("06"), QStringLiteral("テレビ"),
                                QStringLiteral("チャンネルを一つ上げる")));
    const double shortLabel = speechSeconds(home.file("Ans/305.wav"));
    EXPECT_GT(shortLabel, 0.6);
    EXPECT_GT(speechSeconds(home.file("Ans/306.wav")), shortLabel + 0.5);
}

TEST(Greetings, RecordingOneReplacesOnlyItsFileAndText)
{
    TempHome home;
    EXPECT_EQ(greetingText(1), defaultGreetingText(1));
    ASSERT_TRUE(WriteSetting(u"Reception", u"Reception0", u"はい、もしもし"));
    QFile::remove(greetingPath(0));
    ASSERT_TRUE(RecordGreeting(1, QStringLiteral("ただいま留守にしております。")));
    EXPECT_GT(speechSeconds(greetingPath(1)), 1.0);
    EXPECT_EQ(ReadSetting(u"Reception", u"Reception1"), QStringLiteral("ただいま留守にしております。"));
    EXPECT_EQ(greetingText(0), QStringLiteral("はい、もしもし"));
    EXPECT_FALSE(QFile::exists(greetingPath(0)));
}
