#include "Desktop.h"

#include "SessionDesktop.h"
#include "sim/SimDesktop.h"

std::unique_ptr<Desktop> makeDesktop(const QString& kind)
{
    const QString chosen = kind.isEmpty() ? qEnvironmentVariable("TALVERO_DESKTOP") : kind;
    if (chosen == u"sim")
        return std::make_unique<SimDesktop>();
    return std::make_unique<SessionDesktop>();
}
