#pragma once

#include "Result.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <cstdint>

// Plain PCM WAV files: the greetings, labels, prompts and messages the system records and plays.
struct WavFormat {
    int sampleRate = 8000;
    int channels = 1;
    int bitsPerSample = 16; // 8 (unsigned) or 16 (signed, little-endian)

    int bytesPerFrame() const { return channels * bitsPerSample / 8; }
    bool operator==(const WavFormat&) const = default;
};

struct WavData {
    WavFormat format;
    QByteArray pcm; // the data chunk, whole frames only

    double seconds() const;
    // The samples as mono 16-bit, channels mixed down.
    QList<int16_t> monoSamples() const;
};

// Reads a PCM WAV file; a file that is not one, or is cut short, gives an error naming it.
Result<WavData> readWav(const QString& path);

// Writes a WAV file piece by piece and fills in the sizes at the end, so that a recording goes to
// disk as it comes in. A file that was never finished holds a header that says it is empty.
class WavFileWriter {
public:
    Status open(const QString& path, const WavFormat& format);
    Status append(const char* pcm, qint64 bytes);
    Status finish();
    bool isOpen() const { return m_file.isOpen(); }

private:
    QFile m_file;
    WavFormat m_format;
    qint64 m_dataBytes = 0;
};

// A whole file in one call.
Status writeWav(const QString& path, const WavFormat& format, const QByteArray& pcm);
Status writeWav(const QString& path, int sampleRate, const QList<int16_t>& monoSamples);

// The loudest sample and the root mean square of mono 16-bit samples, for telling speech from silence.
struct SignalLevel {
    int peak = 0;
    double rms = 0;
};
SignalLevel measureLevel(const QList<int16_t>& samples);
