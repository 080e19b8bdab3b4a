#include "ModemLineFixture.h"

#include "WaitUntil.h"

#include <QDir>

ModemLineFixture::ModemLineFixture() : lockDir(home.file("lock"))
{
    QDir().mkpath(lockDir);
    MainWindowLink::install(&status);
}

ModemLineFixture::~ModemLineFixture()
{
    line.reset();
    modem.reset();
    MainWindowLink::install(nullptr);
}

ModemOptions ModemLineFixture::options() const
{
    ModemOptions o;
    o.device = modem->devicePath();
    o.lockDir = lockDir;
    o.commandTimeoutMs = 1500;
    o.ringGapMs = 1200;
    o.retryMs = 200;
    return o;
}

void ModemLineFixture::start(const VoiceModemProfile& profile)
{
    line.reset();
    events.clear();
    modem = std::make_unique<VoiceModemDouble>(profile);
    line = std::make_unique<ModemLine>(options());
    QObject::connect(line.get(), &Line::event, [this](const LineEvent& e) { events << e; });
    const Status ready = line->initialize();
    ASSERT_TRUE(ready.ok()) << ready.error().toStdString();
    line->setEventFilter(kAllLineEvents);
    ASSERT_EQ(line->addresses().size(), 1);
    ASSERT_NE(line->registerCallNotifications(line->addresses().first(), false, true, TAPIMEDIATYPE_AUDIO, 1), 0u);
}

std::shared_ptr<LineCall> ModemLineFixture::answeredCall()
{
    modem->ring(5, 100);
    if (!waitUntil([&] { return count(TE_ADDRESS) > 0; }, 5000))
        return {};
    std::shared_ptr<LineCall> call = lastCall();
    if (!call || !call->answer().ok() || !waitUntil([&] { return sawState(CS_CONNECTED); }, 5000))
        return {};
    return call;
}

std::shared_ptr<LineCall> ModemLineFixture::lastCall() const
{
    for (auto it = events.crbegin(); it != events.crend(); ++it) {
        if (it->call)
            return it->call;
    }
    return {};
}

int ModemLineFixture::count(TapiEvent kind) const
{
    return int(std::count_if(events.begin(), events.end(), [kind](const LineEvent& e) { return e.kind == kind; }));
}

bool ModemLineFixture::sawState(CallState state) const
{
    return std::any_of(events.begin(), events.end(),
                       [state](const LineEvent& e) { return e.kind == TE_CALLSTATE && e.callState == state; });
}
