#pragma once

#include "VoiceMethods.h"

#include <QByteArray>

// Conversion between a voice method's samples and the line's 16-bit signed little-endian samples.
namespace SampleCodec {

qint16 muLawToLinear(quint8 code);
quint8 linearToMuLaw(qint16 sample);
qint16 aLawToLinear(quint8 code);
quint8 linearToALaw(qint16 sample);

// Coded samples of the method to 16-bit linear; a trailing half sample of 16-bit input is dropped.
QByteArray toLinear16(const QByteArray& coded, SampleCoding coding);
// 16-bit linear samples to the method's coding.
QByteArray fromLinear16(const QByteArray& linear, SampleCoding coding);

} // namespace SampleCodec
