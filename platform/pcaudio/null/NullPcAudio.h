#pragma once

#include "PcAudio.h"
#include "WavFile.h"

#include <QMutex>

// A sound card with no sound: a recording hears what this process plays, playback checks the
// file and is over at once.
class NullPcAudio : public PcAudio {
public:
    ~NullPcAudio() override;

    Status startRecording(const QString& wavPath) override;
    Status stopRecording() override;
    Status startPlayback(const QString& wavPath) override;
    bool isPlaying() const override { return false; }
    void stopPlayback() override {}
    Result<std::unique_ptr<PcmOutput>> openOutput(int sampleRate) override;

private:
    QMutex m_mutex;
    WavFileWriter m_writer;
    Status m_recordError;
};
