#include "InstallSpeechEngine.h"

#include "ScriptedPrompt.h"
#include "Settings.h"
#include "TempHome.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

class RecordingRunner : public InstallStepRunner {
public:
    QStringList calls;
    void start(const QString& script) override { calls << "start " + script.section(u'/', -1); }
    void pause(int ms, bool letEventsRun) override
    {
        calls << QStringLiteral("pause %1%2").arg(ms).arg(letEventsRun ? " events" : "");
    }
    void waitForLastStep() override { calls << "wait"; }
};

QStringList stepsIn(const TempHome& home, bool withSecond = true)
{
    QStringList scripts;
    for (const char* name :
         {"1-speech-library.sh", "2-character.sh", "3-reading-dictionary.sh", "4-japanese-voice.sh"}) {
        scripts << home.file(name);
        if (withSecond || scripts.size() != 2) {
            QFile f(scripts.back());
            f.open(QIODevice::WriteOnly);
        }
    }
    return scripts;
}

} // namespace

TEST(InstallSpeechEngine, AsksThenRunsTheStepsInOrderWithPauses)
{
    const struct {
        InstallVariant variant;
        PromptAnswer answer;
        bool secondPresent;
        QStringList calls;
        QString install;
    } cases[] = {
        {InstallVariant::FirstStart,
         PromptAnswer::Yes,
         true,
         {"start 1-speech-library.sh", "pause 3000 events", "start 2-character.sh", "pause 3000 events",
          "start 3-reading-dictionary.sh", "pause 3000 events", "start 4-japanese-voice.sh", "wait"},
         "1"},
        {InstallVariant::FirstStart, PromptAnswer::No, true, {}, "1"},
        {InstallVariant::Menu,
         PromptAnswer::Yes,
         false,
         {"start 1-speech-library.sh", "pause 3000", "pause 3000", "start 3-reading-dictionary.sh", "pause 3000",
          "start 4-japanese-voice.sh"},
         ""},
        {InstallVariant::Menu, PromptAnswer::No, true, {}, ""},
    };
    for (const auto& c : cases) {
        TempHome home;
        ScriptedPrompt prompts;
        prompts.expect(QStringLiteral("インストールするには　はい　を押してください。"), c.answer);
        RecordingRunner runner;
        InstallSpeechEngine(c.variant, runner, stepsIn(home, c.secondPresent));
        EXPECT_EQ(runner.calls, c.calls);
        EXPECT_EQ(ReadSetting(u"TTS", u"Install"), c.install);
        ASSERT_EQ(prompts.shown().size(), 1);
        EXPECT_EQ(prompts.shown()[0].title, QStringLiteral("Morvane"));
        EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::YesNo);
    }
}

TEST(InstallSpeechEngine, TheQuestionsOfBothVariants)
{
    const QString common =
        QStringLiteral("\nもし、すでにMicrosoft "
                       "Agentがインストールされていて、日本語の音声合成が可能な環境でしたらこのインストールは必要"
                       "ありません。\nインストールするには　はい　を押してください。");
    EXPECT_EQ(installQuestion(InstallVariant::FirstStart),
              QStringLiteral(
                  "プログラムがはじめて起動されました。このプログラムに必要な音声合成エンジンをインストールします。") +
                  common);
    EXPECT_EQ(installQuestion(InstallVariant::Menu),
              QStringLiteral("このプログラムに必要な音声合成エンジンをインストールします。") + common);
}
