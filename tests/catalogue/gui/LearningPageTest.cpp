#include "LearningPage.h"

#include "LearningPageDriver.h"

#include "CatalogueFixture.h"
#include "CatalogueKeys.h"
#include "CatalogueStore.h"
#include "MonotonicClock.h"
#include "ScriptedPrompt.h"
#include "Settings.h"
#include "TapiTimers.h"
#include "TempHome.h"
#include "VirtualModule.h"
#include "VirtualModuleTrace.h"
#include "VirtualRemoteWindow.h"
#include "WaveformPicture.h"
#include "frmIRDetail.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>

namespace {

using CatalogueFixture::readFile;
using CatalogueFixture::writeFile;

const QString kChooseAndRecord = QStringLiteral("機器番号とリモコンボタン番号を指定し、記録ボタンを押してください。");
const QString kRecorded =
    QStringLiteral("リモコン操作を記録しました。テストボタンを押して機器が動作するか確認してください。");
const IrFrame kPower{Protocol::NEC, 0x10, 0x4F};

// The simulated character and sound device, so that labels are made without a sound server.
class SimulatedVoice : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("TALVERO_SPEECH", "sim");
        qputenv("TALVERO_PCAUDIO", "null");
    }
};
const auto* const g_voice = ::testing::AddGlobalTestEnvironment(new SimulatedVoice);

// The telephony window's timers, as a capture sees them.
class FakeTimers : public TapiTimerSet {
public:
    bool isTimerEnabled(TapiTimer timer) const override { return enabled.at(timer); }
    void setTimerEnabled(TapiTimer timer, bool on) override { enabled[timer] = on; }
    bool anyEnabled() const
    {
        for (const auto& [timer, on] : enabled) {
            if (on)
                return true;
        }
        return false;
    }
    std::map<TapiTimer, bool> enabled{{TapiTimer::Timer1, true},
                                      {TapiTimer::Timer2, false},
                                      {TapiTimer::tmrPlay, true},
                                      {TapiTimer::tmrUpdate, true}};
};

class LearningPageTest : public ::testing::Test, protected LearningPageDriver {
protected:
    LearningPageTest() : LearningPageDriver([this] { return page.get(); }) {}
    void SetUp() override
    {
        m_savedPort = qgetenv("TALVERO_PORT");
        qputenv("TALVERO_PORT", "sim");
        ASSERT_TRUE(WriteSetting(u"PPort", u"Addr", u"378"));
    }
    void TearDown() override { qputenv("TALVERO_PORT", m_savedPort); }

    void storeRow(const char* device, const char* name, const char* button, const char* description)
    {
        const QString file = home.file("source.rmt");
        writeFile(file, " 0 , 1 \r\n 0.01 , 0 \r\n");
        const auto added =
            CatalogueStore::addSignalFromFile({QString::fromUtf8(device), QString::fromUtf8(name),
                                               QString::fromUtf8(button), QString::fromUtf8(description)},
                                              file);
        ASSERT_TRUE(added.ok()) << added.error().toStdString();
    }
    // Presses Record with the virtual remote sending the frame itself while the module samples.
    void recordFrame(const IrFrame& frame)
    {
        auto* text4 = control<QPlainTextEdit>("Text4");
        const auto connection = QObject::connect(text4, &QPlainTextEdit::textChanged, [=] {
            if (text4->toPlainText() == QStringLiteral("記録中..."))
                VirtualModule::instance().remote().press(frame, MonotonicClock::now() + 50'000'000, {});
        });
        button("Command3")->click();
        QObject::disconnect(connection);
    }

    TempHome home;
    VirtualModuleTrace module;
    std::unique_ptr<LearningPage> page = std::make_unique<LearningPage>();
    QStringList progress;
    QByteArray m_savedPort;
};

TEST_F(LearningPageTest, RecordTestAddStoresTheSignalItsRowAndItsLabel)
{
    page->bindGrid();
    page->setDialogGeometryProvider([] { return QRect(40, 30, 500, 400); });
    page->show();
    EXPECT_EQ(status(), kChooseAndRecord + u'\n');
    EXPECT_EQ(caption(), QStringLiteral("レコードなし"));
    EXPECT_EQ(buttons(), (std::array{true, false, false})) << "page opened";

    choose("Combo6", "1");
    choose("Combo7", "05");
    EXPECT_EQ(control<QLineEdit>("Text5")->text(), QStringLiteral("未登録"));
    control<QLineEdit>("Text3")->setText(QStringLiteral("電源"));

    // During the capture the telephony timers rest, a click elsewhere on the page is ignored, and
    // the virtual remote's power button sends the television's frame.
    ASSERT_NE(remote(), nullptr) << "shown with the page while the virtual module is in use";
    EXPECT_TRUE(remote()->isVisible());
    FakeTimers timers;
    setTapiTimerSource([&] { return &timers; });
    bool timersRested = false;
    std::array<bool, 3> duringCapture{};
    auto* text4 = control<QPlainTextEdit>("Text4");
    const auto shown = QObject::connect(text4, &QPlainTextEdit::textChanged, [&] {
        progress << status() + u' ' + text4->palette().color(QPalette::Base).name();
    });
    ScriptedPrompt prompt;
    recordTvPower([&] {
        timersRested = !timers.anyEnabled();
        duringCapture = buttons();
        QTest::mouseClick(button("Command1"), Qt::LeftButton); // would ask for a row to delete
    });
    QObject::disconnect(shown);
    setTapiTimerSource({});
    ASSERT_EQ(status(), kRecorded) << progress.join(u'|').toStdString();
    EXPECT_EQ(progress.mid(0, 2),
              (QStringList{QStringLiteral("記録中... #ff0000"), QStringLiteral("お待ちください... #80ffff")}));
    EXPECT_TRUE(timersRested);
    EXPECT_EQ(duringCapture, (std::array{false, false, false})) << "record pressed, during capture";
    EXPECT_TRUE(timers.isTimerEnabled(TapiTimer::Timer1));
    EXPECT_FALSE(timers.isTimerEnabled(TapiTimer::Timer2));
    EXPECT_EQ(buttons(), (std::array{false, true, false})) << "record succeeded";

    auto* viewer = page->findChild<frmIRDetail*>();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->pos(), QPoint(40, 430)) << "below the dialog";
    EXPECT_GT(viewer->Picture1->lines().size(), 4);
    EXPECT_NEAR(viewer->Label7->text().toDouble(), 38, 1.5);

    button("Command2")->click();
    EXPECT_EQ(buttons(), (std::array{true, false, true})) << "test succeeded";
    ASSERT_TRUE(relearnedUntilSeen()) << "the appliance received what the remote sent: "
                                      << remote()->applianceView->toPlainText().toStdString();

    // The areas off and on again keep the three buttons' states.
    page->setAreasEnabled(false);
    EXPECT_FALSE(control<QGroupBox>("Frame_Learn")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>("Frame_List")->isEnabled());
    EXPECT_FALSE(button("Command3")->isEnabled());
    page->setAreasEnabled(false);
    page->setAreasEnabled(true);
    EXPECT_EQ(buttons(), (std::array{true, false, true}));

    prompt.expect(QStringLiteral("機器の名前が指定されていません。名前をつけずに記録しますか？"), PromptAnswer::Yes);
    // The first events that run after the click run while the label is spoken.
    std::optional<std::array<bool, 3>> whileSpeaking;
    QTimer::singleShot(0, page.get(), [&] { whileSpeaking = buttons(); });
    button("Command6")->click();
    EXPECT_EQ(whileSpeaking, (std::array{false, false, false})) << "add, until the speech ends";
    EXPECT_EQ(prompt.pending(), 0);
    EXPECT_EQ(buttons(), (std::array{true, false, false})) << "add finished";
    EXPECT_EQ(status(), kChooseAndRecord);
    const QString stored = CatalogueKeys::signalFilePath(u"1", u"05");
    EXPECT_EQ(CatalogueFixture::storedRows(),
              (QList<CatalogueRow>{{"1", QStringLiteral("未登録"), "05", QStringLiteral("電源"), stored}}));
    EXPECT_TRUE(QFile::exists(stored));
    EXPECT_FALSE(QFile::exists(CatalogueKeys::workFilePath()));
    EXPECT_TRUE(QFile::exists(home.file("Ans/105.wav")));
    EXPECT_EQ(caption(), QStringLiteral("1/1"));
    auto* grid = control<QTableView>("DataGrid1");
    EXPECT_EQ(grid->model()->index(0, 2).data().toString(), QStringLiteral("05"));
    EXPECT_TRUE(grid->isColumnHidden(4)) << "the path is never visible";

    page->closeViewer();
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(LearningPageTest, FailedRecordingAfterATestDisablesAdd)
{
    page->bindGrid();
    choose("Combo6", "2");
    choose("Combo7", "10");
    ScriptedPrompt prompt;
    recordFrame(kPower);
    ASSERT_EQ(status(), kRecorded);
    button("Command2")->click();
    ASSERT_EQ(buttons(), (std::array{true, false, true}));
    const QByteArray tested = readFile(CatalogueKeys::workFilePath());

    // No driver: the recording fails at once, and the carrier of the last capture is still there.
    qputenv("TALVERO_PORT", "nonsense");
    prompt.expect(QStringLiteral("IO.dll not properly istalled."));
    button("Command3")->click();
    EXPECT_EQ(status(), QStringLiteral("記録に失敗しました。"));
    EXPECT_EQ(buttons(), (std::array{true, false, false})) << "Add waits for a test of the new recording";
    EXPECT_EQ(readFile(CatalogueKeys::workFilePath()), tested);
}

TEST_F(LearningPageTest, AnsweringNoToOverwriteChangesNothing)
{
    storeRow("1", "テレビ", "05", "電源");
    const QList<CatalogueRow> before = CatalogueFixture::storedRows();
    page->bindGrid();
    choose("Combo6", "1");
    choose("Combo7", "05");
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), QStringLiteral("電源"));
    control<QLineEdit>("Text3")->clear();
    ScriptedPrompt prompt;
    recordFrame(kPower);
    button("Command2")->click();
    const QByteArray work = readFile(CatalogueKeys::workFilePath());
    ASSERT_FALSE(work.isEmpty());

    const QString noDescription = QStringLiteral("機能の説明が指定されていません。説明をつけずに記録しますか？");
    const QString overwrite = QStringLiteral("指定した機器番号とリモコンボタン番号はすでに記録されています。");
    prompt.expect(noDescription, PromptAnswer::Yes).expect(overwrite, PromptAnswer::No);
    button("Command6")->click();
    EXPECT_EQ(CatalogueFixture::storedRows(), before);
    EXPECT_EQ(readFile(CatalogueKeys::workFilePath()), work);
    EXPECT_EQ(buttons(), (std::array{true, false, true}));

    prompt.expect(noDescription, PromptAnswer::Yes).expect(overwrite, PromptAnswer::Yes);
    button("Command6")->click();
    const QList<CatalogueRow> after = CatalogueFixture::storedRows();
    ASSERT_EQ(after.size(), 1);
    EXPECT_EQ(after[0].description, QString());
    EXPECT_EQ(readFile(after[0].fileName), work);
}

TEST_F(LearningPageTest, LookupsShowTheDeviceNameAndTheButtonsDescription)
{
    storeRow("1", "テレビ", "05", "電源");
    storeRow("1", "テレビ", "06", "音量");
    CatalogueFixture::insertRaw({"2", QVariant(), "01", "再生", home.file("Remote/2-01")});
    page->bindGrid();
    auto* name = control<QLineEdit>("Text5");
    auto* description = control<QLineEdit>("Text3");
    const struct {
        const char* combo;
        const char* item;
        const char* typedName; // typed into the name box first, if any
        const char* name;
        const char* description;
    } steps[] = {
        {"Combo6", "1", nullptr, "テレビ", ""}, {"Combo7", "06", nullptr, "テレビ", "音量"},
        {"Combo6", "3", nullptr, "未登録", ""}, {"Combo7", "05", "ビデオ", "ビデオ", ""},
        {"Combo6", "2", nullptr, "-", ""},      {"Combo7", "01", nullptr, "-", "再生"},
        {"Combo6", "1", nullptr, "テレビ", ""},
    };
    for (const auto& s : steps) {
        if (s.typedName)
            name->setText(QString::fromUtf8(s.typedName));
        choose(s.combo, QString::fromLatin1(s.item));
        EXPECT_EQ(name->text(), QString::fromUtf8(s.name)) << s.combo << " " << s.item;
        EXPECT_EQ(description->text(), QString::fromUtf8(s.description)) << s.combo << " " << s.item;
    }
}

TEST_F(LearningPageTest, RecordWithoutAButtonNumberAsksForBothAndChangesNothing)
{
    page->bindGrid();
    choose("Combo6", "4");
    ScriptedPrompt prompt;
    prompt.expect(QStringLiteral("機器番号とリモコンボタン番号を指定してから記録開始ボタンを押してください。"));
    button("Command3")->click();
    EXPECT_EQ(prompt.shown().at(0).icon, PromptIcon::Exclamation);
    EXPECT_EQ(buttons(), (std::array{true, false, false}));
    EXPECT_EQ(status(), kChooseAndRecord + u'\n');
    EXPECT_EQ(page->findChild<frmIRDetail*>(), nullptr) << "no viewer, no capture";
}

TEST_F(LearningPageTest, DeleteAndTestNeedASelectedRow)
{
    page->bindGrid();
    ScriptedPrompt prompt;
    prompt.expect(QStringLiteral("テストする行を選択してください。"))
        .expect(QStringLiteral("削除する行を選択してください。"));
    button("Command5")->click();
    button("Command1")->click();
    EXPECT_EQ(prompt.shown().at(0).icon, PromptIcon::Information);
    EXPECT_EQ(prompt.shown().at(1).icon, PromptIcon::Information);
    EXPECT_EQ(module.writes(), QStringList()) << "nothing sent";
}

TEST_F(LearningPageTest, DeleteAsksThenRemovesTheRowAndItsFiles)
{
    storeRow("1", "テレビ", "05", "電源");
    storeRow("3", "エアコン", "07", "冷房");
    writeFile(home.file("Ans/307.wav"), "RIFF");
    page->bindGrid();
    EXPECT_EQ(caption(), QStringLiteral("1/2"));
    selectRow(1);
    EXPECT_EQ(caption(), QStringLiteral("2/2"));
    const QString question =
        QStringLiteral("機器番号：3、リモコンボタン番号：07　のリモコン信号をを削除しようとしています。"
                       "\nよろしいですか？");
    ScriptedPrompt prompt;
    prompt.expect(question, PromptAnswer::No);
    button("Command1")->click();
    EXPECT_EQ(CatalogueFixture::storedRows().size(), 2);
    EXPECT_EQ(prompt.shown().at(0).text, question);

    prompt.expect(question, PromptAnswer::Yes);
    button("Command1")->click();
    const QList<CatalogueRow> left = CatalogueFixture::storedRows();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].device, "1");
    EXPECT_FALSE(QFile::exists(home.file("Remote/3-07")));
    EXPECT_FALSE(QFile::exists(home.file("Ans/307.wav")));
    EXPECT_EQ(caption(), QStringLiteral("1/1"));
}

TEST_F(LearningPageTest, TestSelectedRowSendsItsFile)
{
    storeRow("1", "テレビ", "05", "電源");
    page->bindGrid();
    selectRow(0);
    button("Command5")->click();
    EXPECT_TRUE(module.writes().contains(QStringLiteral("378 01"))) << "the LED lit for the row's signal";
}

TEST_F(LearningPageTest, NumberBoxesOfferOnlyTheirListValues)
{
    storeRow("7", "照明", "42", "消灯");
    page->bindGrid();
    auto* device = control<QComboBox>("Combo6");
    auto* number = control<QComboBox>("Combo7");
    EXPECT_FALSE(device->isEditable());
    EXPECT_FALSE(number->isEditable());
    ASSERT_EQ(device->count(), 10);
    EXPECT_EQ(device->itemText(0), "1");
    EXPECT_EQ(device->itemText(9), "0");
    ASSERT_EQ(number->count(), 100);
    EXPECT_EQ(number->itemText(5), "05");
    EXPECT_EQ(number->itemText(99), "99");
    EXPECT_EQ(device->currentText(), QString()) << "nothing chosen yet";

    // Keys pick a list value and run the lookup; anything else picks nothing.
    page->show();
    QTest::keyClicks(number, QStringLiteral("x"));
    EXPECT_EQ(number->currentText(), QString());
    QTest::keyClicks(device, QStringLiteral("7"));
    EXPECT_EQ(device->currentText(), "7");
    EXPECT_EQ(control<QLineEdit>("Text5")->text(), QStringLiteral("照明"));
    QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new search, not "x42"
    QTest::keyClicks(number, QStringLiteral("42"));
    EXPECT_EQ(number->currentText(), "42");
    EXPECT_EQ(control<QLineEdit>("Text3")->text(), QStringLiteral("消灯"));
}

} // namespace
