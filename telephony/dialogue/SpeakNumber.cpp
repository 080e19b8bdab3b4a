#include "SpeakNumber.h"

namespace {

QString digitFile(int digit)
{
    return QString::number(digit) + QStringLiteral(".wav");
}

// Tens and ones below a hundred: "10.wav" stands for the tens, said alone for a tens digit of 1.
void appendTensAndOnes(QStringList* files, int tens, int ones)
{
    if (tens != 0) {
        if (tens != 1)
            files->append(digitFile(tens));
        files->append(QStringLiteral("10.wav"));
    }
    if (ones != 0)
        files->append(digitFile(ones));
}

} // namespace

QStringList SpeakNumber(int count)
{
    QStringList files;
    if (count < 0 || count >= 1000)
        return files;
    if (count < 10)
        return {digitFile(count)};
    const int hundreds = count / 100;
    const int tens = count / 10 % 10;
    const int ones = count % 10;
    // Three and six hundred have sounds of their own in Japanese.
    if (hundreds == 3)
        files << digitFile(3) << QStringLiteral("b00.wav");
    else if (hundreds == 6)
        files << digitFile(6) << QStringLiteral("p00.wav");
    else if (hundreds == 1)
        files << QStringLiteral("100.wav");
    else if (hundreds > 1)
        files << digitFile(hundreds) << QStringLiteral("100.wav");
    appendTensAndOnes(&files, tens, ones);
    return files;
}
