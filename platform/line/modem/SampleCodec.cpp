#include "SampleCodec.h"

namespace {

constexpr int kMuLawBias = 0x84;
constexpr int kMuLawClip = 32635;

qint16 sampleAt(const QByteArray& linear, qsizetype i)
{
    return qint16(quint8(linear[2 * i]) | quint8(linear[2 * i + 1]) << 8);
}

void appendSample(QByteArray& out, qint16 s)
{
    out.append(char(s & 0xff));
    out.append(char((s >> 8) & 0xff));
}

} // namespace

namespace SampleCodec {

qint16 muLawToLinear(quint8 code)
{
    code = ~code;
    const int exponent = (code >> 4) & 0x07;
    const int mantissa = code & 0x0f;
    const int magnitude = ((mantissa << 3) + kMuLawBias) << exponent;
    return qint16((code & 0x80) ? kMuLawBias - magnitude : magnitude - kMuLawBias);
}

quint8 linearToMuLaw(qint16 sample)
{
    int s = sample;
    const int sign = s < 0 ? 0x80 : 0;
    if (s < 0)
        s = -s;
    s = qMin(s, kMuLawClip) + kMuLawBias;
    int exponent = 7;
    for (int mask = 0x4000; (s & mask) == 0 && exponent > 0; mask >>= 1)
        --exponent;
    const int mantissa = (s >> (exponent + 3)) & 0x0f;
    return quint8(~(sign | exponent << 4 | mantissa));
}

qint16 aLawToLinear(quint8 code)
{
    code ^= 0x55;
    const int exponent = (code >> 4) & 0x07;
    const int mantissa = code & 0x0f;
    int magnitude = exponent == 0 ? (mantissa << 4) + 8 : ((mantissa << 4) + 0x108) << (exponent - 1);
    return qint16((code & 0x80) ? magnitude : -magnitude);
}

quint8 linearToALaw(qint16 sample)
{
    int s = sample;
    const int sign = s >= 0 ? 0x80 : 0;
    if (s < 0)
        s = -s - 1;
    s = qMin(s, 32767);
    int code = 0;
    if (s < 256) {
        code = s >> 4;
    } else {
        int exponent = 1;
        while (exponent < 7 && s >= (256 << exponent))
            ++exponent;
        code = exponent << 4 | ((s >> (exponent + 3)) & 0x0f);
    }
    return quint8((sign | code) ^ 0x55);
}

QByteArray toLinear16(const QByteArray& coded, SampleCoding coding)
{
    if (coding == SampleCoding::Linear16)
        return coded.left(coded.size() & ~qsizetype(1));
    QByteArray out;
    out.reserve(coded.size() * 2);
    for (char c : coded) {
        const quint8 b = quint8(c);
        switch (coding) {
        case SampleCoding::Unsigned8: appendSample(out, qint16((b - 128) << 8)); break;
        case SampleCoding::Signed8: appendSample(out, qint16(qint8(b) * 256)); break;
        case SampleCoding::MuLaw: appendSample(out, muLawToLinear(b)); break;
        case SampleCoding::ALaw: appendSample(out, aLawToLinear(b)); break;
        case SampleCoding::Linear16:
        case SampleCoding::Unusable: appendSample(out, 0); break;
        }
    }
    return out;
}

QByteArray fromLinear16(const QByteArray& linear, SampleCoding coding)
{
    if (coding == SampleCoding::Linear16)
        return linear.left(linear.size() & ~qsizetype(1));
    const qsizetype samples = linear.size() / 2;
    QByteArray out(samples, '\0');
    for (qsizetype i = 0; i < samples; ++i) {
        const qint16 s = sampleAt(linear, i);
        switch (coding) {
        case SampleCoding::Unsigned8: out[i] = char((s >> 8) + 128); break;
        case SampleCoding::Signed8: out[i] = char(s >> 8); break;
        case SampleCoding::MuLaw: out[i] = char(linearToMuLaw(s)); break;
        case SampleCoding::ALaw: out[i] = char(linearToALaw(s)); break;
        case SampleCoding::Linear16:
        case SampleCoding::Unusable: break;
        }
    }
    return out;
}

} // namespace SampleCodec
