#include "WavFile.h"

#include <QDir>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

constexpr int kHeaderBytes = 44;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QByteArray header(const WavFormat& f, quint32 dataBytes)
{
    QByteArray h(kHeaderBytes, '\0');
    char* p = h.data();
    auto put32 = [&](int at, quint32 v) { qToLittleEndian<quint32>(v, p + at); };
    auto put16 = [&](int at, quint16 v) { qToLittleEndian<quint16>(v, p + at); };
    std::memcpy(p, "RIFF", 4);
    put32(4, 36 + dataBytes);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, static_cast<quint16>(f.channels));
    put32(24, static_cast<quint32>(f.sampleRate));
    put32(28, static_cast<quint32>(f.sampleRate * f.bytesPerFrame()));
    put16(32, static_cast<quint16>(f.bytesPerFrame()));
    put16(34, static_cast<quint16>(f.bitsPerSample));
    std::memcpy(p + 36, "data", 4);
    put32(40, dataBytes);
    return h;
}

bool supported(const WavFormat& f)
{
    return (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.channels >= 1 && f.channels <= 8 &&
           f.sampleRate >= 1000 && f.sampleRate <= 384000;
}

} // namespace

double WavData::seconds() const
{
    return double(pcm.size()) / format.bytesPerFrame() / format.sampleRate;
}

QList<int16_t> WavData::monoSamples() const
{
    const int channels = format.channels;
    const qsizetype frames = pcm.size() / format.bytesPerFrame();
    QList<int16_t> out(frames);
    const auto* bytes = reinterpret_cast<const uchar*>(pcm.constData());
    for (qsizetype i = 0; i < frames; ++i) {
        int sum = 0;
        for (int c = 0; c < channels; ++c) {
            const qsizetype at = i * channels + c;
            sum += format.bitsPerSample == 8 ? (int(bytes[at]) - 128) * 256 : qFromLittleEndian<qint16>(bytes + 2 * at);
        }
        out[i] = static_cast<int16_t>(sum / channels);
    }
    return out;
}

Result<WavData> readWav(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<WavData>::failure(QStringLiteral("%1 を開けません: %2").arg(shown(path), file.errorString()));
    const QByteArray all = file.readAll();
    const auto bad = [&](const char* why) {
        return Result<WavData>::failure(
            QStringLiteral("%1 は読める WAV ファイルではありません (%2)。").arg(shown(path), QString::fromUtf8(why)));
    };
    if (all.size() < 12 || !all.startsWith("RIFF") || all.mid(8, 4) != "WAVE")
        return bad("RIFF/WAVE の見出しがありません");
    const auto* p = reinterpret_cast<const uchar*>(all.constData());
    WavData wav;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= all.size()) {
        const QByteArray id = all.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(p + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || body + 16 > all.size())
                return bad("fmt が短すぎます");
            if (qFromLittleEndian<quint16>(p + body) != 1)
                return bad("PCM ではありません");
            wav.format.channels = qFromLittleEndian<quint16>(p + body + 2);
            wav.format.sampleRate = static_cast<int>(qFromLittleEndian<quint32>(p + body + 4));
            wav.format.bitsPerSample = qFromLittleEndian<quint16>(p + body + 14);
            if (!supported(wav.format))
                return bad("対応していない形式です");
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return bad("data が fmt より前にあります");
            if (body + qsizetype(size) > all.size())
                return bad("データが途中で切れています");
            const qsizetype whole = size - size % wav.format.bytesPerFrame();
            wav.pcm = all.mid(body, whole);
            return wav;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return bad("data がありません");
}

Status WavFileWriter::open(const QString& path, const WavFormat& format)
{
    m_file.setFileName(path);
    m_format = format;
    m_dataBytes = 0;
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate) || m_file.write(header(format, 0)) != kHeaderBytes)
        return Status::failure(QStringLiteral("%1 に書き込めません: %2").arg(shown(path), m_file.errorString()));
    return {};
}

Status WavFileWriter::append(const char* pcm, qint64 bytes)
{
    if (m_file.write(pcm, bytes) != bytes)
        return Status::failure(
            QStringLiteral("%1 に書き込めません: %2").arg(shown(m_file.fileName()), m_file.errorString()));
    m_dataBytes += bytes;
    return {};
}

Status WavFileWriter::finish()
{
    const bool done = m_file.seek(0) &&
                      m_file.write(header(m_format, static_cast<quint32>(m_dataBytes))) == kHeaderBytes &&
                      m_file.flush();
    const QString error = m_file.errorString();
    m_file.close();
    if (!done)
        return Status::failure(QStringLiteral("%1 に書き込めません: %2").arg(shown(m_file.fileName()), error));
    return {};
}

Status writeWav(const QString& path, const WavFormat& format, const QByteArray& pcm)
{
    WavFileWriter writer;
    Status s = writer.open(path, format);
    if (s)
        s = writer.append(pcm.constData(), pcm.size());
    const Status finished = writer.isOpen() ? writer.finish() : Status();
    return s ? finished : s;
}

Status writeWav(const QString& path, int sampleRate, const QList<int16_t>& monoSamples)
{
    QByteArray pcm(monoSamples.size() * 2, '\0');
    for (qsizetype i = 0; i < monoSamples.size(); ++i)
        qToLittleEndian<qint16>(monoSamples[i], pcm.data() + 2 * i);
    return writeWav(path, WavFormat{sampleRate, 1, 16}, pcm);
}

SignalLevel measureLevel(const QList<int16_t>& samples)
{
    SignalLevel level;
    double sum = 0;
    for (int16_t s : samples) {
        level.peak = std::max(level.peak, std::abs(int(s)));
        sum += double(s) * s;
    }
    level.rms = samples.isEmpty() ? 0 : std::sqrt(sum / samples.size());
    return level;
}
