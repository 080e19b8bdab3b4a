#pragma once

#include <QString>
#include <QStringView>

// The pair (device number, button number) that addresses a learned signal, and the files named
// after it. The keys are text and are never converted, so the leading zero of "05" survives.
namespace CatalogueKeys {

// One decimal digit "0".."9".
bool isDeviceNumber(QStringView text);
// Exactly two decimal digits "00".."99".
bool isButtonNumber(QStringView text);
bool isPair(QStringView device, QStringView button);

// "\Remote\<device>-<button>", no extension: device 1, button 05 gives Remote/1-05.
QString signalFilePath(QStringView device, QStringView button);
// "\Ans\<device><button>.wav": device 1, button 05 gives Ans/105.wav.
QString spokenLabelPath(QStringView device, QStringView button);
// "\Remote\temp.rmt", the target of every capture while learning.
QString workFilePath();

} // namespace CatalogueKeys
