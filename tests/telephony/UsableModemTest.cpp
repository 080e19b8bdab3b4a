#include "UsableModem.h"

#include "LineAddress.h"
#include "LineTypes.h"

#include <gtest/gtest.h>

namespace {

struct FakeAddress : LineAddress {
    QString provider;
    long media = TAPIMEDIATYPE_AUDIO;
    bool terminals = true;
    QString addressName() const override { return "a"; }
    QString serviceProviderName() const override { return provider; }
    long mediaTypes() const override { return media; }
    bool hasTerminalSupport() const override { return terminals; }
    QList<std::shared_ptr<LineCall>> calls() const override { return {}; }
};

} // namespace

TEST(UsableModemTest, DataAndConferenceProvidersAndAddressesWithoutAudioOrTerminalsAreLeftOut)
{
    struct Case {
        QString provider;
        long media;
        bool terminals;
        bool usable;
    };
    const Case cases[] = {
        {"unimdm.tsp", TAPIMEDIATYPE_AUDIO, true, true},   {"talvsim.tsp", 0x18, true, true},
        {"kmddsp.tsp", TAPIMEDIATYPE_AUDIO, true, false},  {"ndptsp.tsp", TAPIMEDIATYPE_AUDIO, true, false},
        {"ipconf.tsp", TAPIMEDIATYPE_AUDIO, true, false},  {"h323.tsp", TAPIMEDIATYPE_AUDIO, true, false},
        {"H323.TSP", TAPIMEDIATYPE_AUDIO, true, true},     {"unimdm.tsp", 0x10, true, false},
        {"unimdm.tsp", TAPIMEDIATYPE_AUDIO, false, false},
    };
    for (const Case& c : cases) {
        FakeAddress a;
        a.provider = c.provider;
        a.media = c.media;
        a.terminals = c.terminals;
        EXPECT_EQ(isUsableModem(a), c.usable) << c.provider.toStdString() << " " << c.media;
    }
}
