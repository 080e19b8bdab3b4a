#pragma once

#include <QList>

#include <cstdint>

// Changes the sample rate of mono 16-bit audio with a windowed-sinc low-pass, so that speech made at
// the synthesiser's rate becomes clean 8 kHz line audio without aliasing.
QList<int16_t> resample(const QList<int16_t>& samples, int fromRate, int toRate);
