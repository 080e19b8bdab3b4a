#include "PortIo.h"

#include "DirectPortIo.h"
#include "PpdevPortIo.h"
#include "Settings.h"
#include "sim/SimPortIo.h"

#include <QFileInfo>

namespace {

// Stands in for an implementation that was named wrongly: nothing can be reached, and the
// driver message says which setting to mend.
class UnknownPortIo : public PortIo {
public:
    explicit UnknownPortIo(QString name) : m_name(std::move(name)) {}
    bool IsDriverInstalled() override { return false; }
    void PortOut(std::uint16_t, std::uint8_t) override {}
    std::uint8_t PortIn(std::uint16_t) override { return 0xFF; }
    void SetPortBit(std::uint16_t, std::uint8_t) override {}
    void ClrPortBit(std::uint16_t, std::uint8_t) override {}
    QString driverProblem() const override
    {
        return QStringLiteral("unknown port access \"%1\": use auto, sim, ppdev or direct ($TALVERO_PORT or "
                              "[Platform] Port)")
            .arg(m_name);
    }
    QString kind() const override { return m_name; }

private:
    QString m_name;
};

bool anyParportPresent(const std::array<QString, 3>& devices)
{
    for (const QString& d : devices) {
        if (QFileInfo::exists(d))
            return true;
    }
    return false;
}

} // namespace

QString driverMessage(const PortIo& port)
{
    const QString problem = port.driverProblem();
    return problem.isEmpty() ? kDriverMessage : kDriverMessage + u'\n' + problem;
}

std::unique_ptr<PortIo> makePortIo(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n == u"sim")
        return std::make_unique<SimPortIo>();
    if (n == u"ppdev")
        return std::make_unique<PpdevPortIo>(PpdevPortIo::configuredDevices());
    if (n == u"direct")
        return std::make_unique<DirectPortIo>();
    if (n.isEmpty() || n == u"auto") {
        const auto devices = PpdevPortIo::configuredDevices();
        if (anyParportPresent(devices))
            return std::make_unique<PpdevPortIo>(devices);
        return std::make_unique<SimPortIo>();
    }
    return std::make_unique<UnknownPortIo>(name.trimmed());
}

std::unique_ptr<PortIo> makePortIo()
{
    const QString env = qEnvironmentVariable("TALVERO_PORT");
    return makePortIo(env.isEmpty() ? ReadSetting(u"Platform", u"Port") : env);
}
