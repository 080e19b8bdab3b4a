#include "Settings.h"

#include "DataFolder.h"
#include "IniFile.h"
#include "LegacyText.h"

namespace {
constexpr int kValueBufferBytes = 1023;
}

QString settingsFilePath()
{
    return DataFolder::path(u"\\setting.ini");
}

QString ReadSetting(QStringView section, QStringView key)
{
    const QString v = IniFile(settingsFilePath()).read(section, key);
    QString out = QString::fromUtf8(LegacyText::cutUtf8(v, kValueBufferBytes));
    const qsizetype nul = out.indexOf(QChar(0));
    if (nul >= 0)
        out.truncate(nul);
    return out;
}

bool WriteSetting(QStringView section, QStringView key, QStringView value)
{
    return IniFile(settingsFilePath()).write(section, key, value);
}
