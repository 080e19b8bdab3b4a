#pragma once

#include <QString>

#include <optional>

// One line of the caller id a modem reports between the rings: "DATE=1210", "TIME=1301",
// "NMBR=0312345678", "NAME=TARO". What arrives is untrusted: only printable ASCII is kept and
// the value is cut to a sane length.
struct CallerIdLine {
    enum Field { Date, Time, Number, Name };
    Field field = Number;
    QString value;
    // A number field that holds no digit ("P" withheld, "O" out of area) reports no number.
    bool withheld() const;

    static constexpr int kLongestValue = 64;

    // No value when the line is not a caller id line.
    static std::optional<CallerIdLine> parse(const QString& line);
};
