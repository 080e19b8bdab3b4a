#include "DtmfDialogue.h"

#include "KeyTables.h"

namespace {

const QString kDigitDetected = QStringLiteral("DTMFトーン検出 ");

} // namespace

DtmfDialogue::DtmfDialogue(Ports ports) : m_ports(ports)
{
    LoadPasswords();
}

void DtmfDialogue::beginCall()
{
    // The passwords are read again so that a change saved in the settings holds from the next call.
    endCall();
}

void DtmfDialogue::endCall()
{
    LoadPasswords();
    m_mode = Password;
    m_entry.clear();
    m_matched.reset();
    m_heldKeys.clear();
    m_wrongAttempts = 0;
}

void DtmfDialogue::onDigitEvent(int digitValue)
{
    const QChar digit(uchar(digitValue & 0xFF));
    m_ports.call.setStatusText(kDigitDetected + digit);
    if (!m_matched)
        handleKey(digit);
    else if (m_heldKeys.size() < kHeldKeys)
        m_heldKeys.append(digit);
}

void DtmfDialogue::handleKey(QChar digit)
{
    if (digit == u'*') {
        const bool wrongPassword = m_mode == Password && !m_entry.isEmpty() && !m_entry.isOverlong();
        ClearInput();
        if (wrongPassword)
            passwordEntryFailed();
        return;
    }
    if (digit == u'#' && (m_mode == DeviceDigit || m_mode == ButtonNumber)) {
        ClearInput();
        CancelOperations();
        return;
    }
    if (m_entry.append(digit, m_keys.longestCode()) && m_mode == Password) {
        // A wrong first digit still never matches: the entry stays overlong until "*".
        passwordEntryFailed();
        return;
    }
    if (const std::optional<int> position = m_keys.match(m_entry.text())) {
        m_matched = position;
        m_entry.clear();
        m_ports.prompts.interrupt(m_mode);
    }
}

void DtmfDialogue::passwordEntryFailed()
{
    if (m_keys.count() == 0) // no password is set: the digits are not an attempt at one
        return;
    if (++m_wrongAttempts < kPasswordAttempts)
        return;
    m_ports.log.logPasswordAttemptsExceeded();
    m_ports.call.HangUpCall();
    endCall();
}

void DtmfDialogue::Timer2_Timer()
{
    if (!m_matched)
        return;
    const int position = *m_matched;
    m_matched.reset();
    switch (m_mode) {
    case Password: OnPassword(position); break;
    case PlaybackMenu: OnPlaybackKey(position); break;
    case DeviceDigit: OnDeviceKey(position); break;
    case ButtonNumber: OnButtonKey(position); break;
    }
    while (!m_matched && !m_heldKeys.isEmpty()) {
        const QChar key = m_heldKeys.front();
        m_heldKeys.remove(0, 1);
        handleKey(key);
    }
}

void DtmfDialogue::ClearInput()
{
    m_entry.clear();
    if (m_mode == ButtonNumber) {
        m_mode = DeviceDigit;
        LoadDeviceKeys();
    }
}

void DtmfDialogue::LoadPasswords()
{
    m_keys = KeyTables::passwords();
}

void DtmfDialogue::LoadPlaybackKeys()
{
    m_keys = KeyTables::playbackKeys();
}

void DtmfDialogue::LoadDeviceKeys()
{
    m_keys = KeyTables::deviceKeys();
}

void DtmfDialogue::LoadButtonKeys()
{
    m_keys = KeyTables::buttonKeys();
}
