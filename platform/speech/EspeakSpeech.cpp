#include "EspeakSpeech.h"

#include <QGuiApplication>

Status EspeakSpeech::load()
{
    if (m_loaded)
        return {};
    if (Status s = m_voice.open(); !s)
        return s;
    m_loaded = true;
    return {};
}

Result<SpeechAudio> EspeakSpeech::synthesize(const QString& text)
{
    if (Status s = load(); !s)
        return Result<SpeechAudio>::failure(s.error());
    return m_voice.synthesize(text);
}

void EspeakSpeech::speechStarted(const QString& text)
{
    // Command-line use without a window system shows no character.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    if (!m_window)
        m_window = std::make_unique<CharacterWindow>();
    m_window->startSpeaking(text);
}

void EspeakSpeech::speechEnded()
{
    if (m_window)
        m_window->stopSpeaking();
}
