#include "NullPcAudio.h"

#include "NullAudioBus.h"

#include <QtEndian>

namespace {

class NullOutput : public PcmOutput {
public:
    explicit NullOutput(int sampleRate) : m_rate(sampleRate) {}
    Status write(const int16_t* samples, qsizetype count) override
    {
        NullAudioBus::instance().play(QList<int16_t>(samples, samples + count), m_rate);
        return {};
    }
    Status drain() override { return {}; }

private:
    int m_rate;
};

} // namespace

NullPcAudio::~NullPcAudio()
{
    if (m_writer.isOpen())
        stopRecording();
}

Status NullPcAudio::startRecording(const QString& wavPath)
{
    if (m_writer.isOpen())
        stopRecording();
    if (Status s = m_writer.open(wavPath, WavFormat{kRecordingRate, 1, 16}); !s)
        return s;
    m_recordError = {};
    NullAudioBus::instance().setListener([this](const QList<int16_t>& samples) {
        QByteArray pcm(samples.size() * 2, '\0');
        for (qsizetype i = 0; i < samples.size(); ++i)
            qToLittleEndian<qint16>(samples[i], pcm.data() + 2 * i);
        QMutexLocker lock(&m_mutex);
        if (m_recordError)
            m_recordError = m_writer.append(pcm.constData(), pcm.size());
    });
    return {};
}

Status NullPcAudio::stopRecording()
{
    NullAudioBus::instance().setListener({});
    if (!m_writer.isOpen())
        return Status::failure(QStringLiteral("録音は始まっていません。"));
    const Status finished = m_writer.finish();
    return m_recordError ? finished : m_recordError;
}

Status NullPcAudio::startPlayback(const QString& wavPath)
{
    const Result<WavData> wav = readWav(wavPath);
    if (!wav)
        return Status::failure(wav.error());
    NullAudioBus::instance().play(wav->monoSamples(), wav->format.sampleRate);
    return {};
}

Result<std::unique_ptr<PcmOutput>> NullPcAudio::openOutput(int sampleRate)
{
    return std::unique_ptr<PcmOutput>(std::make_unique<NullOutput>(sampleRate));
}
