#pragma once

#include "LineCall.h"

#include <QTimer>

class SimLine;

// A call of the simulated line; its caller is whoever drives the line.
class SimCall : public LineCall {
public:
    SimCall(SimLine* line, int id, std::optional<QString> number, std::optional<QString> name);

    int id() const override { return m_id; }
    CallState state() const override { return m_state; }
    std::optional<QString> callerIdNumber() const override { return m_number; }
    std::optional<QString> callerIdName() const override { return m_name; }
    Status answer() override;
    void disconnect(DisconnectCode code) override;
    Status detectDigits(int digitMode) override;
    Status generateDigits(const QString& digits, int digitMode) override;

    // The caller's side.
    void callerHangsUp();
    bool detectsDigits() const { return m_digitMode == LINEDIGITMODE_DTMF; }
    int rings() const { return m_rings; }
    QTimer& ringTimer() { return m_ringTimer; }
    void countRing() { ++m_rings; }

private:
    void end(const QString& reason);

    SimLine* m_line;
    int m_id;
    std::optional<QString> m_number;
    std::optional<QString> m_name;
    CallState m_state = CS_OFFERING;
    int m_digitMode = LINEDIGITMODE_OFF;
    int m_rings = 0;
    QTimer m_ringTimer;
};
