#include "DirectPortIo.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

TEST(DirectPortIo, ProblemTextSaysWhatToDo)
{
    EXPECT_TRUE(DirectPortIo::problemText(EPERM).contains("run as root"));
    EXPECT_TRUE(DirectPortIo::problemText(ENOSYS).contains("no port I/O"));
    EXPECT_TRUE(DirectPortIo::problemText(EPERM).startsWith("ioperm: "));
}

TEST(DirectPortIo, WithoutPortAccessNothingIsTouched)
{
    DirectPortIo port;
    if (port.IsDriverInstalled())
        GTEST_SKIP() << "this machine grants port I/O";
    EXPECT_FALSE(port.driverProblem().isEmpty());
    port.PortOut(0x378, 1); // must not fault
    EXPECT_EQ(port.PortIn(0x379), 0xFF);
}

} // namespace
