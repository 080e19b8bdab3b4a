#include "InstallSpeechEngine.h"

#include "DataFolder.h"
#include "Prompt.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <signal.h>

namespace {

constexpr int kPauseMs = 3000;

const char* const kStepNames[] = {"1-speech-library.sh", "2-character.sh", "3-reading-dictionary.sh",
                                  "4-japanese-voice.sh"};

// Runs each script with the shell as a process of its own, which goes on when the program ends.
class ProcessStepRunner : public InstallStepRunner {
public:
    void start(const QString& script) override
    {
        m_last = 0;
        QProcess::startDetached(QStringLiteral("/bin/sh"), {script}, QString(), &m_last);
    }
    void pause(int ms, bool letEventsRun) override
    {
        if (!letEventsRun) {
            QThread::msleep(ulong(ms));
            return;
        }
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    void waitForLastStep() override
    {
        while (m_last > 0 && ::kill(pid_t(m_last), 0) == 0) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
    }

private:
    qint64 m_last = 0;
};

} // namespace

QStringList installStepScripts()
{
    const QString dir =
        DataFolder::shippedDataDir(QCoreApplication::applicationDirPath()) + QStringLiteral("/install/");
    QStringList scripts;
    for (const char* name : kStepNames)
        scripts << dir + QString::fromLatin1(name);
    return scripts;
}

QString installQuestion(InstallVariant variant)
{
    const QString first =
        variant == InstallVariant::FirstStart
            ? QStringLiteral("プログラムがはじめて起動されました。このプログラムに必要な音声合成エンジンを"
                             "インストールします。")
            : QStringLiteral("このプログラムに必要な音声合成エンジンをインストールします。");
    return first + QStringLiteral(
                       "\nもし、すでにMicrosoft Agentがインストールされていて、日本語の音声合成が可能な環境でしたらこの"
                       "インストールは必要ありません。\nインストールするには　はい　を押してください。");
}

void InstallSpeechEngine(InstallVariant variant, InstallStepRunner& runner, const QStringList& scripts)
{
    const bool firstStart = variant == InstallVariant::FirstStart;
    if (Prompts::question(installQuestion(variant))) {
        for (qsizetype i = 0; i < scripts.size(); ++i) {
            // A missing step is passed over without a word, as a declined one is.
            if (QFileInfo(scripts[i]).isFile())
                runner.start(scripts[i]);
            if (i + 1 < scripts.size())
                runner.pause(kPauseMs, firstStart);
        }
        if (firstStart)
            runner.waitForLastStep();
    }
    if (firstStart)
        WriteSetting(u"TTS", u"Install", u"1");
}

void InstallSpeechEngine(InstallVariant variant)
{
    ProcessStepRunner runner;
    InstallSpeechEngine(variant, runner, installStepScripts());
}
