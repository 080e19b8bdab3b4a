#pragma once

#include <QList>
#include <QString>

// What the system ships spoken: the telephone dialogue's fixed prompts and number words in
// "\Ans\System\", and the two default greetings. They are spoken at build time by the Japanese voice
// into 8 kHz mono 16-bit files, the format of line audio.
struct ShippedPrompt {
    QString file; // backslash-led path in the data folder
    QString text;
};

QList<ShippedPrompt> shippedPrompts();

inline constexpr int kLineAudioRate = 8000;
