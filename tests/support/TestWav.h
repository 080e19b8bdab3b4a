#pragma once

#include <QByteArray>
#include <QString>

// Small WAV files made by tests: a sine tone of the given length and PCM format.
QByteArray toneWav(double seconds, int rate = 8000, int channels = 1, int bits = 16, double hz = 440);
void writeToneWav(const QString& path, double seconds, int rate = 8000, int channels = 1, int bits = 16);
