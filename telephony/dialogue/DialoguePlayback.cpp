#include "DtmfDialogue.h"

#include "KeyTables.h"
#include "RemoteMessages.h"

using Step = DialoguePrompts::Step;

void DtmfDialogue::OnPlaybackKey(int index)
{
    const QString name = m_keys.at(index).name;
    if (name == KeyTables::kPlay)
        playMessagesFrom(1, QStringLiteral("*"));
    else if (name == KeyTables::kSkip)
        playMessagesFrom(m_currentMessage + 1, QStringLiteral("5"));
}

// Each message is announced by a separator tone; after the last one the engine hangs up.
void DtmfDialogue::playMessagesFrom(int first, const QString& separator)
{
    const QStringList messages = remoteMessages();
    if (first > messages.size()) {
        finishPlayback();
        return;
    }
    QList<Step> steps;
    for (int m = first; m <= messages.size(); ++m) {
        steps.append(Step::then([this, m, separator] {
            m_ports.call.generateDigits(separator);
            m_currentMessage = m;
        }));
        steps.append(Step::play(messages.at(m - 1)));
    }
    steps.append(Step::then([this] { finishPlayback(); }));
    m_ports.prompts.playSequence(PlaybackMenu, std::move(steps));
}

void DtmfDialogue::finishPlayback()
{
    m_ports.call.HangUpCall();
    endCall();
}
