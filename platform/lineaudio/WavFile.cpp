#include "WavFile.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <cmath>
#include <vector>

namespace WavFile {

namespace {

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

quint16 get16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 get32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

// One sample of one channel as a value in [-32768, 32767].
int sampleAt(const PcmSound& sound, qsizetype frame, int channel)
{
    const int bytes = sound.format.bitsPerSample / 8;
    const qsizetype at = frame * sound.format.blockAlign() + channel * bytes;
    const auto* p = reinterpret_cast<const uchar*>(sound.bytes.constData() + at);
    if (bytes == 1)
        return (int(p[0]) - 128) << 8;
    return qint16(quint16(p[0]) | quint16(p[1]) << 8);
}

} // namespace

QByteArray header(const WaveFormat& format, quint32 dataBytes)
{
    QByteArray h;
    h.reserve(kHeaderSize);
    h.append("RIFF");
    put32(h, 36 + dataBytes);
    h.append("WAVEfmt ");
    put32(h, 16);
    put16(h, 1);
    put16(h, quint16(format.channels));
    put32(h, quint32(format.samplesPerSecond));
    put32(h, quint32(format.bytesPerSecond()));
    put16(h, quint16(format.blockAlign()));
    put16(h, quint16(format.bitsPerSample));
    h.append("data");
    put32(h, dataBytes);
    return h;
}

Result<PcmSound> parse(const QByteArray& file)
{
    using R = Result<PcmSound>;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return R::failure(QStringLiteral("not a WAV file"));
    PcmSound sound;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const quint32 size = get32(file.constData() + at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = file.size() - body;
        if (id == "fmt ") {
            if (size < 16 || available < 16)
                return R::failure(QStringLiteral("WAV format chunk is too short"));
            const char* f = file.constData() + body;
            if (get16(f) != 1)
                return R::failure(QStringLiteral("WAV file is not PCM"));
            sound.format.channels = get16(f + 2);
            sound.format.samplesPerSecond = int(get32(f + 4));
            sound.format.bitsPerSample = get16(f + 14);
            if (sound.format.channels < 1 || sound.format.channels > 8 || sound.format.samplesPerSecond < 1000 ||
                sound.format.samplesPerSecond > 192000 ||
                (sound.format.bitsPerSample != 8 && sound.format.bitsPerSample != 16))
                return R::failure(QStringLiteral("unsupported WAV format"));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return R::failure(QStringLiteral("WAV data before its format"));
            // A header whose size was never filled in (a recording cut short) still yields its sound.
            const qsizetype length = qMin<qsizetype>(size, available);
            sound.bytes = file.mid(body, length - length % sound.format.blockAlign());
            return sound;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return R::failure(QStringLiteral("WAV file has no sound data"));
}

Result<PcmSound> read(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Result<PcmSound>::failure(f.errorString());
    return parse(f.readAll());
}

QByteArray toLineSamples(const PcmSound& sound)
{
    const WaveFormat& in = sound.format;
    const qsizetype frames = in.blockAlign() > 0 ? sound.bytes.size() / in.blockAlign() : 0;
    std::vector<int> mono(static_cast<size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) {
        int sum = 0;
        for (int c = 0; c < in.channels; ++c)
            sum += sampleAt(sound, i, c);
        mono[size_t(i)] = sum / in.channels;
    }
    const int outRate = WaveFormat::line().samplesPerSecond;
    const qsizetype outFrames = frames * outRate / in.samplesPerSecond;
    QByteArray out;
    out.reserve(outFrames * 2);
    for (qsizetype j = 0; j < outFrames; ++j) {
        // Linear interpolation is plenty for telephone bandwidth.
        const double pos = double(j) * in.samplesPerSecond / outRate;
        const auto i = qsizetype(pos);
        const double frac = pos - double(i);
        const int a = mono[size_t(i)];
        const int b = i + 1 < frames ? mono[size_t(i + 1)] : a;
        put16(out, quint16(qint16(std::lround(a + (b - a) * frac))));
    }
    return out;
}

Status write(const QString& path, const PcmSound& sound)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return Status::failure(f.errorString());
    f.write(header(sound.format, quint32(sound.bytes.size())));
    f.write(sound.bytes);
    if (!f.commit())
        return Status::failure(f.errorString());
    return {};
}

} // namespace WavFile
