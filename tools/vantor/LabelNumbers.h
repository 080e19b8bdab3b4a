#pragma once

#include <QString>

// The number forms of the sampling test's labels, as plain decimal text without trailing zeros
// ("12", "12.3", "0.25").
namespace LabelNumbers {

// The whole part of a value: the axis ends.
QString wholePart(double value);
// The whole part of value × 10, divided by 10: the mean and the maximum, cut to tenths.
QString tenths(double value);
// The error rate in percent: share × 10,000 rounded to an integer (halves to even), divided by 100.
QString percent(double share);

} // namespace LabelNumbers
