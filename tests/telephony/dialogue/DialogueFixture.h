#pragma once

#include "DtmfDialogue.h"
#include "InMemoryCatalogue.h"
#include "TempHome.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

// The engine, line, IR module and call log as one fake that writes what the dialogue asks of them
// into a trace, with paths relative to the data folder ("play Ans/System/sys01.wav").
class FakeDialoguePorts : public DialoguePrompts, public DialogueCall, public SignalSender, public DialogueLog {
public:
    QStringList trace;
    QString status;
    bool sendSucceeds = true;

    // The sequence that is playing and the mode whose inputs end it.
    int sequenceMode = 0;
    QList<Step> sequence;

    // Every sound of the running sequence plays to its end (actions run on the way).
    void finishSequence();
    // The sounds of the running sequence up to the count-th play to their end; the next one is playing.
    void playSounds(int count);

    void playSequence(int mode, QList<Step> steps) override;
    void playAndGoOn(const QString& file) override;
    void interrupt(int mode) override;
    void setStatusText(const QString& text) override { status = text; }
    void generateDigits(const QString& digits) override;
    void HangUpCall() override;
    void pauseBeforeSignal() override { trace << "pause"; }
    void SuspendTapiTimers() override { trace << "suspend"; }
    bool SendSignal(const QString& signalFile) override;
    void ResumeTapiTimers() override { trace << "resume"; }
    void LogPlaybackMode() override { trace << "log playback mode"; }
    void LogOperation(int device, int button) override;
    void logOperationFailed(int device, int button) override;
    void logPasswordAttemptsExceeded() override { trace << "log password attempts exceeded"; }

private:
    bool runNextStep();
};

// A data folder with both passwords on ("1234" for playback, "99" for operation, Play "1", Skip
// "2"), a catalogue of three signals (1-05, 1-07, 0-00), and a dialogue in a call.
class DialogueTest : public ::testing::Test {
protected:
    DialogueTest();

    // Each character as a detected touch tone.
    void key(QStringView digits);
    // Keys, then the Timer2 tick that dispatches what they completed.
    void keyAndTick(QStringView digits);
    // The trace since the last call, cleared.
    QStringList takeTrace();
    void writeFile(const QString& relative, const QByteArray& bytes = "RIFF");

    TempHome home;
    FakeDialoguePorts ports;
    InMemoryCatalogue catalogue;
    std::unique_ptr<DtmfDialogue> dialogue;
};
