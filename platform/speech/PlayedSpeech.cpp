#include "PlayedSpeech.h"

#include "PcAudio.h"

#include <QMetaObject>

namespace {

constexpr int kChunkMs = 100; // how often a speech being played checks for an end of the program

} // namespace

PlayedSpeech::~PlayedSpeech()
{
    m_cancel = true;
    finishWorker();
}

void PlayedSpeech::finishWorker()
{
    if (m_worker.joinable())
        m_worker.join();
}

Result<quint64> PlayedSpeech::speak(const QString& text)
{
    if (m_speaking)
        return Result<quint64>::failure(QStringLiteral("キャラクターが話している最中です。"));
    Result<SpeechAudio> audio = synthesize(text);
    if (!audio)
        return Result<quint64>::failure(audio.error());
    auto output = m_output.openOutput(audio->sampleRate);
    if (!output)
        return Result<quint64>::failure(output.error());
    finishWorker();
    const quint64 request = ++m_lastRequest;
    m_speaking = true;
    speechStarted(text);
    m_worker = std::thread([this, request, out = std::shared_ptr<PcmOutput>(std::move(output.value())),
                            samples = std::move(audio.value().samples), rate = audio->sampleRate] {
        const qsizetype chunk = qsizetype(rate) * kChunkMs / 1000;
        Status played;
        for (qsizetype at = 0; played && at < samples.size() && !m_cancel; at += chunk)
            played = out->write(samples.constData() + at, std::min(chunk, samples.size() - at));
        if (played && !m_cancel)
            played = out->drain();
        QMetaObject::invokeMethod(
            this,
            [this, request, error = played.error()] {
                m_speaking = false;
                speechEnded();
                emit requestComplete(request, error);
            },
            Qt::QueuedConnection);
    });
    return request;
}
