#include "makeLine.h"

#include "DataFolder.h"
#include "ModemLine.h"
#include "Settings.h"
#include "SimLine.h"
#include "SimLineSocket.h"
#include "SipLine.h"

#include <QDebug>

std::unique_ptr<Line> makeLine()
{
    const QString provider = ReadSetting(u"Line", u"Provider").trimmed().toLower();
    if (provider == u"sip")
        return std::make_unique<SipLine>(SipOptions::fromSettings());
    if (provider == u"modem")
        return std::make_unique<ModemLine>(ModemOptions::fromSettings());
    // Every other choice falls back to the simulated line.
    auto line = std::make_unique<SimLine>(SimLineOptions::fromSettings());
    const Status door = line->openDoor(SimLineSocket::name(DataFolder::current()));
    if (!door)
        qWarning().noquote() << "virtual line:" << door.error();
    return line;
}
