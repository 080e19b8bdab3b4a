#pragma once

#include "Result.h"

#include <QString>

#include <cstdint>
#include <memory>

// A stream of mono 16-bit samples to the PC's audio output: what the speaking character says.
// write() keeps pace with playback; drain() returns once everything written has been played.
class PcmOutput {
public:
    virtual ~PcmOutput() = default;
    virtual Status write(const int16_t* samples, qsizetype count) = 0;
    virtual Status drain() = 0;
};

// The PC's own sound: recording the recording source (by default what the PC plays) into a WAV file,
// and playing a WAV file to the output. One recording and one playback object each; callers keep
// them from overlapping.
class PcAudio {
public:
    virtual ~PcAudio() = default;

    // Starts recording into a new WAV file (8 kHz mono 16-bit) and returns at once.
    virtual Status startRecording(const QString& wavPath) = 0;
    // Ends the recording and completes the file; an error when the recording broke off.
    virtual Status stopRecording() = 0;

    // Starts playing a WAV file and returns at once; isPlaying() turns false when it has ended.
    virtual Status startPlayback(const QString& wavPath) = 0;
    virtual bool isPlaying() const = 0;
    virtual void stopPlayback() = 0;

    virtual Result<std::unique_ptr<PcmOutput>> openOutput(int sampleRate) = 0;
};

// The sound server when [Audio] Device is "pulse" or empty and a server answers; the null device,
// which writes and reads files only, when it is "null" or no server answers. $TALVERO_PCAUDIO
// (pulse|null) overrides the setting.
std::unique_ptr<PcAudio> makePcAudio();

// The recording source: [Audio] RecordSource, by default the monitor of the default output.
QString recordSourceName();

inline constexpr int kRecordingRate = 8000;
