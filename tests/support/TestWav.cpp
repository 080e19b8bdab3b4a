#include "TestWav.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

void put(QByteArray& out, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

} // namespace

QByteArray toneWav(double seconds, int rate, int channels, int bits, double hz)
{
    const int frames = int(seconds * rate);
    const int blockAlign = bits / 8 * channels;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double v = std::sin(2 * M_PI * hz * i / rate) * 0.5;
        for (int c = 0; c < channels; ++c) {
            if (bits == 8)
                put(data, quint32(int(v * 127) + 128), 1);
            else
                put(data, quint32(quint16(qint16(v * 32767))), 2);
        }
    }
    QByteArray wav("RIFF");
    put(wav, quint32(36 + data.size()), 4);
    wav.append("WAVEfmt ");
    put(wav, 16, 4);
    put(wav, 1, 2);
    put(wav, quint32(channels), 2);
    put(wav, quint32(rate), 4);
    put(wav, quint32(rate * blockAlign), 4);
    put(wav, quint32(blockAlign), 2);
    put(wav, quint32(bits), 2);
    wav.append("data");
    put(wav, quint32(data.size()), 4);
    return wav + data;
}

void writeToneWav(const QString& path, double seconds, int rate, int channels, int bits)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(toneWav(seconds, rate, channels, bits));
}
