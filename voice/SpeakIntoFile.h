#pragma once

#include <QString>

class Speech;

// The one technique behind every label and greeting: the old file is deleted, the recording starts,
// the character speaks the text, and when he has finished the recording becomes the file. Every
// failure is shown through the prompt service; false then, and no file is left that does not hold
// the speech.
// The wait for the speech gives up after limitMs, by default speechTimeLimitMs(text).
bool speakIntoFile(Speech& character, const QString& text, const QString& target, int leadInMs = 0, int limitMs = -1);

// How long a speech of this text may take before the wait gives up.
int speechTimeLimitMs(const QString& text);
