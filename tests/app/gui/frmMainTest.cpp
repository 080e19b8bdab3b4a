#include "frmMain.h"

#include "DataFolder.h"
#include "ScriptedPrompt.h"
#include "Settings.h"
#include "TempHome.h"
#include "Twips.h"
#include "sim/SimDesktop.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class frmMainTest : public ::testing::Test {
protected:
    frmMainTest() : m_window(m_desktop)
    {
        m_window.setLineSwitch([this](bool on) { m_switched << on; });
    }

    void addMessages(const QStringList& names)
    {
        QDir().mkpath(m_home.file("Messages"));
        for (const QString& name : names) {
            QFile file(m_home.file("Messages/" + name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("RIFF");
        }
        m_window.FillAMHistory();
    }
    QStringList messages() const { return QDir(m_home.file("Messages")).entryList(QDir::Files); }
    QListWidget* list() const { return m_window.findChild<QListWidget*>("List1"); }
    QPushButton* button(const char* name) const { return m_window.findChild<QPushButton*>(name); }
    QAction* action(const char* name) const { return m_window.findChild<QAction*>(name); }
    void select(std::initializer_list<int> rows)
    {
        list()->clearSelection();
        for (int row : rows)
            list()->item(row)->setSelected(true);
    }
    // The captions of a menu's entries in order, "-" for a separator.
    static QStringList entries(const QMenu* menu)
    {
        QStringList out;
        for (const QAction* a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }

    TempHome m_home;
    SimDesktop m_desktop;
    QList<bool> m_switched;
    frmMain m_window;
};

} // namespace

TEST_F(frmMainTest, ControlsCarryTheirTexts)
{
    EXPECT_EQ(m_window.windowTitle(), "Morvane");
    QStringList frames;
    for (const QGroupBox* frame : m_window.findChildren<QGroupBox*>())
        frames << frame->title();
    EXPECT_EQ(frames, (QStringList{"電話着信待ち受け", "留守番電話に残されたメッセージ"}));

    auto* on = m_window.findChild<QRadioButton*>("optMediaMode0");
    auto* off = m_window.findChild<QRadioButton*>("optMediaMode1");
    ASSERT_TRUE(on && off);
    EXPECT_EQ(on->text(), "ON");
    EXPECT_EQ(on->toolTip(), "ONにすると着信に応答します");
    EXPECT_EQ(off->text(), "OFF");

    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(list()->toolTip(), "メッセージが残された日時と相手の電話番号");
    struct Button {
        const char* name;
        const char* caption;
        const char* tip;
    };
    const Button buttons[] = {{"Command1", "再生", "選択された行のメッセージを再生"},
                              {"Command2", "全て再生", ""},
                              {"Command3", "消去", "選択された行のメッセージを削除"},
                              {"Command4", "全て消去", ""}};
    for (const Button& b : buttons) {
        ASSERT_TRUE(button(b.name)) << b.name;
        EXPECT_EQ(button(b.name)->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(button(b.name)->toolTip(), QString::fromUtf8(b.tip));
    }
    auto* count = m_window.findChild<QLabel*>("Label1");
    EXPECT_TRUE(count->alignment() & Qt::AlignRight);
    EXPECT_EQ(count->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(m_window.findChild<QLabel*>("Label2")->text(), "件");
    EXPECT_EQ(m_window.height(), Twips::toPixels(3885, Twips::dpiY(&m_window)));
}

TEST_F(frmMainTest, MenusHaveTheirEntriesAndSeparators)
{
    QStringList bar;
    for (const QAction* a : m_window.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"ファイル(&F)", "設定(&S)", "ヘルプ(&H)"}));
    EXPECT_EQ(entries(m_window.findChild<QMenu*>("MFile")), (QStringList{"動作ログを表示(&L)", "-", "終了(&E)"}));
    EXPECT_EQ(entries(m_window.findChild<QMenu*>("MSetting")),
              (QStringList{"全般(&G)", "-", "パラレルポートのアドレス(&S)", "-", "音声合成エンジンのインストール(&I)",
                           "-", "Windows起動時に起動(&W)"}));
    EXPECT_EQ(entries(m_window.findChild<QMenu*>("MAddr")), (QStringList{"378H", "278H", "3BCH"}));
    EXPECT_EQ(entries(m_window.findChild<QMenu*>("MHelp")),
              (QStringList{"目次とキーワード(&C)", "-", "バージョン情報(&A)"}));
    EXPECT_EQ(entries(m_window.findChild<QMenu*>("MMenu2")), (QStringList{"再生", "-", "削除"}));
}

TEST_F(frmMainTest, StatusTextGoesToTheFirstPanel)
{
    MainWindow::setStatusText("着信待ち");
    EXPECT_EQ(m_window.statusText(), "着信待ち");
}

TEST_F(frmMainTest, TheListShowsOneRowPerMessageFile)
{
    addMessages({"2026-12-10 10-00-00,0312345678.wav", "2026-12-09 09-00-00,番号不明.wav", "a,b,c.wav"});
    QStringList rows;
    for (int i = 0; i < list()->count(); ++i)
        rows << list()->item(i)->text();
    EXPECT_EQ(rows, (QStringList{"2026-12-09 09-00-00\t番号不明", "2026-12-10 10-00-00\t0312345678", "a\tb\tc"}));
    EXPECT_EQ(m_window.findChild<QLabel*>("Label1")->text(), "3");

    QFile::remove(m_home.file("Messages/a,b,c.wav"));
    MainWindow::refreshMessages();
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(m_window.findChild<QLabel*>("Label1")->text(), "2");
}

TEST_F(frmMainTest, DeleteSelectedAsksForEachRow)
{
    addMessages({"1.wav", "2.wav", "3.wav", "4.wav"});
    select({0, 1, 2});
    ScriptedPrompt prompts;
    prompts.expect("1.wav を削除します。よろしいですか？", PromptAnswer::Yes)
        .expect("2.wav を削除します。よろしいですか？", PromptAnswer::No)
        .expect("3.wav を削除します。よろしいですか？", PromptAnswer::Yes);
    button("Command3")->click();
    EXPECT_EQ(messages(), (QStringList{"2.wav", "4.wav"}));
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(prompts.shown().at(0).icon, PromptIcon::Question);
}

TEST_F(frmMainTest, DeleteWithNothingDeletedAsksForASelection)
{
    addMessages({"1.wav", "2.wav"});
    {
        select({0, 1});
        ScriptedPrompt prompts;
        prompts.expect("1.wav", PromptAnswer::No)
            .expect("2.wav", PromptAnswer::No)
            .expect("削除するファイルを選択してください。");
        button("Command3")->click();
        EXPECT_EQ(prompts.shown().last().icon, PromptIcon::Information);
    }
    {
        list()->clearSelection();
        ScriptedPrompt prompts;
        prompts.expect("削除するファイルを選択してください。");
        action("MDelete2")->trigger();
    }
    EXPECT_EQ(messages().size(), 2);
}

TEST_F(frmMainTest, DeleteAllOnlyOnYes)
{
    addMessages({"1.wav", "2.wav"});
    {
        ScriptedPrompt prompts;
        prompts.expect("すべてのファイルを削除します。よろしいですか？", PromptAnswer::No);
        button("Command4")->click();
    }
    EXPECT_EQ(messages().size(), 2);
    {
        ScriptedPrompt prompts;
        prompts.expect("すべてのファイルを削除します。よろしいですか？", PromptAnswer::Yes);
        button("Command4")->click();
    }
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(m_window.findChild<QLabel*>("Label1")->text(), "0");
}

TEST_F(frmMainTest, DeleteActsOnlyInsideTheMessageFolder)
{
    QFile settings(m_home.file("setting.ini"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.close();
    addMessages({"x\\..\\..\\setting.ini"});
    select({0});
    ScriptedPrompt prompts;
    prompts.expect("x\\..\\..\\setting.ini を削除します。", PromptAnswer::Yes);
    button("Command3")->click();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_TRUE(QFile::exists(m_home.file("setting.ini")));
}

TEST_F(frmMainTest, RightButtonOverTheListShowsThePopUpMenu)
{
    addMessages({"1.wav"});
    m_window.show();
    auto* popup = m_window.findChild<QMenu*>("MMenu2");
    QTest::mousePress(list()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(popup->isVisible());
    QTest::mouseRelease(list()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(popup->isVisible());
    popup->close();
}

TEST_F(frmMainTest, PlaySelectedPlaysEachRowInOrder)
{
    addMessages({"1.wav", "2.wav", "3.wav"});
    QStringList played;
    QList<bool> listEnabled;
    std::function<void(bool)> finish;
    m_window.setWavePlayer([&](const QString& path, std::function<void(bool)> done) {
        played << QFileInfo(path).fileName();
        listEnabled << list()->isEnabled();
        const auto selected = list()->selectedItems();
        EXPECT_TRUE(selected.size() == 1 && selected.at(0)->text() == QFileInfo(path).baseName());
        finish = std::move(done);
    });
    select({2, 0});
    button("Command1")->click();
    while (finish) {
        auto end = std::move(finish);
        finish = {};
        end(true);
        ASSERT_TRUE(QTest::qWaitFor([&] { return finish || list()->isEnabled(); }));
    }
    EXPECT_EQ(played, (QStringList{"1.wav", "3.wav"}));
    EXPECT_EQ(listEnabled, (QList<bool>{false, false}));
    EXPECT_TRUE(list()->isEnabled());
    EXPECT_TRUE(button("Command4")->isEnabled());
    EXPECT_TRUE(list()->selectedItems().isEmpty());
}

TEST_F(frmMainTest, PlayAllAndNothingToPlay)
{
    QStringList played;
    m_window.setWavePlayer([&](const QString& path, std::function<void(bool)> done) {
        played << QFileInfo(path).fileName();
        done(true);
    });
    {
        ScriptedPrompt prompts;
        prompts.expect("再生したいファイルをクリックして選択してください。複数個同時に選択できます。");
        button("Command2")->click(); // an empty list
    }
    addMessages({"1.wav", "2.wav"});
    {
        list()->clearSelection();
        ScriptedPrompt prompts;
        prompts.expect("再生したいファイルをクリックして選択してください。");
        button("Command1")->click();
    }
    button("Command2")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list()->isEnabled(); }));
    EXPECT_EQ(played, (QStringList{"1.wav", "2.wav"}));
}

TEST_F(frmMainTest, PlayingStopsWhenAFileCannotBePlayed)
{
    addMessages({"1.wav", "2.wav"});
    QStringList tried;
    m_window.setWavePlayer([&](const QString& path, std::function<void(bool)> done) {
        tried << QFileInfo(path).fileName();
        done(false); // the device is busy, say; the player has told the user
    });
    button("Command2")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return list()->isEnabled(); }));
    EXPECT_EQ(tried, QStringList{"1.wav"});
}

TEST_F(frmMainTest, PlayingNeedsAPlayer)
{
    addMessages({"1.wav"});
    EXPECT_FALSE(button("Command1")->isEnabled());
    EXPECT_FALSE(button("Command2")->isEnabled());
    EXPECT_TRUE(button("Command3")->isEnabled());
    m_window.setWavePlayer([](const QString&, std::function<void(bool)> done) { done(true); });
    EXPECT_TRUE(button("Command1")->isEnabled());
}

TEST_F(frmMainTest, TheOptionButtonsSwitchTheLine)
{
    MainWindow::selectMediaMode(0);
    MainWindow::selectMediaMode(1);
    MainWindow::selectMediaMode(1); // selected already: switched off again
    m_window.findChild<QRadioButton*>("optMediaMode0")->click();
    EXPECT_EQ(m_switched, (QList<bool>{true, false, false, true}));
    EXPECT_TRUE(m_window.findChild<QRadioButton*>("optMediaMode0")->isChecked());
}

TEST_F(frmMainTest, GeneralSettingsSwitchesTheLineOffFirst)
{
    MainWindow::selectMediaMode(0);
    QList<bool> switchedBeforeOpen;
    m_window.setSettingsOpener([&] { switchedBeforeOpen = m_switched; });
    action("MGSetting")->trigger();
    EXPECT_EQ(switchedBeforeOpen, (QList<bool>{true, false}));
    EXPECT_TRUE(m_window.findChild<QRadioButton*>("optMediaMode1")->isChecked());
}

TEST_F(frmMainTest, PortAddressAtStartAndFromTheMenu)
{
    struct Case {
        const char* stored;
        const char* ticked;
        const char* written;
    };
    const Case cases[] = {{"2F8", "M378", "378"}, {"", "M378", "378"}, {"278", "M278", "278"}, {"3BC", "M3BC", "3BC"}};
    for (const Case& c : cases) {
        WriteSetting(u"PPort", u"Addr", QString::fromUtf8(c.stored));
        m_window.restorePortAddress();
        EXPECT_EQ(ReadSetting(u"PPort", u"Addr"), QString(c.written)) << c.stored;
        EXPECT_EQ(m_window.portAddress(), QString(c.written));
        for (const char* name : {"M378", "M278", "M3BC"})
            EXPECT_EQ(action(name)->isChecked(), QString(name) == c.ticked) << c.stored << " " << name;
    }
    action("M278")->trigger();
    EXPECT_EQ(ReadSetting(u"PPort", u"Addr"), "278");
    EXPECT_EQ(m_window.portAddress(), "278");
    EXPECT_FALSE(action("M3BC")->isChecked());
    EXPECT_FALSE(action("M378")->isChecked());
}

TEST_F(frmMainTest, PositionIsRestoredUnlessNegative)
{
    const QPoint before = m_window.pos();
    WriteSetting(u"Position", u"PT_Left", u"1500");
    WriteSetting(u"Position", u"PT_Top", u"-32000");
    m_window.restorePosition();
    EXPECT_EQ(m_window.pos(), before);

    WriteSetting(u"Position", u"PT_Top", u"750");
    m_window.restorePosition();
    EXPECT_EQ(m_window.pos(), Twips::toPixels(&m_window, 1500, 750));
    EXPECT_EQ(m_window.height(), Twips::toPixels(3885, Twips::dpiY(&m_window)));
}

TEST_F(frmMainTest, ClosingSavesThePositionButExitDoesNot)
{
    m_window.move(Twips::toPixels(&m_window, 1440, 2880));
    action("MEnd")->trigger();
    EXPECT_TRUE(ReadSetting(u"Position", u"PT_Top").isEmpty());

    bool closed = false;
    m_window.setCloseHandler([&] { closed = true; });
    m_window.show();
    m_window.close();
    EXPECT_TRUE(closed);
    const double perPixel = 1440 / Twips::dpiY(&m_window);
    EXPECT_NEAR(ReadSetting(u"Position", u"PT_Top").toInt(), 2880, perPixel);
    EXPECT_NEAR(ReadSetting(u"Position", u"PT_Left").toInt(), 1440, perPixel);
}

TEST_F(frmMainTest, HidesToTheNotificationAreaWhenThereIsOne)
{
    m_desktop.setTrayAvailable(true);
    m_window.show();
    m_window.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window.isHidden(); }));
    EXPECT_TRUE(m_desktop.hasTrayIcon());
    EXPECT_EQ(m_desktop.trayTip(), "Morvane");
    EXPECT_EQ(ReadSetting(u"Pos", u"HideP"), "1");

    m_desktop.pressTrayIcon(Desktop::TrayPress::Other);
    EXPECT_TRUE(m_window.isHidden());
    m_desktop.pressTrayIcon(Desktop::TrayPress::Right);
    EXPECT_TRUE(m_window.isVisible());
    EXPECT_FALSE(m_window.isMinimized());
    EXPECT_FALSE(m_desktop.hasTrayIcon());
    EXPECT_EQ(ReadSetting(u"Pos", u"HideP"), "0");

    m_window.HideToTray();
    m_desktop.pressTrayIcon(Desktop::TrayPress::Left);
    EXPECT_TRUE(m_window.isVisible());
}

TEST_F(frmMainTest, WithoutANotificationAreaMinimisesInstead)
{
    m_window.show();
    m_window.showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_window.isVisible());
    EXPECT_FALSE(m_desktop.hasTrayIcon());
    EXPECT_TRUE(ReadSetting(u"Pos", u"HideP").isEmpty());

    // Left hidden in an earlier session that had one: the window starts minimised, not invisible.
    m_window.showNormal();
    WriteSetting(u"Pos", u"HideP", u"1");
    m_window.showOrHideToTray();
    EXPECT_TRUE(m_window.isVisible());
    EXPECT_TRUE(m_window.isMinimized());
    m_window.showNormal(); // the user brings it back
    EXPECT_EQ(ReadSetting(u"Pos", u"HideP"), "0");
}

TEST_F(frmMainTest, StartsHiddenWhenLeftHidden)
{
    m_desktop.setTrayAvailable(true);
    WriteSetting(u"Pos", u"HideP", u"1");
    m_window.showOrHideToTray();
    EXPECT_TRUE(m_window.isHidden());
    EXPECT_TRUE(m_desktop.hasTrayIcon());

    WriteSetting(u"Pos", u"HideP", u"0");
    frmMain other(m_desktop);
    other.showOrHideToTray();
    EXPECT_TRUE(other.isVisible());
}

TEST_F(frmMainTest, StartWithTheSessionWritesTheAutostartEntry)
{
    WriteSetting(u"Startup", u"WithWindows", u"1");
    m_window.restoreAutostartTick();
    EXPECT_TRUE(action("MWithWin")->isChecked());

    action("MWithWin")->trigger();
    EXPECT_EQ(ReadSetting(u"Startup", u"WithWindows"), "0");
    action("MWithWin")->trigger();
    EXPECT_EQ(ReadSetting(u"Startup", u"WithWindows"), "1");
    ASSERT_EQ(m_desktop.calls().size(), 2);
    EXPECT_EQ(m_desktop.calls().at(0), "removeAutostart");
    EXPECT_EQ(m_desktop.calls().at(1),
              "addAutostart " + QCoreApplication::applicationFilePath() + " --home " + DataFolder::current());

    action("MWithWin")->trigger();
    m_desktop.failAutostartWith("Permission denied");
    ScriptedPrompt prompts;
    prompts.expect("Permission denied");
    action("MWithWin")->trigger();
    EXPECT_TRUE(action("MWithWin")->isChecked());
}

TEST_F(frmMainTest, CallLogOpensInTheTextEditor)
{
    action("MLog")->trigger();
    EXPECT_EQ(m_desktop.calls(), QStringList{"openTextFile " + m_home.file("Phone.log")});
    EXPECT_TRUE(QFile::exists(m_home.file("Phone.log")));
}
