#pragma once

#include <QString>

class Speech;

struct SpeechEnd {
    bool completed = false;
    QString error;
};

// Waits, letting window events run, until the character's request completes or limitMs passes.
SpeechEnd waitForSpeech(Speech& character, quint64 request, int limitMs);
