#include "frmAbout.h"

#include "Twips.h"
#include "sim/SimDesktop.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// What the window sees when the mouse moves over widget (mouse tracking is on).
void moveOver(QWidget* widget)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

void click(QWidget* widget)
{
    const QPointF at(2, 2);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

} // namespace

TEST(frmAboutTest, CreditsTheSpeechComponentsAndLinksTheProjectPage)
{
    SimDesktop desktop;
    QWidget owner;
    owner.move(100, 50);
    frmAbout* about = frmAbout::showFor(&owner, desktop);
    EXPECT_EQ(about->pos(), QPoint(100, 50) + Twips::toPixels(&owner, 200, 1000));
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(frmAbout::showFor(&owner, desktop), about);

    QStringList texts;
    for (const QLabel* label : about->findChildren<QLabel*>())
        texts << label->text();
    const QString all = texts.join('\n');
    EXPECT_TRUE(texts.contains("Morvane v1.03"));
    EXPECT_TRUE(texts.contains("最新の情報はこちらをご覧ください"));
    EXPECT_TRUE(all.contains("espeak-ng"));
    EXPECT_TRUE(all.contains("MeCab"));
    EXPECT_FALSE(all.contains("Microsoft"));

    auto* link = about->findChild<QLabel*>("Label2");
    EXPECT_EQ(link->text(), frmAbout::kProjectPage);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    moveOver(link);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::red));
    moveOver(about);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    click(link);
    EXPECT_EQ(desktop.calls(), QStringList{"openUrl " + frmAbout::kProjectPage});

    about->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(about->isVisible());
}
