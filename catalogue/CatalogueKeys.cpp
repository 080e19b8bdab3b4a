#include "CatalogueKeys.h"

#include "DataFolder.h"

namespace CatalogueKeys {

namespace {

bool isDigits(QStringView text, qsizetype count)
{
    if (text.size() != count)
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

bool isDeviceNumber(QStringView text)
{
    return isDigits(text, 1);
}

bool isButtonNumber(QStringView text)
{
    return isDigits(text, 2);
}

bool isPair(QStringView device, QStringView button)
{
    return isDeviceNumber(device) && isButtonNumber(button);
}

QString signalFilePath(QStringView device, QStringView button)
{
    return DataFolder::path(QStringLiteral("\\Remote\\%1-%2").arg(device, button));
}

QString spokenLabelPath(QStringView device, QStringView button)
{
    return DataFolder::path(QStringLiteral("\\Ans\\%1%2.wav").arg(device, button));
}

QString workFilePath()
{
    return DataFolder::path(u"\\Remote\\temp.rmt");
}

} // namespace CatalogueKeys
