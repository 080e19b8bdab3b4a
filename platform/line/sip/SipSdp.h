#pragma once

#include "Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The session descriptions of a call: what the caller offers, and the answer the line gives.
namespace SipSdp {

struct Media {
    QString address; // where the caller receives RTP
    int port = 0;
    QString codec;             // "PCMU" or "PCMA"
    int payloadType = 0;       // 0 or 8
    int eventPayloadType = -1; // telephone-event, -1 when the caller offers none
};

// The first usable audio stream of an offer and the first of codecs (in our order of preference)
// that it carries. The error says why the offer cannot be taken (answered with 488).
Result<Media> parseOffer(const QByteArray& sdp, const QStringList& codecs);

// The answer: the chosen codec and, when offered, telephone-event, on our address and RTP port.
QByteArray answer(const Media& chosen, const QString& localAddress, int localPort, quint64 sessionId);

} // namespace SipSdp
