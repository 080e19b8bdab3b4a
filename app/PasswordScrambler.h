#pragma once

#include "Result.h"

#include <QString>

// The scrambled form of the stored dial-up password: each character's single-byte code plus five
// times its 1-based position, as four upper-case hexadecimal digits.

// Refuses a password holding a character without a single-byte code (kanji, kana other than
// half-width) or one too long for four digits, since such a form could not be read back.
Result<QString> EncodePassword(const QString& plain);

// The plain form; groups that are not hexadecimal or give no character are skipped.
QString DecodePassword(const QString& stored);
