#pragma once

#include "LineCall.h"

#include <QPointer>

class ModemLine;

// A call on the voice modem: offered while it rings, connected once the modem went off hook.
class ModemCall : public LineCall {
public:
    ModemCall(ModemLine* line, int id);

    int id() const override { return m_id; }
    CallState state() const override { return m_state; }
    std::optional<QString> callerIdNumber() const override { return m_number; }
    std::optional<QString> callerIdName() const override { return m_name; }
    Status answer() override;
    void disconnect(DisconnectCode code) override;
    Status detectDigits(int digitMode) override;
    Status generateDigits(const QString& digits, int digitMode) override;

    void setNumber(std::optional<QString> number) { m_number = std::move(number); }
    void setName(std::optional<QString> name) { m_name = std::move(name); }
    bool detectsDigits() const { return m_digitMode == LINEDIGITMODE_DTMF; }
    // The caller is gone (hung up, or the modem was lost): the call ends without being hung up here.
    void end();

private:
    QPointer<ModemLine> m_line; // a call may be held after its line is gone
    int m_id;
    std::optional<QString> m_number;
    std::optional<QString> m_name;
    CallState m_state = CS_OFFERING;
    int m_digitMode = LINEDIGITMODE_OFF;
};
