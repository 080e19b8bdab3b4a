#pragma once

#include <QtGlobal>

// A PCM format as a WAV header and the line's audio devices describe it.
struct WaveFormat {
    int channels = 1;
    int samplesPerSecond = 8000;
    int bitsPerSample = 16;

    int blockAlign() const { return bitsPerSample / 8 * channels; }
    int bytesPerSecond() const { return samplesPerSecond * blockAlign(); }
    bool operator==(const WaveFormat&) const = default;

    // What a telephone line carries: 8 kHz, mono, 16 bits.
    static WaveFormat line() { return {}; }
    // The fallback of a capture device that refuses 16 bits.
    static WaveFormat line8Bit() { return {1, 8000, 8}; }
};
