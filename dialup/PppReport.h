#pragma once

#include <QString>

#include <optional>

// How pppd's log and exit code read as Remote Access states and error numbers.
namespace PppReport {

// The connection state a log line of pppd announces, if any.
std::optional<int> stateOfLine(QStringView line);

// The error number of a modem reply that chat aborted on (BUSY 676, VOICE 677, NO ANSWER 678,
// NO CARRIER 679, NO DIALTONE 680) or of chat's time-out (638); 0 for any other line. The lines
// where chat lists its abort strings are not replies.
int replyErrorOfLine(QStringView line);

// True for the line pppd writes when the peer never answered its link negotiation.
bool peerSilentLine(QStringView line);

// What the log told about a dial so far.
struct Findings {
    int replyError = 0;      // the last modem reply or chat time-out seen
    bool peerSilent = false; // the peer never answered the negotiation
    bool connected = false;  // the link came up
};

// The error number of pppd's end: exitCode >= 0 when it exited, signal > 0 when it was killed;
// hungUp when this side asked it to stop. 0 when the end is no failure.
int errorOfEnd(int exitCode, int signal, bool hungUp, const Findings& seen);

// A text for the end, in this system's terms, for the last-error message.
QString describeEnd(int exitCode, int signal, const Findings& seen);

} // namespace PppReport
