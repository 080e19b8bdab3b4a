#include "PortAddressSetting.h"

#include "PortBase.h"
#include "Settings.h"

namespace PortAddressSetting {

QString load()
{
    const QString stored = ReadSetting(u"PPort", u"Addr");
    if (portBaseFromText(stored))
        return stored;
    store(kPortBaseTexts[0]);
    return kPortBaseTexts[0];
}

bool store(const QString& address)
{
    return WriteSetting(u"PPort", u"Addr", address);
}

} // namespace PortAddressSetting
