#pragma once

#include "Result.h"
#include "WaveFormat.h"

#include <QFile>

// Writes a WAV file as its sound arrives: the header first, the samples appended, the header's
// sizes brought up to date on request and at the end. A file left behind by a crash keeps its
// sound and is mended by repairHeader.
class WavWriter {
public:
    Status open(const QString& path, const WaveFormat& format);
    Status append(const QByteArray& bytes);
    Status updateHeader();
    // Updates the header and closes the file.
    Status finish();
    bool isOpen() const { return m_file.isOpen(); }
    qint64 dataBytes() const { return m_data; }
    QString path() const { return m_file.fileName(); }

    // Sets the sizes of a 44-byte-header PCM WAV from its length; the error says what is wrong.
    static Status repairHeader(const QString& path);

private:
    QFile m_file;
    WaveFormat m_format;
    qint64 m_data = 0;
};
