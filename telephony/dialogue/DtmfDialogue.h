#pragma once

#include "DialogueCall.h"
#include "DialogueLog.h"
#include "DialoguePrompts.h"
#include "DigitEntry.h"
#include "DtmfKeyTable.h"
#include "OperationQueue.h"
#include "SignalSender.h"

#include <optional>

class InMemoryCatalogue;

// The touch-tone dialogue of an answered call. A caller keys a password while the greeting plays;
// then either hears the messages (remote playback) or chooses a device digit and a two-digit button
// whose learned signal is queued and sent when the call has ended (remote operation).
//
// The engine feeds it every detected digit and every Timer2 tick, starts it with each answered call,
// resets it after each call, and runs the queued operations with the line switched off.
class DtmfDialogue {
public:
    enum Mode { Password = 1, PlaybackMenu = 2, DeviceDigit = 3, ButtonNumber = 4 };

    // Wrong passwords a caller may key in one call before the engine hangs up.
    static constexpr int kPasswordAttempts = 3;
    // Keys held back while a recognised input waits for its Timer2 tick.
    static constexpr int kHeldKeys = 32;

    struct Ports {
        DialoguePrompts& prompts;
        DialogueCall& call;
        SignalSender& sender;
        DialogueLog& log;
        const InMemoryCatalogue& catalogue;
    };
    explicit DtmfDialogue(Ports ports);

    // Answering: password entry with an empty buffer and a fresh count of wrong attempts.
    void beginCall();
    // After a call: the passwords loaded again, mode 1, nothing pending.
    void endCall();

    // A detected touch tone; the low 8 bits of the value are the character. A key that arrives while
    // a recognised input waits for its dispatch is held back, so that it is read in the mode that
    // input leads to.
    void onDigitEvent(int digitValue);
    // Dispatches an input recognised since the last tick to the handler of its mode, then reads the
    // keys held back meanwhile.
    void Timer2_Timer();

    void OnPassword(int index);
    void OnPlaybackKey(int index);
    void OnDeviceKey(int index);
    void OnButtonKey(int index);

    void LoadPasswords();
    void LoadPlaybackKeys();
    void LoadDeviceKeys();
    void LoadButtonKeys();
    // Empties the buffer; from button entry back to device entry.
    void ClearInput();
    // Empties the queue and says so (sys08).
    void CancelOperations();
    // Sends the queued signals in order, each logged.
    void RunOperations();
    void ClearOperations();

    int DialogueMode() const { return m_mode; }
    const QString& digitBuffer() const { return m_entry.text(); }
    const DtmfKeyTable& keyTable() const { return m_keys; }
    const OperationQueue& operationQueue() const { return m_queue; }
    bool hasOperations() const { return !m_queue.isEmpty(); }
    int currentMessage() const { return m_currentMessage; }
    int wrongPasswordAttempts() const { return m_wrongAttempts; }

private:
    void handleKey(QChar key);
    void passwordEntryFailed();
    void playMessagesFrom(int first, const QString& separator);
    void finishPlayback();
    void refuseOperation();

    Ports m_ports;
    int m_mode = Password;
    DtmfKeyTable m_keys;
    DigitEntry m_entry;
    // Position of the input recognised since the last Timer2 tick, in the current mode's table.
    std::optional<int> m_matched;
    QString m_heldKeys;
    int m_wrongAttempts = 0;
    // Position (1-based) of the message played last; kept between calls so Skip continues there.
    int m_currentMessage = 0;
    QString m_selectedDevice;
    bool m_deviceValid = false;
    OperationQueue m_queue;
};
