#include "PulsePcAudio.h"

#include <QFileInfo>

namespace {

constexpr int kChunkMs = 20;

class PulseOutput : public PcmOutput {
public:
    explicit PulseOutput(std::shared_ptr<PulseStream> stream) : m_stream(std::move(stream)) {}
    Status write(const int16_t* samples, qsizetype count) override
    {
        return m_stream->write(samples, size_t(count) * sizeof(int16_t));
    }
    Status drain() override { return m_stream->drain(); }

private:
    std::shared_ptr<PulseStream> m_stream;
};

} // namespace

PulsePcAudio::PulsePcAudio(QString recordSource) : m_source(std::move(recordSource)) {}

PulsePcAudio::~PulsePcAudio()
{
    if (m_recorder.joinable())
        stopRecording();
    stopPlayback();
}

Status PulsePcAudio::startRecording(const QString& wavPath)
{
    if (m_recorder.joinable())
        stopRecording();
    const WavFormat format{kRecordingRate, 1, 16};
    auto stream =
        PulseStream::open(PulseStream::Direction::Record, m_source, format, QStringLiteral("Talvero recording"));
    if (!stream)
        return Status::failure(stream.error());
    if (Status s = m_writer.open(wavPath, format); !s)
        return s;
    m_recordError = {};
    m_stopRecording = false;
    m_recorder = std::thread([this, s = stream.value()] {
        QByteArray chunk(kRecordingRate * 2 * kChunkMs / 1000, '\0');
        while (!m_stopRecording && m_recordError) {
            m_recordError = s->read(chunk.data(), size_t(chunk.size()));
            if (m_recordError)
                m_recordError = m_writer.append(chunk.constData(), chunk.size());
        }
    });
    return {};
}

Status PulsePcAudio::stopRecording()
{
    if (!m_recorder.joinable())
        return Status::failure(QStringLiteral("録音は始まっていません。"));
    m_stopRecording = true;
    m_recorder.join();
    const Status finished = m_writer.finish();
    return m_recordError ? finished : m_recordError;
}

Status PulsePcAudio::startPlayback(const QString& wavPath)
{
    stopPlayback();
    Result<WavData> wav = readWav(wavPath);
    if (!wav)
        return Status::failure(wav.error());
    auto stream =
        PulseStream::open(PulseStream::Direction::Playback, QString(), wav->format, QFileInfo(wavPath).fileName());
    if (!stream)
        return Status::failure(stream.error());
    m_stopPlayback = false;
    m_playing = true;
    m_player = std::thread([this, s = stream.value(), data = std::move(wav.value())] {
        const qsizetype chunk = qsizetype(data.format.sampleRate) * data.format.bytesPerFrame() * kChunkMs / 1000;
        bool ok = true;
        for (qsizetype at = 0; ok && at < data.pcm.size() && !m_stopPlayback; at += chunk)
            ok = bool(s->write(data.pcm.constData() + at, size_t(std::min(chunk, data.pcm.size() - at))));
        if (m_stopPlayback)
            s->flush();
        else if (ok)
            s->drain();
        m_playing = false;
    });
    return {};
}

void PulsePcAudio::stopPlayback()
{
    m_stopPlayback = true;
    if (m_player.joinable())
        m_player.join();
}

Result<std::unique_ptr<PcmOutput>> PulsePcAudio::openOutput(int sampleRate)
{
    auto stream = PulseStream::open(PulseStream::Direction::Playback, QString(), WavFormat{sampleRate, 1, 16},
                                    QStringLiteral("Talvero speech"));
    if (!stream)
        return Result<std::unique_ptr<PcmOutput>>::failure(stream.error());
    return std::unique_ptr<PcmOutput>(std::make_unique<PulseOutput>(stream.value()));
}
