#include "Dialog.h"

#include "Twips.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(DialogTest, ShowsOneErrorWindowBelowTheOwner)
{
    QWidget owner;
    owner.move(40, 30);
    Dialog* dialog = Dialog::showText(&owner, "メールの送信に失敗しました");
    EXPECT_EQ(dialog->windowTitle(), "Morvane　－　エラー");
    EXPECT_EQ(dialog->text(), "メールの送信に失敗しました");
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->pos(), QPoint(40, 30 + Twips::toPixels(1000, Twips::dpiY(&owner))));
    EXPECT_EQ(dialog->findChild<QPushButton*>("OKButton")->text(), "OK");

    EXPECT_EQ(Dialog::showText(&owner, "二つ目"), dialog);
    EXPECT_EQ(dialog->findChild<QLabel*>("Label1")->text(), "二つ目");
    dialog->findChild<QPushButton*>("OKButton")->click();
    EXPECT_FALSE(dialog->isVisible());
}
