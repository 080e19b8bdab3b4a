#pragma once

#include <QString>

// What every Dial object of the process shares: the last connection state that the dial
// notification recorded and the last error number (0 = none), with a text that says in this
// system's terms what went wrong. Written by the thread that watches pppd, read by the caller.
namespace DialState {

// The connection states that are kept.
enum : int {
    OpeningPort = 0,
    ConnectDevice = 2,
    Authenticate = 5,
    LogonNetwork = 21,
    Connected = 8192,
    Disconnected = 8193,
};

// The dial notification: a non-zero error is stored (with its text); otherwise a state is stored
// when it is one of the kept states.
void notify(int state, int error, const QString& errorText = {});

void resetError();
void startDial(); // last state = Disconnected, last error = 0
void setError(int error, const QString& errorText);

int lastState();
int lastError();
QString lastErrorText();

// The state code of the poll step: -1 after an error, else the code of the last state
// (102, 103, 104, 0, -9, and 101 for any other).
int pollCode();

// The text of a state code ("接続されました" for 0, …, "不明なステータス").
QString statusText(int code);

} // namespace DialState
