#include "DtmfDialogue.h"

#include "CatalogueKeys.h"
#include "InMemoryCatalogue.h"
#include "SystemPrompts.h"

#include <QFile>

using Step = DialoguePrompts::Step;

namespace {

const QString kOperating = QStringLiteral("リモコン操作中 : ");

} // namespace

void DtmfDialogue::OnDeviceKey(int index)
{
    // A digit that names no device is not reported yet: the button entry that follows says so.
    const QString device = m_keys.at(index).code;
    m_deviceValid = m_ports.catalogue.deviceSlot(device).has_value();
    if (m_deviceValid)
        m_selectedDevice = device;
    m_mode = ButtonNumber;
    LoadButtonKeys();
}

void DtmfDialogue::OnButtonKey(int index)
{
    const QString button = m_keys.at(index).code;
    const std::optional<InMemoryCatalogue::ButtonEntry> entry =
        m_deviceValid ? m_ports.catalogue.buttonEntry(m_selectedDevice, button) : std::nullopt;
    if (!entry || !m_queue.add({m_selectedDevice, button, entry->signalFile})) {
        refuseOperation();
        return;
    }
    m_mode = DeviceDigit;
    LoadDeviceKeys();
    // The spoken label confirms the choice; sys09 stands in for a label not made yet.
    const QString label = CatalogueKeys::spokenLabelPath(m_selectedDevice, button);
    const QString confirmation = QFile::exists(label) ? label : SystemPrompts::path(SystemPrompts::kLabelMissing);
    m_ports.prompts.playSequence(
        DeviceDigit, {Step::play(confirmation), Step::play(SystemPrompts::path(SystemPrompts::kNextDevice))});
}

// The pair is not in the catalogue, or the queue is full: sys05, and the next device digit.
void DtmfDialogue::refuseOperation()
{
    m_ports.prompts.playAndGoOn(SystemPrompts::path(SystemPrompts::kNotInCatalogue));
    ClearInput(); // from button entry back to device entry
}

void DtmfDialogue::CancelOperations()
{
    m_queue.clear();
    m_ports.prompts.playAndGoOn(SystemPrompts::path(SystemPrompts::kCancelled));
}

void DtmfDialogue::RunOperations()
{
    // A copy: the pause before each signal handles pending events.
    const QList<OperationQueue::Operation> operations = m_queue.operations();
    for (const OperationQueue::Operation& operation : operations) {
        m_ports.call.setStatusText(kOperating + operation.tag());
        m_ports.sender.pauseBeforeSignal();
        m_ports.sender.SuspendTapiTimers();
        const bool sent = m_ports.sender.SendSignal(operation.signalFile);
        m_ports.sender.ResumeTapiTimers();
        const int device = operation.device.toInt();
        const int button = operation.button.toInt();
        if (sent)
            m_ports.log.LogOperation(device, button);
        else
            m_ports.log.logOperationFailed(device, button);
    }
}

void DtmfDialogue::ClearOperations()
{
    m_queue.clear();
}
