#include "DtmfDialogue.h"

#include "KeyTables.h"
#include "RemoteMessages.h"
#include "SpeakNumber.h"
#include "SystemPrompts.h"

using Step = DialoguePrompts::Step;

void DtmfDialogue::OnPassword(int index)
{
    const QString name = m_keys.at(index).name;
    if (name == KeyTables::kPlaybackPassword) {
        m_ports.log.LogPlaybackMode();
        m_entry.clear();
        LoadPlaybackKeys();
        m_mode = PlaybackMenu;
        // The password, the number of messages, then the menu of the Play and Skip keys.
        QList<Step> steps{Step::play(SystemPrompts::path(SystemPrompts::kPlaybackPassword))};
        for (const QString& file : SpeakNumber(int(remoteMessages().size())))
            steps.append(Step::play(SystemPrompts::path(file)));
        steps.append(Step::play(SystemPrompts::path(SystemPrompts::kPlaybackMenu)));
        m_ports.prompts.playSequence(PlaybackMenu, std::move(steps));
    } else if (name == KeyTables::kOperationPassword) {
        m_entry.clear();
        LoadDeviceKeys();
        m_mode = DeviceDigit;
        m_ports.prompts.playSequence(DeviceDigit, {Step::play(SystemPrompts::path(SystemPrompts::kOperationPassword))});
    }
}
