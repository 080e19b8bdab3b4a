#pragma once

#include <QString>
#include <QStringList>

// Installing the speech components: four steps, each a shipped script that checks its component
// (the speech library, the character, the Japanese reading dictionary, the Japanese voice) and
// installs what is missing with the system's package tool.

enum class InstallVariant {
    FirstStart, // asked at start while [TTS] Install is empty; waits for the last step; writes it "1"
    Menu,       // the menu command; returns once the last step has started
};

// How the steps are run; tests put in their own.
class InstallStepRunner {
public:
    virtual ~InstallStepRunner() = default;
    virtual void start(const QString& script) = 0;
    virtual void pause(int ms, bool letEventsRun) = 0;
    // Waits, letting window events run, until the step started last has ended.
    virtual void waitForLastStep() = 0;
};

// The four scripts in the order they run.
QStringList installStepScripts();

void InstallSpeechEngine(InstallVariant variant);
void InstallSpeechEngine(InstallVariant variant, InstallStepRunner& runner, const QStringList& scripts);

QString installQuestion(InstallVariant variant);
