#pragma once

#include "Result.h"
#include "WaveFormat.h"

#include <QByteArray>
#include <QString>

// PCM sound and the 44-byte WAV form it is kept in.
struct PcmSound {
    WaveFormat format;
    QByteArray bytes; // samples in file order: 8-bit unsigned or 16-bit signed little-endian
};

namespace WavFile {

constexpr int kHeaderSize = 44;

// The 44-byte header of a PCM WAV holding dataBytes of sound in format.
QByteArray header(const WaveFormat& format, quint32 dataBytes);

// Reads a PCM WAV (8 or 16 bits, any rate and channel count); other chunks are skipped. The error
// says what is wrong with the file.
Result<PcmSound> read(const QString& path);
Result<PcmSound> parse(const QByteArray& file);

// The sound as the line carries it: 8 kHz mono 16-bit, channels mixed and the rate converted.
QByteArray toLineSamples(const PcmSound& sound);

// Writes header and sound in one go.
Status write(const QString& path, const PcmSound& sound);

} // namespace WavFile
