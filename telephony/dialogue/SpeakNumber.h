#pragma once

#include <QStringList>

// The number-word files, in the order they are played, that say count to the caller: names of
// files in the system prompt folder ("3.wav", "b00.wav", "5.wav", "10.wav" for 350). Nothing is
// said for a count below 0 or from 1000 on.
QStringList SpeakNumber(int count);
