#pragma once

#include "PcAudio.h"
#include "PulseStream.h"
#include "WavFile.h"

#include <atomic>
#include <memory>
#include <thread>

// Records a source of the sound server (by default the monitor of the default output) and plays
// to its default output. Each stream is read or written by a worker thread of its own.
class PulsePcAudio : public PcAudio {
public:
    explicit PulsePcAudio(QString recordSource);
    ~PulsePcAudio() override;

    Status startRecording(const QString& wavPath) override;
    Status stopRecording() override;
    Status startPlayback(const QString& wavPath) override;
    bool isPlaying() const override { return m_playing; }
    void stopPlayback() override;
    Result<std::unique_ptr<PcmOutput>> openOutput(int sampleRate) override;

private:
    QString m_source;

    std::thread m_recorder;
    std::atomic<bool> m_stopRecording = false;
    WavFileWriter m_writer;
    Status m_recordError;

    std::thread m_player;
    std::atomic<bool> m_stopPlayback = false;
    std::atomic<bool> m_playing = false;
};
