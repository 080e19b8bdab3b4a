#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Remote-control frame formats: how a frame becomes marks (carrier bursts) and spaces, and back.
// An envelope is a list of durations in microseconds that starts with a mark and alternates mark,
// space, mark, ...

enum class Protocol { NEC, AEHA, SIRC, RC5 };

struct IrFrame {
    Protocol protocol = Protocol::NEC;
    std::uint32_t address = 0; // NEC 8 or 16 bits, AEHA customer code 16, SIRC 5/8/13, RC5 5
    std::uint64_t command = 0; // NEC 8, AEHA 1..8 bytes (first byte lowest), SIRC 7, RC5 7
    bool repeat = false;       // NEC: the short repeat code of a held button
    bool toggle = false;       // RC5: flips with every new press

    bool operator==(const IrFrame&) const = default;
};

QString protocolName(Protocol protocol);
std::optional<Protocol> protocolFromName(QStringView name); // case-insensitive
double nominalCarrierKHz(Protocol protocol);
// Start-to-start distance of the frames a held button sends.
double framePeriodUs(Protocol protocol);

// The envelope of one frame; ends with a mark.
std::vector<double> encodeFrame(const IrFrame& frame);
// What a held button sends after the first frame: NEC its repeat code, the others the frame again.
std::vector<double> encodeRepeat(const IrFrame& frame);

// Every frame found in an envelope, frames split at spaces longer than a frame's longest space.
std::vector<IrFrame> decodeFrames(const std::vector<double>& envelope);

// "protocol=NEC address=0x10 command=0x4F" (NEC repeat: "protocol=NEC repeat").
QString describeFrame(const IrFrame& frame);

// Light pulses (start, end in µs, sorted) merged into an envelope: pulses closer than mergeGapUs are
// one burst of carrier.
struct LightPulse {
    double start = 0;
    double end = 0;
};
inline constexpr double kCarrierMergeGapUs = 200;
std::vector<double> envelopeFromPulses(const std::vector<LightPulse>& pulses, double mergeGapUs = kCarrierMergeGapUs);
// The carrier seen in the pulses: the median start-to-start distance inside bursts, as kHz; 0 if none.
double carrierFromPulses(const std::vector<LightPulse>& pulses, double mergeGapUs = kCarrierMergeGapUs);

// The frames in a stream of light pulses, each with the carrier of its own pulses.
struct SeenFrame {
    IrFrame frame;
    double carrierKHz = 0;
};
std::vector<SeenFrame> decodePulses(const std::vector<LightPulse>& pulses);
