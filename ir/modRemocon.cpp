#include "modRemocon.h"

#include "PortIo.h"
#include "Prompt.h"
#include "Settings.h"

namespace {

double g_carrierKHz = 0;
CaptureObserver* g_observer = nullptr;

} // namespace

QString portBaseSetting()
{
    const QString text = ReadSetting(u"PPort", u"Addr");
    return text.isEmpty() ? QStringLiteral("378") : text;
}

bool CaptureSignal(const QString& path)
{
    const QString base = ReadSetting(u"PPort", u"Addr");
    const std::unique_ptr<PortIo> port = makePortIo();
    const CaptureOutcome outcome = captureSignal(*port, base, path, g_observer);
    if (outcome.failure == CaptureOutcome::Failure::Driver) {
        Prompts::exclamation(outcome.error);
        return false;
    }
    if (!outcome.ok())
        return false;
    g_carrierKHz = outcome.carrierKHz;
    return true;
}

bool SendSignal(const QString& path)
{
    const QString base = ReadSetting(u"PPort", u"Addr");
    const std::unique_ptr<PortIo> port = makePortIo();
    return sendSignal(*port, base, path).ok;
}

void ResetPorts()
{
    const std::unique_ptr<PortIo> port = makePortIo();
    ResetPorts(*port);
}

double CarrierKHz()
{
    return g_carrierKHz;
}

void setCaptureObserver(CaptureObserver* observer)
{
    g_observer = observer;
}
