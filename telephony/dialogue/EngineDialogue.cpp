#include "EngineDialogue.h"

#include "CallLog.h"
#include "frmTapi.h"
#include "modRemocon.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QThread>

EngineDialogue::EngineDialogue(frmTapi& engine, const InMemoryCatalogue& catalogue)
    : m_engine(engine), m_dialogue({*this, *this, *this, *this, catalogue})
{
    m_engine.setDialogue(this);
}

EngineDialogue::~EngineDialogue()
{
    m_engine.setDialogue(nullptr);
}

void EngineDialogue::playSequence(int mode, QList<Step> steps)
{
    QList<PromptSequence::Step> sequence;
    sequence.reserve(steps.size());
    for (Step& step : steps)
        sequence.append({std::move(step.file), std::move(step.action)});
    m_engine.playPrompts(mode, std::move(sequence));
}

void EngineDialogue::playAndGoOn(const QString& file)
{
    m_engine.PlayFile(file);
}

void EngineDialogue::interrupt(int mode)
{
    m_engine.setInterrupted(mode, true);
}

void EngineDialogue::setStatusText(const QString& text)
{
    m_engine.setStatusText(text);
}

void EngineDialogue::generateDigits(const QString& digits)
{
    m_engine.generateDigits(digits);
}

void EngineDialogue::HangUpCall()
{
    m_engine.HangUpCall();
}

void EngineDialogue::pauseBeforeSignal()
{
    // About a second in short sleeps, so that the window stays responsive.
    for (int round = 0; round < 100; ++round) {
        QThread::msleep(10);
        QCoreApplication::processEvents();
    }
}

void EngineDialogue::SuspendTapiTimers()
{
    ::SuspendTapiTimers();
}

bool EngineDialogue::SendSignal(const QString& signalFile)
{
    return ::SendSignal(signalFile);
}

void EngineDialogue::ResumeTapiTimers()
{
    ::ResumeTapiTimers();
}

void EngineDialogue::LogPlaybackMode()
{
    log(CallLog::playbackModeLine(QDateTime::currentDateTime()));
}

void EngineDialogue::LogOperation(int device, int button)
{
    log(CallLog::operationLine(QDateTime::currentDateTime(), device, button));
}

void EngineDialogue::logOperationFailed(int device, int button)
{
    log(CallLog::operationFailedLine(QDateTime::currentDateTime(), device, button));
}

void EngineDialogue::logPasswordAttemptsExceeded()
{
    log(CallLog::passwordAttemptsExceededLine(QDateTime::currentDateTime()));
}

void EngineDialogue::log(const QString& line)
{
    if (!CallLog::append(line))
        m_engine.setStatusText(frmTapi::kLogFailed);
}
