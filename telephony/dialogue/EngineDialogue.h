#pragma once

#include "DtmfDialogue.h"
#include "RemoteDialogue.h"

class frmTapi;

// The touch-tone dialogue joined to the telephony engine: its prompts become the engine's prompt
// sequences, the call is the engine's current call, signals go out through the IR module with the
// engine's four timers suspended, and its lines go into the call log.
class EngineDialogue : public RemoteDialogue,
                       private DialoguePrompts,
                       private DialogueCall,
                       private SignalSender,
                       private DialogueLog {
public:
    // Attaches itself to engine, which outlives it.
    EngineDialogue(frmTapi& engine, const InMemoryCatalogue& catalogue);
    ~EngineDialogue() override;

    void beginCall() override { m_dialogue.beginCall(); }
    void onDigitEvent(int digitValue) override { m_dialogue.onDigitEvent(digitValue); }
    void Timer2_Timer() override { m_dialogue.Timer2_Timer(); }
    bool hasOperations() const override { return m_dialogue.hasOperations(); }
    void RunOperations() override { m_dialogue.RunOperations(); }
    void ClearOperations() override { m_dialogue.ClearOperations(); }
    void endCall() override { m_dialogue.endCall(); }

    const DtmfDialogue& dialogue() const { return m_dialogue; }

private:
    void playSequence(int mode, QList<Step> steps) override;
    void playAndGoOn(const QString& file) override;
    void interrupt(int mode) override;

    void setStatusText(const QString& text) override;
    void generateDigits(const QString& digits) override;
    void HangUpCall() override;

    void pauseBeforeSignal() override;
    void SuspendTapiTimers() override;
    bool SendSignal(const QString& signalFile) override;
    void ResumeTapiTimers() override;

    void LogPlaybackMode() override;
    void LogOperation(int device, int button) override;
    void logOperationFailed(int device, int button) override;
    void logPasswordAttemptsExceeded() override;
    void log(const QString& line);

    frmTapi& m_engine;
    DtmfDialogue m_dialogue;
};
