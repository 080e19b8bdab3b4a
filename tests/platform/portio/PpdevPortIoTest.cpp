#include "PpdevPortIo.h"

#include "Settings.h"
#include "TempHome.h"

#include <QTemporaryDir>

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(PpdevPortIo, BasesMapToParportZeroOneTwoUnlessSet)
{
    TempHome home;
    auto devices = PpdevPortIo::configuredDevices();
    EXPECT_EQ(devices[0], "/dev/parport0");
    EXPECT_EQ(devices[1], "/dev/parport1");
    EXPECT_EQ(devices[2], "/dev/parport2");
    ASSERT_TRUE(WriteSetting(u"Platform", u"ParportDevice278", u"/dev/parport4"));
    devices = PpdevPortIo::configuredDevices();
    EXPECT_EQ(devices[1], "/dev/parport4");
    EXPECT_EQ(devices[0], "/dev/parport0");
}

TEST(PpdevPortIo, ProblemTextSaysWhatToDo)
{
    struct Case {
        int error;
        const char* part;
    } cases[] = {
        {EACCES, "add the user to the lp group"},
        {ENOENT, "no parallel port here"},
        {EBUSY, "another program holds the port"},
    };
    for (const Case& c : cases) {
        const QString text = PpdevPortIo::problemText("/dev/parport0", c.error);
        EXPECT_TRUE(text.startsWith("/dev/parport0: ")) << text.toStdString();
        EXPECT_TRUE(text.contains(c.part)) << text.toStdString();
    }
}

TEST(PpdevPortIo, MissingDevicesMeanNoDriverAndPortsDoNothing)
{
    QTemporaryDir dir;
    PpdevPortIo port({dir.filePath("p0"), dir.filePath("p1"), dir.filePath("p2")});
    EXPECT_FALSE(port.IsDriverInstalled());
    EXPECT_TRUE(port.driverProblem().contains(dir.filePath("p0")));
    const QStringList lines = driverMessage(port).split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "IO.dll not properly istalled.");
    port.PortOut(0x378, 1);
    EXPECT_EQ(port.PortIn(0x379), 0xFF);
}

} // namespace
