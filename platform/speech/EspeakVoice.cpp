#include "EspeakVoice.h"

#include <QMutex>

#include <espeak-ng/speak_lib.h>

namespace EspeakVoice {

namespace {

QMutex g_mutex;
bool g_opened = false;
int g_rate = 0;
QString g_error;
QList<int16_t>* g_sink = nullptr;

int collect(short* wav, int count, espeak_EVENT*)
{
    if (wav && g_sink)
        g_sink->append(QList<int16_t>(wav, wav + count));
    return 0;
}

} // namespace

Status open()
{
    QMutexLocker lock(&g_mutex);
    if (!g_opened) {
        g_opened = true;
        g_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (g_rate <= 0)
            g_error = QStringLiteral("音声合成ライブラリ (espeak-ng) のデータが見つかりません。");
        else if (espeak_SetVoiceByName("ja") != EE_OK)
            g_error = QStringLiteral("日本語の音声データ (espeak-ng の ja) が見つかりません。");
        else
            espeak_SetSynthCallback(collect);
    }
    return g_error.isEmpty() ? Status() : Status::failure(g_error);
}

Result<SpeechAudio> synthesize(const QString& kana)
{
    if (Status s = open(); !s)
        return Result<SpeechAudio>::failure(s.error());
    QMutexLocker lock(&g_mutex);
    SpeechAudio audio;
    audio.sampleRate = g_rate;
    g_sink = &audio.samples;
    const QByteArray utf8 = kana.toUtf8();
    const espeak_ERROR error = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                            espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    g_sink = nullptr;
    if (error != EE_OK)
        return Result<SpeechAudio>::failure(QStringLiteral("音声合成に失敗しました。"));
    return audio;
}

} // namespace EspeakVoice
