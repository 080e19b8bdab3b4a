#include "Protocols.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kNecUnit = 562.5;
constexpr double kAehaUnit = 425;
constexpr double kSircUnit = 600;
constexpr double kRc5Half = 889;
// No frame of these formats has a space this long inside it; frames are split there.
constexpr double kFrameGapUs = 6000;

// Builds an envelope; consecutive marks (or spaces) join into one.
class EnvelopeBuilder {
public:
    void mark(double us) { add(us, true); }
    void space(double us) { add(us, false); }
    std::vector<double> take()
    {
        if (!m_envelope.empty() && !m_lastIsMark)
            m_envelope.pop_back(); // an envelope ends with a mark
        return std::move(m_envelope);
    }

private:
    void add(double us, bool isMark)
    {
        if (m_envelope.empty() && !isMark)
            return; // leading idle time is no part of a frame
        if (!m_envelope.empty() && m_lastIsMark == isMark)
            m_envelope.back() += us;
        else
            m_envelope.push_back(us);
        m_lastIsMark = isMark;
    }
    std::vector<double> m_envelope;
    bool m_lastIsMark = false;
};

void pulseDistanceBits(EnvelopeBuilder& b, const std::vector<std::uint8_t>& bytes, double unit)
{
    for (std::uint8_t byte : bytes) {
        for (int bit = 0; bit < 8; ++bit) {
            b.mark(unit);
            b.space((byte >> bit) & 1 ? 3 * unit : unit);
        }
    }
}

std::vector<double> encodeNec(const IrFrame& f)
{
    EnvelopeBuilder b;
    if (f.repeat) {
        b.mark(16 * kNecUnit);
        b.space(4 * kNecUnit);
        b.mark(kNecUnit);
        return b.take();
    }
    const auto lo = std::uint8_t(f.address & 0xFF);
    const auto hi = f.address > 0xFF ? std::uint8_t(f.address >> 8) : std::uint8_t(~lo);
    const auto cmd = std::uint8_t(f.command);
    b.mark(16 * kNecUnit);
    b.space(8 * kNecUnit);
    pulseDistanceBits(b, {lo, hi, cmd, std::uint8_t(~cmd)}, kNecUnit);
    b.mark(kNecUnit);
    return b.take();
}

std::uint8_t aehaParity(std::uint32_t customer)
{
    return std::uint8_t((customer ^ (customer >> 4) ^ (customer >> 8) ^ (customer >> 12)) & 0xF);
}

std::vector<double> encodeAeha(const IrFrame& f)
{
    std::vector<std::uint8_t> bytes{std::uint8_t(f.address), std::uint8_t(f.address >> 8), aehaParity(f.address)};
    std::uint64_t data = f.command;
    do {
        bytes.push_back(std::uint8_t(data));
        data >>= 8;
    } while (data != 0);
    EnvelopeBuilder b;
    b.mark(8 * kAehaUnit);
    b.space(4 * kAehaUnit);
    pulseDistanceBits(b, bytes, kAehaUnit);
    b.mark(kAehaUnit);
    return b.take();
}

int sircAddressBits(std::uint32_t address)
{
    return address <= 0x1F ? 5 : address <= 0xFF ? 8 : 13;
}

std::vector<double> encodeSirc(const IrFrame& f)
{
    const std::uint64_t bits = (f.command & 0x7F) | (std::uint64_t(f.address) << 7);
    const int count = 7 + sircAddressBits(f.address);
    EnvelopeBuilder b;
    b.mark(4 * kSircUnit);
    for (int i = 0; i < count; ++i) {
        b.space(kSircUnit);
        b.mark((bits >> i) & 1 ? 2 * kSircUnit : kSircUnit);
    }
    return b.take();
}

std::vector<double> encodeRc5(const IrFrame& f)
{
    // S1, S2 (the inverted seventh command bit), toggle, 5 address bits, 6 command bits; MSB first.
    std::uint32_t word = 1u << 13;
    word |= ((f.command & 0x40) ? 0u : 1u) << 12;
    word |= (f.toggle ? 1u : 0u) << 11;
    word |= (f.address & 0x1F) << 6;
    word |= f.command & 0x3F;
    EnvelopeBuilder b;
    for (int i = 13; i >= 0; --i) {
        if ((word >> i) & 1) {
            b.space(kRc5Half);
            b.mark(kRc5Half);
        } else {
            b.mark(kRc5Half);
            b.space(kRc5Half);
        }
    }
    return b.take();
}

bool near(double value, double nominal, double tolerance = 0.3)
{
    return std::abs(value - nominal) <= tolerance * nominal;
}

// Pulse-distance bits after a leader: mark, space pairs from index 2; the space tells 0 from 1.
std::optional<std::vector<std::uint8_t>> pulseDistanceBytes(const std::vector<double>& seg, double unit)
{
    if (seg.size() < 3 || (seg.size() - 3) % 2 != 0)
        return std::nullopt;
    const std::size_t bits = (seg.size() - 3) / 2;
    if (bits % 8 != 0 || bits == 0)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(bits / 8, 0);
    for (std::size_t i = 0; i < bits; ++i) {
        const double mark = seg[2 + 2 * i];
        const double space = seg[3 + 2 * i];
        if (!near(mark, unit, 0.45) || space > 4.5 * unit || space < 0.5 * unit)
            return std::nullopt;
        if (space > 2 * unit)
            bytes[i / 8] |= std::uint8_t(1u << (i % 8));
    }
    if (!near(seg.back(), unit, 0.45))
        return std::nullopt;
    return bytes;
}

std::optional<IrFrame> decodeNec(const std::vector<double>& seg)
{
    if (seg.size() < 3 || !near(seg[0], 16 * kNecUnit, 0.25))
        return std::nullopt;
    if (seg.size() == 3 && near(seg[1], 4 * kNecUnit, 0.25) && near(seg[2], kNecUnit, 0.45))
        return IrFrame{Protocol::NEC, 0, 0, true, false};
    if (seg.size() != 67 || !near(seg[1], 8 * kNecUnit, 0.25))
        return std::nullopt;
    const auto bytes = pulseDistanceBytes(seg, kNecUnit);
    if (!bytes || std::uint8_t((*bytes)[2] ^ (*bytes)[3]) != 0xFF)
        return std::nullopt;
    const std::uint8_t lo = (*bytes)[0];
    const std::uint8_t hi = (*bytes)[1];
    IrFrame f{Protocol::NEC, std::uint8_t(lo ^ hi) == 0xFF ? std::uint32_t(lo) : std::uint32_t(lo | hi << 8),
              (*bytes)[2], false, false};
    return f;
}

std::optional<IrFrame> decodeAeha(const std::vector<double>& seg)
{
    if (seg.size() < 3 || seg[0] < 8 * 340 || seg[0] > 8 * 560 || !near(seg[1], seg[0] / 2, 0.3))
        return std::nullopt;
    const double unit = (seg[0] + seg[1]) / 12;
    const auto bytes = pulseDistanceBytes(seg, unit);
    if (!bytes || bytes->size() < 4 || bytes->size() > 11)
        return std::nullopt;
    const std::uint32_t customer = (*bytes)[0] | std::uint32_t((*bytes)[1]) << 8;
    if (((*bytes)[2] & 0xF) != aehaParity(customer))
        return std::nullopt;
    std::uint64_t command = 0;
    for (std::size_t i = 3; i < bytes->size(); ++i)
        command |= std::uint64_t((*bytes)[i]) << (8 * (i - 3));
    return IrFrame{Protocol::AEHA, customer, command, false, false};
}

std::optional<IrFrame> decodeSirc(const std::vector<double>& seg)
{
    const std::size_t count = seg.size() / 2;
    if (seg.size() % 2 == 0 || (count != 12 && count != 15 && count != 20) || !near(seg[0], 4 * kSircUnit, 0.25))
        return std::nullopt;
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double space = seg[1 + 2 * i];
        const double mark = seg[2 + 2 * i];
        if (!near(space, kSircUnit, 0.45))
            return std::nullopt;
        if (near(mark, 2 * kSircUnit, 0.25))
            bits |= std::uint64_t(1) << i;
        else if (!near(mark, kSircUnit, 0.45))
            return std::nullopt;
    }
    return IrFrame{Protocol::SIRC, std::uint32_t(bits >> 7), bits & 0x7F, false, false};
}

std::optional<IrFrame> decodeRc5(const std::vector<double>& seg)
{
    std::vector<int> halves{0}; // the first half of the start bit is dark, so it is not seen
    for (std::size_t i = 0; i < seg.size(); ++i) {
        const double units = std::round(seg[i] / kRc5Half);
        if ((units != 1 && units != 2) || std::abs(seg[i] - units * kRc5Half) > 0.3 * kRc5Half)
            return std::nullopt;
        halves.insert(halves.end(), std::size_t(units), i % 2 == 0 ? 1 : 0);
    }
    if (halves.size() > 28)
        return std::nullopt;
    halves.resize(28, 0); // the last half of a 0 bit is dark
    std::uint32_t word = 0;
    for (int bit = 0; bit < 14; ++bit) {
        const int first = halves[2 * bit];
        const int second = halves[2 * bit + 1];
        if (first == second)
            return std::nullopt;
        word = word << 1 | std::uint32_t(second);
    }
    if (!(word & (1u << 13)))
        return std::nullopt;
    const std::uint32_t command = (word & 0x3F) | ((word & (1u << 12)) ? 0u : 0x40u);
    return IrFrame{Protocol::RC5, (word >> 6) & 0x1F, command, false, bool(word & (1u << 11))};
}

std::optional<IrFrame> decodeSegment(const std::vector<double>& seg)
{
    for (auto decode : {decodeNec, decodeAeha, decodeSirc, decodeRc5}) {
        if (auto frame = decode(seg))
            return frame;
    }
    return std::nullopt;
}

QString hex(std::uint64_t value, int minDigits)
{
    QString digits = QString::number(value, 16).toUpper();
    const int width = std::max<int>(minDigits, int(digits.size() + 1) / 2 * 2);
    return QStringLiteral("0x") + digits.rightJustified(width, u'0');
}

} // namespace

QString protocolName(Protocol protocol)
{
    switch (protocol) {
    case Protocol::NEC: return QStringLiteral("NEC");
    case Protocol::AEHA: return QStringLiteral("AEHA");
    case Protocol::SIRC: return QStringLiteral("SIRC");
    case Protocol::RC5: break;
    }
    return QStringLiteral("RC5");
}

std::optional<Protocol> protocolFromName(QStringView name)
{
    for (Protocol p : {Protocol::NEC, Protocol::AEHA, Protocol::SIRC, Protocol::RC5}) {
        if (name.compare(protocolName(p), Qt::CaseInsensitive) == 0)
            return p;
    }
    return std::nullopt;
}

double nominalCarrierKHz(Protocol protocol)
{
    switch (protocol) {
    case Protocol::NEC: return 38;
    case Protocol::AEHA: return 38;
    case Protocol::SIRC: return 40;
    case Protocol::RC5: break;
    }
    return 36;
}

double framePeriodUs(Protocol protocol)
{
    switch (protocol) {
    case Protocol::NEC: return 108000;
    case Protocol::AEHA: return 130000;
    case Protocol::SIRC: return 45000;
    case Protocol::RC5: break;
    }
    return 113778;
}

std::vector<double> encodeFrame(const IrFrame& frame)
{
    switch (frame.protocol) {
    case Protocol::NEC: return encodeNec(frame);
    case Protocol::AEHA: return encodeAeha(frame);
    case Protocol::SIRC: return encodeSirc(frame);
    case Protocol::RC5: break;
    }
    return encodeRc5(frame);
}

std::vector<double> encodeRepeat(const IrFrame& frame)
{
    if (frame.protocol != Protocol::NEC)
        return encodeFrame(frame);
    IrFrame repeat = frame;
    repeat.repeat = true;
    return encodeNec(repeat);
}

std::vector<IrFrame> decodeFrames(const std::vector<double>& envelope)
{
    std::vector<IrFrame> frames;
    std::vector<double> segment;
    for (std::size_t i = 0; i <= envelope.size(); ++i) {
        const bool end = i == envelope.size() || (i % 2 == 1 && envelope[i] > kFrameGapUs);
        if (!end) {
            segment.push_back(envelope[i]);
            continue;
        }
        if (auto frame = decodeSegment(segment))
            frames.push_back(*frame);
        segment.clear();
    }
    return frames;
}

QString describeFrame(const IrFrame& frame)
{
    const QString name = QStringLiteral("protocol=") + protocolName(frame.protocol);
    if (frame.repeat)
        return name + QStringLiteral(" repeat");
    const int addressDigits = frame.protocol == Protocol::AEHA || frame.address > 0xFF ? 4 : 2;
    return name + QStringLiteral(" address=") + hex(frame.address, addressDigits) + QStringLiteral(" command=") +
           hex(frame.command, 2);
}

std::vector<double> envelopeFromPulses(const std::vector<LightPulse>& pulses, double mergeGapUs)
{
    std::vector<double> envelope;
    if (pulses.empty())
        return envelope;
    double start = pulses.front().start;
    double end = pulses.front().end;
    for (std::size_t i = 1; i < pulses.size(); ++i) {
        const LightPulse& p = pulses[i];
        if (p.start - end < mergeGapUs) {
            end = std::max(end, p.end);
            continue;
        }
        envelope.push_back(end - start);
        envelope.push_back(p.start - end);
        start = p.start;
        end = p.end;
    }
    envelope.push_back(end - start);
    return envelope;
}

double carrierFromPulses(const std::vector<LightPulse>& pulses, double mergeGapUs)
{
    std::vector<double> periods;
    for (std::size_t i = 1; i < pulses.size(); ++i) {
        if (pulses[i].start - pulses[i - 1].end < mergeGapUs)
            periods.push_back(pulses[i].start - pulses[i - 1].start);
    }
    if (periods.empty())
        return 0;
    auto middle = periods.begin() + std::ptrdiff_t(periods.size() / 2);
    std::nth_element(periods.begin(), middle, periods.end());
    return *middle > 0 ? 1000.0 / *middle : 0;
}

std::vector<SeenFrame> decodePulses(const std::vector<LightPulse>& pulses)
{
    std::vector<SeenFrame> seen;
    std::size_t first = 0;
    for (std::size_t i = 1; i <= pulses.size(); ++i) {
        if (i < pulses.size() && pulses[i].start - pulses[i - 1].end <= kFrameGapUs)
            continue;
        const std::vector<LightPulse> group(pulses.begin() + std::ptrdiff_t(first), pulses.begin() + std::ptrdiff_t(i));
        const double carrier = carrierFromPulses(group);
        for (const IrFrame& frame : decodeFrames(envelopeFromPulses(group)))
            seen.push_back({frame, carrier});
        first = i;
    }
    return seen;
}
