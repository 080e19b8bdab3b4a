#include "LearningPage.h"
#include "LearningPageDriver.h"

#include "CatalogueKeys.h"
#include "ReadIRData.h"
#include "ScriptedPrompt.h"
#include "Settings.h"
#include "TempHome.h"
#include "VirtualModuleTrace.h"
#include "frmConfig.h"

#include <QFile>
#include <QLineEdit>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

// The whole learning flow as a new user walks it in the settings dialog on the virtual IR module:
// a signal learned from the virtual remote reaches the telephone's catalogue once OK is pressed.
TEST(LearningFlow, ASignalLearnedInTheSettingsDialogReachesTheTelephoneAfterOk)
{
    TempHome home;
    VirtualModuleTrace module;
    const QByteArray savedPort = qgetenv("TALVERO_PORT");
    qputenv("TALVERO_PORT", "sim");
    qputenv("TALVERO_SPEECH", "sim");
    qputenv("TALVERO_PCAUDIO", "null");
    ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"378"));
    ASSERT_TRUE(WriteSetting(u"Feature", u"IRRemote", u"1"));
    ASSERT_TRUE(WriteSetting(u"IRRemote", u"Pass", u"1234"));
    ScriptedPrompt prompt;
    auto dialog = std::make_unique<frmConfig>(ConfigLinks{});
    dialog->show();
    auto* page = dialog->findChild<LearningPage*>();
    ASSERT_NE(page, nullptr);
    auto* tabs = dialog->findChild<QTabWidget*>();
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(page))
            tabs->setCurrentIndex(i);
    }
    const LearningPageDriver ui([&] { return page; });
    ASSERT_NE(ui.remote(), nullptr) << "the virtual remote comes with the page";

    ui.choose("Combo6", "1");
    ui.choose("Combo7", "05");
    ui.control<QLineEdit>("Text5")->setText(QStringLiteral("テレビ"));
    ui.control<QLineEdit>("Text3")->setText(QStringLiteral("電源"));
    ui.recordTvPower();
    ASSERT_EQ(ui.buttons(), (std::array{false, true, false})) << ui.status().toStdString();
    ui.button("Command2")->click();
    ASSERT_TRUE(ui.relearnedUntilSeen()) << "the virtual appliance received the television's power";
    ASSERT_EQ(ui.buttons(), (std::array{true, false, true})) << ui.status().toStdString();
    ui.button("Command6")->click();
    EXPECT_EQ(ui.caption(), QStringLiteral("1/1"));
    const QString stored = CatalogueKeys::signalFilePath(u"1", u"05");
    EXPECT_EQ(stored, home.file("Remote/1-05"));
    EXPECT_TRUE(QFile::exists(stored));
    EXPECT_TRUE(QFile::exists(home.file("Ans/105.wav")));
    EXPECT_FALSE(irCatalogue().buttonEntry(u"1", u"05")) << "the telephone learns it on saving";

    dialog->findChild<QPushButton*>("Command8")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(page->findChild<QWidget*>("frmIRDetail")->isVisible()) << "the viewer closes with the dialog";
    const auto entry = irCatalogue().buttonEntry(u"1", u"05");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->description, QStringLiteral("電源"));
    EXPECT_EQ(entry->signalFile, stored);
    dialog.reset();
    qputenv("TALVERO_PORT", savedPort);
}

} // namespace
