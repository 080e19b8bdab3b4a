#pragma once

#include <QString>

// The program's settings in setting.ini of the data folder. The path is rebuilt on every call,
// so a change of data folder (tests) or another process's write is seen at once.

QString settingsFilePath();

// The value of key in section, cut to 1023 bytes at a whole character; the empty string when the
// file, section or key is missing.
QString ReadSetting(QStringView section, QStringView key);

// Creates or replaces the key; an empty value keeps the key. False when the file cannot be written
// (the old file stays as it was).
bool WriteSetting(QStringView section, QStringView key, QStringView value);
