#include "makeLine.h"

#include "LineAddress.h"
#include "Settings.h"
#include "SipFreePort.h"
#include "TempHome.h"

#include <gtest/gtest.h>

namespace {

TEST(makeLineTest, ProviderSipGivesTheSipLineOnItsListener)
{
    TempHome home;
    const int port = freeUdpPort();
    WriteSetting(u"Line", u"Provider", u"SIP");
    WriteSetting(u"SIP", u"Listen", QStringLiteral("127.0.0.1:%1").arg(port));
    WriteSetting(u"SIP", u"User", u"am");
    const std::unique_ptr<Line> line = makeLine();
    ASSERT_EQ(line->addresses().size(), 1);
    EXPECT_EQ(line->addresses().first()->addressName(), QStringLiteral("am@127.0.0.1:%1").arg(port));
    EXPECT_EQ(line->addresses().first()->serviceProviderName(), "talvsip.tsp");
    EXPECT_TRUE(line->initialize().ok());
    line->shutdown();
}

} // namespace
