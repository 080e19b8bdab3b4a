#include "UsableModem.h"

#include "LineAddress.h"
#include "LineTypes.h"

#include <QStringList>

bool isUsableModem(const LineAddress& address)
{
    static const QStringList excluded{QStringLiteral("kmddsp.tsp"), QStringLiteral("ndptsp.tsp"),
                                      QStringLiteral("ipconf.tsp"), QStringLiteral("h323.tsp")};
    return !excluded.contains(address.serviceProviderName()) && (address.mediaTypes() & TAPIMEDIATYPE_AUDIO) &&
           address.hasTerminalSupport();
}
