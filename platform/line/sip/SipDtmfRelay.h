#pragma once

#include <QByteArray>

// The key carried by a SIP INFO request: "Signal=5" in application/dtmf-relay, or the bare key in
// application/dtmf. 0 when the body names no key.
namespace SipDtmfRelay {

char keyOf(const QByteArray& contentType, const QByteArray& body);
// The key of an RFC 4733 event number (0–9, 10 = "*", 11 = "#", 12–15 = "A"–"D"); 0 for others.
char keyOfEvent(int event);
bool isKey(char c);

} // namespace SipDtmfRelay
