#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Recorded messages are WAV files in "\Messages" named "<stamp>,<caller number>.wav".
namespace MessageStore {

inline const QString kUnknownNumber = QStringLiteral("番号不明");
inline const QString kUnknownName = QStringLiteral("名称不明");
constexpr int kMaxNumberLength = 40;

// "2003-05-07 19-05-12"; an hour of one digit is padded with a space: "2003-05-07  9-05-12".
QString MakeTimeStamp(const QDateTime& when);

// The caller number as it may stand in a file name: digits, "+", "*", "#" and "番号不明" are
// kept, every other character becomes "_", and the result is cut to kMaxNumberLength characters.
QString fileSafeNumber(const QString& number);

// "<stamp>,<number>.wav" with the number made file-safe.
QString messageFileName(const QString& stamp, const QString& number);

QString folder();

// A path in the message folder for this name that no file has yet: "a.wav", else "a (2).wav" …
QString uniquePath(const QString& fileName);

// The names (with extension) of the *.wav files of the message folder, in listing order.
QStringList GetMessages();

} // namespace MessageStore
