#pragma once

#include <QString>

// [AnsweringMachine] MaxMessage is kept in seconds and chosen in whole minutes, 1 to 10.
namespace MessageMinutes {

constexpr int kShortest = 1;
constexpr int kLongest = 10;

// The stored seconds as minutes, a decimal number (180 → "3", 90 → "1.5"); empty when the stored
// text is not a positive number.
QString fromSeconds(const QString& seconds);

// The minutes shown as seconds to store: rounded to a whole minute (a half to the even neighbour,
// so 1.5 gives 120) and kept within 1 to 10 minutes; empty when the text is not a number.
QString toSeconds(const QString& minutes);

} // namespace MessageMinutes
