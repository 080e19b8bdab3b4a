#pragma once

#include <QString>

// The Japanese text of a dial-up error number; "不明なエラーが発生しました" for a number it does not know.
QString RasErrorText(int number);
