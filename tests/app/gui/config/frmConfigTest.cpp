#include "frmConfig.h"

#include "ConfigRules.h"
#include "DataFolder.h"
#include "ScriptedPrompt.h"
#include "Settings.h"
#include "SimLine.h"
#include "TempHome.h"
#include "Twips.h"
#include "frmMain.h"
#include "frmTapi.h"
#include "sim/SimDesktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace {

class frmConfigTest : public ::testing::Test {
protected:
    frmConfigTest() { qputenv("TALVERO_SPEECH", "sim"); }
    ~frmConfigTest() override { m_dialog.reset(); }

    frmConfig& open(ConfigLinks links = {})
    {
        m_dialog = std::make_unique<frmConfig>(std::move(links));
        m_dialog->show();
        return *m_dialog;
    }
    template <typename T> T* find(const QString& name) const
    {
        T* widget = m_dialog->findChild<T*>(name);
        EXPECT_TRUE(widget) << name.toStdString();
        return widget;
    }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    QLineEdit* text(const char* name) const { return find<QLineEdit>(name); }
    QRadioButton* option(const char* name) const { return find<QRadioButton>(name); }
    void click(const char* name) const { find<QPushButton>(name)->click(); }
    static QStringList items(const QComboBox* box)
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
    // setting.ini without the dialog's two position keys.
    static QByteArray settingsApartFromPosition()
    {
        QFile file(settingsFilePath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QByteArray out;
        for (const QByteArray& line : file.readAll().split('\n'))
            if (!line.startsWith("PT-Config_") && !line.startsWith("[Position]"))
                out += line + '\n';
        return out;
    }
    static void store(const QList<std::array<const char*, 3>>& settings)
    {
        for (const auto& s : settings)
            WriteSetting(QString::fromUtf8(s[0]), QString::fromUtf8(s[1]), QString::fromUtf8(s[2]));
    }

    TempHome m_home;
    ScriptedPrompt m_prompts;
    std::unique_ptr<frmConfig> m_dialog;
};

// Every key the dialog keeps, each with a value it shows as it is.
const QList<std::array<const char*, 3>> kFullSettings = {
    {"Feature", "AnsweringMachine", "1"},
    {"Feature", "IRRemote", "1"},
    {"Tapi", "Card", "Talvero Virtual Line"},
    {"Tapi", "NumRings", "4"},
    {"Startup", "Auto", "1"},
    {"AnsweringMachine", "MaxMessage", "90"},
    {"AnsweringMachine", "Remote", "1"},
    {"AnsweringMachine", "Pass", "1234"},
    {"AnsweringMachine", "Play", "7"},
    {"AnsweringMachine", "Skip", "8"},
    {"AnsweringMachine", "MailReport", "1"},
    {"AnsweringMachine", "AttachWav", "1"},
    {"AnsweringMachine", "UseDialUp", "1"},
    {"AnsweringMachine", "MailAddr", "a@example.jp,b@example.jp"},
    {"AnsweringMachine", "SMTPServer", "smtp.example.jp"},
    {"AnsweringMachine", "SenderAddr", "talvero@example.jp"},
    {"AnsweringMachine", "RASEntry", "provider"},
    {"AnsweringMachine", "UserName", "user"},
    {"AnsweringMachine", "RASPass", "0066006C0072"},
    {"IRRemote", "Pass", "56"},
    {"Reception", "Reception0", "いつもありがとうございます。"},
    {"Reception", "Reception1", "ご用件をどうぞ。"},
};

} // namespace

TEST_F(frmConfigTest, ControlsCarryTheirTextsAndLists)
{
    frmConfig& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), "Morvane　－　設定");
    EXPECT_EQ(dialog.height(), Twips::toPixels(frmConfig::kHeightTwips, Twips::dpiY(&dialog)));
    auto* tabs = find<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "全般設定");
    EXPECT_EQ(tabs->tabText(1), "留守番電話の設定");
    EXPECT_EQ(tabs->tabText(2), "リモコン操作の設定");
    EXPECT_EQ(find<QPushButton>("Command8")->text(), "OK");
    EXPECT_EQ(find<QPushButton>("Command9")->text(), "キャンセル");
    EXPECT_EQ(find<QPushButton>("Command4")->text(), "ソース選択と音量調整");
    EXPECT_EQ(find<QPushButton>("Command7(1)")->text(), "記録");
    EXPECT_EQ(check("Check3")->text(), "メール送信にダイヤルアップ接続を使用");
    EXPECT_EQ(find<QGroupBox>("Frame9")->title(), "再生・早送り機能に割り当てるプッシュボタン");
    EXPECT_EQ(find<QLabel>("Label2")->text(), "各メッセージの録音時間　　最長");
    EXPECT_EQ(list("cmbDevice")->toolTip(), "リストに表示されるボイスモデムから選択してください");
    EXPECT_EQ(text("Text10")->toolTip(), "数字のみを２～４桁程度で入力");
    EXPECT_EQ(text("Text12")->echoMode(), QLineEdit::Password);

    EXPECT_EQ(items(list("Combo5")), QString("2 3 4 5 6 7 8").split(' '));
    EXPECT_EQ(items(list("Combo1")), QString("1 2 3 4 5 6 7 8 9 10").split(' '));
    EXPECT_EQ(items(list("Combo2")), QString("0 1 2 3 4 5 6 7 8 9").split(' '));
    // The lists accept only their own values; the dial-up entry may be typed.
    for (const char* name : {"cmbDevice", "Combo1", "Combo2", "Combo3", "Combo5"})
        EXPECT_FALSE(list(name)->isEditable()) << name;
    EXPECT_TRUE(list("Combo4")->isEditable());
    EXPECT_FALSE(dialog.isChanged());
}

TEST_F(frmConfigTest, LoadsEverySettingAndSavesItBack)
{
    store(kFullSettings);
    frmConfig& dialog = open();
    EXPECT_TRUE(check("Check1")->isChecked());
    EXPECT_TRUE(check("Check6")->isChecked());
    EXPECT_TRUE(check("Check4")->isChecked());
    EXPECT_EQ(list("Combo5")->currentText(), "4");
    EXPECT_EQ(list("Combo1")->currentText(), "1.5");
    EXPECT_TRUE(option("Option1")->isChecked());
    EXPECT_TRUE(option("Option3")->isChecked());
    EXPECT_EQ(list("Combo2")->currentText(), "7");
    EXPECT_EQ(text("Text12")->text(), "abc");
    EXPECT_EQ(list("Combo4")->currentText(), "provider");
    EXPECT_EQ(text("Text1(0)")->text(), "いつもありがとうございます。");
    EXPECT_EQ(text("Text1(1)")->text(), "ご用件をどうぞ。");
    EXPECT_FALSE(dialog.isChanged());

    click("Command8");
    EXPECT_FALSE(dialog.isVisible());
    for (const auto& s : kFullSettings) {
        // 1.5 minutes is saved as two whole minutes.
        const QString expected = QString::fromUtf8(s[1]) == u"MaxMessage" ? "120" : QString::fromUtf8(s[2]);
        EXPECT_EQ(ReadSetting(QString::fromUtf8(s[0]), QString::fromUtf8(s[1])), expected) << s[1];
    }
}

TEST_F(frmConfigTest, ADialUpPasswordIsStoredScrambledAndShownPlainNextTime)
{
    open();
    text("Text12")->setText("abc");
    click("Command8");
    EXPECT_EQ(ReadSetting(u"AnsweringMachine", u"RASPass"), "0066006C0072");
    open();
    EXPECT_EQ(text("Text12")->text(), "abc");
}

TEST_F(frmConfigTest, AFreshInstallationOpensWithTheSmallestValuesAndTheShippedGreetings)
{
    open();
    EXPECT_EQ(list("Combo5")->currentText(), "2");
    EXPECT_EQ(list("Combo1")->currentText(), "1");
    EXPECT_EQ(list("Combo2")->currentIndex(), -1);
    EXPECT_TRUE(option("Option2")->isChecked());
    EXPECT_TRUE(option("Option4")->isChecked());
    EXPECT_FALSE(text("Text1(0)")->text().isEmpty());
    click("Command8");
    EXPECT_EQ(ReadSetting(u"Tapi", u"NumRings"), "2");
    EXPECT_EQ(ReadSetting(u"AnsweringMachine", u"MaxMessage"), "60");
    EXPECT_EQ(ReadSetting(u"AnsweringMachine", u"Play"), "");
    EXPECT_EQ(ReadSetting(u"AnsweringMachine", u"RASPass"), "");
}

TEST_F(frmConfigTest, ABrokenRuleKeepsTheDialogOpenAndWritesNothing)
{
    struct Case {
        const char* what;
        std::function<void()> enter;
        QString message;
    };
    const Case cases[] = {
        {"playback without password", [this] { option("Option1")->setChecked(true); }, ConfigRules::kNoPlaybackPass},
        {"mail without sender, answering machine off",
         [this] {
             check("Check1")->setChecked(false);
             option("Option3")->setChecked(true);
             text("Text7")->setText("a@example.jp");
             text("Text8")->setText("smtp.example.jp");
         },
         ConfigRules::kMailIncomplete},
        {"dial-up without password, mail off",
         [this] {
             check("Check3")->setChecked(true);
             list("Combo4")->setEditText("provider");
             text("Text11")->setText("user");
         },
         ConfigRules::kDialUpIncomplete},
        {"remote control without password", [this] { check("Check6")->setChecked(true); },
         ConfigRules::kNoRemoteControlPass},
        {"dial-up password with kanji", [this] { text("Text12")->setText("暗号"); },
         "ダイヤルアップ接続のパスワードに使えない文字"},
    };
    for (const Case& c : cases) {
        QFile::remove(settingsFilePath());
        frmConfig& dialog = open();
        c.enter();
        m_prompts.expect(c.message);
        click("Command8");
        EXPECT_EQ(m_prompts.pending(), 0) << c.what;
        EXPECT_EQ(m_prompts.shown().last().icon, PromptIcon::Exclamation) << c.what;
        EXPECT_TRUE(dialog.isVisible()) << c.what;
        EXPECT_FALSE(QFile::exists(settingsFilePath())) << c.what;
    }
}

TEST_F(frmConfigTest, GroupsFollowTheirSwitches)
{
    open();
    // Loaded as off, the switched groups start disabled.
    EXPECT_FALSE(text("Text1(1)")->isEnabled());
    EXPECT_FALSE(option("Option1")->isEnabled());
    EXPECT_FALSE(text("Text10")->isEnabled());

    check("Check1")->setChecked(true);
    EXPECT_TRUE(text("Text1(1)")->isEnabled());
    EXPECT_TRUE(list("Combo1")->isEnabled());
    EXPECT_TRUE(option("Option3")->isEnabled());
    EXPECT_FALSE(text("Text2")->isEnabled());
    EXPECT_FALSE(text("Text7")->isEnabled());

    option("Option1")->setChecked(true);
    option("Option3")->setChecked(true);
    for (const char* name : {"Text2", "Text7", "Text12"})
        EXPECT_TRUE(text(name)->isEnabled()) << name;
    EXPECT_TRUE(list("Combo3")->isEnabled());
    EXPECT_TRUE(list("Combo4")->isEnabled());

    option("Option2")->setChecked(true);
    EXPECT_FALSE(list("Combo2")->isEnabled());
    EXPECT_TRUE(text("Text8")->isEnabled());

    // Clearing Check1 disables both groups; ticking it again brings back what the options say.
    check("Check1")->setChecked(false);
    EXPECT_FALSE(text("Text8")->isEnabled());
    check("Check1")->setChecked(true);
    EXPECT_TRUE(text("Text8")->isEnabled());
    EXPECT_FALSE(text("Text2")->isEnabled());

    // The learning page's areas follow Check6 too.
    auto* record = find<QPushButton>("Command3");
    EXPECT_FALSE(record->isEnabled());
    check("Check6")->setChecked(true);
    EXPECT_TRUE(text("Text10")->isEnabled());
    EXPECT_TRUE(find<QLabel>("Label22")->isEnabled());
    EXPECT_TRUE(record->isEnabled());
}

TEST_F(frmConfigTest, ClosingAfterAChangeAsksWhetherToSave)
{
    struct Case {
        const char* what;
        PromptAnswer answer;
        bool valid;
        bool closed;
        const char* card; // what is stored afterwards
    };
    const Case cases[] = {
        {"yes", PromptAnswer::Yes, true, true, "Talvero Virtual Line"},
        {"yes, but a rule is broken", PromptAnswer::Yes, false, false, "Old Modem"},
        {"no", PromptAnswer::No, true, true, "Old Modem"},
    };
    for (const Case& c : cases) {
        QFile::remove(settingsFilePath());
        store({{"Tapi", "Card", "Old Modem"}, {"Tapi", "NumRings", "3"}, {"Feature", "IRRemote", c.valid ? "0" : "1"}});
        const QByteArray before = settingsApartFromPosition();

        frmTapi engine([] { return std::make_unique<SimLine>(); });
        engine.InitTAPI();
        ConfigLinks links;
        links.engine = &engine;
        frmConfig& dialog = open(links);
        // The stored modem is not plugged in: it stays offered after the line's own address.
        ASSERT_EQ(items(list("cmbDevice")), (QStringList{"Talvero Virtual Line", "Old Modem"})) << c.what;
        EXPECT_EQ(list("cmbDevice")->currentText(), "Old Modem");
        list("cmbDevice")->setCurrentIndex(0);

        const qsizetype asked = m_prompts.shown().size();
        m_prompts.expect(frmConfig::kUnsavedQuestion, c.answer);
        if (!c.valid)
            m_prompts.expect(ConfigRules::kNoRemoteControlPass);
        EXPECT_EQ(dialog.close(), c.closed) << c.what;
        EXPECT_EQ(m_prompts.pending(), 0) << c.what;
        EXPECT_EQ(m_prompts.shown().at(asked).icon, PromptIcon::Information) << c.what;
        EXPECT_EQ(m_prompts.shown().at(asked).buttons, PromptButtons::YesNo) << c.what;
        EXPECT_EQ(ReadSetting(u"Tapi", u"Card"), c.card) << c.what;
        EXPECT_EQ(ReadSetting(u"Position", u"PT-Config_Top").isEmpty(), !c.closed) << c.what;
        if (c.answer == PromptAnswer::No) {
            EXPECT_EQ(settingsApartFromPosition(), before);
        }
        m_dialog.reset();
    }
}

TEST_F(frmConfigTest, ClosingUnchangedAsksNothingAndTickingCheck3CountsAsAChange)
{
    frmConfig& dialog = open();
    EXPECT_TRUE(dialog.close()); // an unexpected question would fail here
    open();
    check("Check3")->setChecked(true);
    EXPECT_TRUE(m_dialog->isChanged());
    m_prompts.expect(frmConfig::kUnsavedQuestion, PromptAnswer::No);
    QTest::keyClick(m_dialog.get(), Qt::Key_Escape); // Escape closes like the close box
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(ReadSetting(u"AnsweringMachine", u"UseDialUp"), "");
}

TEST_F(frmConfigTest, OpensAtTheStoredPlaceAndStoresItOnClosing)
{
    store({{"Position", "PT-Config_Left", "1440"}, {"Position", "PT-Config_Top", "720"}});
    frmConfig& dialog = open();
    EXPECT_EQ(dialog.pos(), Twips::toPixels(&dialog, 1440, 720));
    dialog.move(Twips::toPixels(&dialog, 2880, 1440));
    dialog.close();
    EXPECT_EQ(ReadSetting(u"Position", u"PT-Config_Left"), "2880");
    EXPECT_EQ(ReadSetting(u"Position", u"PT-Config_Top"), "1440");

    store({{"Position", "PT-Config_Left", "abc"}});
    EXPECT_NE(open().pos(), Twips::toPixels(m_dialog.get(), 2880, 1440)); // a failure leaves the default place
}

TEST_F(frmConfigTest, TheModemListHoldsTheLinesUsableAddresses)
{
    open();
    EXPECT_EQ(list("cmbDevice")->count(), 0); // no engine, no modem

    frmTapi engine([] { return std::make_unique<SimLine>(); });
    ConfigLinks links;
    links.engine = &engine;
    open(links);
    EXPECT_EQ(list("cmbDevice")->count(), 0); // telephony not started yet
    engine.InitTAPI();
    m_dialog->FillDeviceList();
    EXPECT_EQ(items(list("cmbDevice")), QStringList{SimAddress::kName});
    EXPECT_EQ(list("cmbDevice")->currentIndex(), 0);
}

TEST_F(frmConfigTest, DialUpEntriesAreAddedOnlyFromAList)
{
    struct Case {
        const char* what;
        QVariant entries;
        QStringList items;
    };
    const Case cases[] = {
        {"two entries", QVariantList{"provider", "office"}, {"provider", "office"}},
        {"no entries", QVariantList{}, {}},
        {"enumeration failed", QString(), {}},
    };
    WriteSetting(u"AnsweringMachine", u"RASEntry", u"stored");
    for (const Case& c : cases) {
        ConfigLinks links;
        links.getEntries = [&c] { return c.entries; };
        open(links);
        EXPECT_EQ(items(list("Combo4")), c.items) << c.what;
        EXPECT_EQ(list("Combo4")->currentText(), "stored") << c.what;
    }
}

TEST_F(frmConfigTest, SavingWhileTheLineIsOnLeavesTheMainWindowAtOff)
{
    WriteSetting(u"Tapi", u"Card", SimAddress::kName);
    frmTapi engine([] { return std::make_unique<SimLine>(); });
    engine.InitTAPI();
    SimDesktop desktop;
    frmMain window(desktop);
    window.setLineSwitch([&engine](bool on) { on ? engine.Tapi_On() : engine.Tapi_Off(); });
    ConfigLinks links;
    links.engine = &engine;
    open(links);
    window.selectMediaMode(0); // switched on while the dialog is open
    ASSERT_TRUE(engine.lineOn());

    click("Command8");
    EXPECT_FALSE(engine.lineOn());
    EXPECT_FALSE(window.isLineOn());
    EXPECT_EQ(engine.statusText(), frmTapi::kStopped);
}

TEST_F(frmConfigTest, RecordingAGreetingKeepsItsTextAndFile)
{
    open();
    text("Text1(0)")->setText("はい、もしもし");
    click("Command7(0)");
    EXPECT_TRUE(find<QPushButton>("Command7(0)")->isEnabled());
    EXPECT_TRUE(QFile::exists(DataFolder::path(u"\\Ans\\Reception0.wav")));
    EXPECT_EQ(ReadSetting(u"Reception", u"Reception0"), "はい、もしもし");
    EXPECT_EQ(ReadSetting(u"Reception", u"Reception1"), "");
    EXPECT_FALSE(m_dialog->isChanged()); // the greeting is stored by its own button
}
