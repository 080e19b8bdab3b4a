#include "SingleInstance.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

TEST(SingleInstanceTest, OneHolderPerDataFolder)
{
    QTemporaryDir a;
    QTemporaryDir b;
    auto first = std::make_unique<SingleInstance>(a.path());
    ASSERT_TRUE(first->acquire());
    EXPECT_TRUE(first->acquire()); // asking again keeps it

    SingleInstance second(a.path());
    EXPECT_FALSE(second.acquire());
    SingleInstance other(b.path());
    EXPECT_TRUE(other.acquire());

    first.reset();
    SingleInstance third(a.path());
    EXPECT_TRUE(third.acquire());
}

TEST(SingleInstanceTest, ALaterStartAsksForTheWindow)
{
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    ASSERT_TRUE(first.acquire());
    int shown = 0;
    first.listen([&shown] { ++shown; });

    SingleInstance later(folder.path());
    ASSERT_FALSE(later.acquire());
    later.askFirstToShow();
    EXPECT_TRUE(QTest::qWaitFor([&shown] { return shown == 1; }));
}
