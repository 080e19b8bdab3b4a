#include "IrThread.h"

#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>

TEST(IrThread, WorkRunsAwayFromTheWindowsWhichIgnoreInputButTheUsableOnes)
{
    QWidget page;
    auto* elsewhere = new QPushButton(QStringLiteral("elsewhere"), &page);
    page.show();
    QWidget remote;
    auto* pressable = new QPushButton(QStringLiteral("pressable"), &remote);
    remote.show();
    int elsewhereClicks = 0;
    int pressableClicks = 0;
    QObject::connect(elsewhere, &QPushButton::clicked, [&] { ++elsewhereClicks; });
    QObject::connect(pressable, &QPushButton::clicked, [&] { ++pressableClicks; });

    std::atomic<bool> clicked = false;
    QTimer::singleShot(0, [&] {
        QTest::mouseClick(elsewhere, Qt::LeftButton);
        QTest::keyClick(elsewhere, Qt::Key_Space);
        QTest::mouseClick(pressable, Qt::LeftButton);
        clicked = true;
    });
    bool postedRan = false;
    QThread* workThread = nullptr;
    QObject context;
    runOnIrThread(
        [&] {
            workThread = QThread::currentThread();
            while (!clicked)
                QThread::msleep(1);
            QMetaObject::invokeMethod(
                &context, [&] { postedRan = true; }, Qt::QueuedConnection);
        },
        {&remote});
    EXPECT_NE(workThread, QThread::currentThread());
    EXPECT_TRUE(postedRan) << "what the work posted has run";
    EXPECT_EQ(elsewhereClicks, 0);
    EXPECT_EQ(pressableClicks, 1);

    QTest::mouseClick(elsewhere, Qt::LeftButton);
    EXPECT_EQ(elsewhereClicks, 1) << "input reaches the windows again";
}
