#pragma once

#include <QByteArray>
#include <QString>

// Text files written by earlier versions of the program are in Shift-JIS (code page 932);
// ours are UTF-8. These helpers read either and cut UTF-8 safely.
namespace LegacyText {

// Decodes a file's bytes: a UTF-8 byte-order mark is dropped; text that is not valid UTF-8 is read
// as code page 932, with undecodable bytes replaced. *hadBom tells whether a mark was there.
QString decode(const QByteArray& bytes, bool* hadBom = nullptr);

// The UTF-8 form of text cut to at most maxBytes bytes without splitting a character.
QByteArray cutUtf8(const QString& text, int maxBytes);

// The single-byte code page 932 code of a character (ASCII and half-width katakana),
// or -1 when the character takes two bytes or has no code there.
int singleByteCode(char32_t c);

// The character of a single-byte code page 932 code, or 0 when the code is not a character.
char32_t fromSingleByteCode(int code);

} // namespace LegacyText
