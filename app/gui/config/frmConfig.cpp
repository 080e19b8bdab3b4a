#include "frmConfig.h"

#include "Greetings.h"
#include "HTMLHelp.h"
#include "LearningPage.h"
#include "LineAddress.h"
#include "MainWindowLink.h"
#include "MessageMinutes.h"
#include "PasswordScrambler.h"
#include "Prompt.h"
#include "ReadIRData.h"
#include "RecordingSource.h"
#include "Settings.h"
#include "SpeakingCharacter.h"
#include "StoredChoice.h"
#include "StoredWindowState.h"
#include "Twips.h"
#include "UsableModem.h"
#include "frmTapi.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Check boxes and switches are stored as "1" and "0".
bool isOn(const QString& value)
{
    return value.trimmed() == u"1";
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

frmConfig::frmConfig(ConfigLinks links, QWidget* parent) : QDialog(parent), m_links(std::move(links))
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Morvane　－　設定"));

    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildGeneralTab(), QStringLiteral("全般設定"));
    SSTab1->addTab(buildAnsweringTab(), QStringLiteral("留守番電話の設定"));
    SSTab1->addTab(buildRemoteTab(), QStringLiteral("リモコン操作の設定"));
    Command8 = new QPushButton(QStringLiteral("OK"));
    Command8->setObjectName(QStringLiteral("Command8"));
    Command8->setDefault(true);
    Command9 = new QPushButton(QStringLiteral("キャンセル"));
    Command9->setObjectName(QStringLiteral("Command9"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command8);
    buttons->addWidget(Command9);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1);
    layout->addLayout(buttons);

    connect(Command8, &QPushButton::clicked, this, &frmConfig::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &QWidget::close);
    connect(Command4, &QPushButton::clicked, this, &frmConfig::Command4_Click);
    connect(Command10, &QPushButton::clicked, this, &frmConfig::Command10_Click);
    for (int i = 0; i < 2; ++i)
        connect(Command7[i], &QPushButton::clicked, this, [this, i] { Command7_Click(i); });
    connect(Check1, &QCheckBox::toggled, this, &frmConfig::Check1_Click);
    connect(Check6, &QCheckBox::toggled, this, &frmConfig::Check6_Click);
    connect(Option1, &QRadioButton::toggled, this, &frmConfig::showPlaybackGroup);
    connect(Option3, &QRadioButton::toggled, this, &frmConfig::showMailGroup);
    watchChanges();

    // Opening
    placeAtStoredPosition();
    m_closingByOk = false;
    FillDeviceList();
    LoadSettings();
    m_learning->setDialogGeometryProvider([this] { return frameGeometry(); });
    m_learning->bindGrid();
    LoadSpeakingCharacter();
    m_changed = false;
}

frmConfig::~frmConfig() = default;

void frmConfig::watchChanges()
{
    // Check3 is a setting like the others, so its change counts too; so does an entry typed into
    // Combo4.
    for (QCheckBox* box : {Check1, Check2, Check3, Check4, Check6})
        connect(box, &QCheckBox::toggled, this, &frmConfig::markChanged);
    for (QComboBox* list : {cmbDevice, Combo1, Combo2, Combo3, Combo5})
        connect(list, &QComboBox::currentIndexChanged, this, &frmConfig::markChanged);
    connect(Combo4, &QComboBox::currentTextChanged, this, &frmConfig::markChanged);
    for (QRadioButton* option : {Option1, Option2, Option3, Option4})
        connect(option, &QRadioButton::toggled, this, &frmConfig::markChanged);
    for (QLineEdit* text : {Text2, Text7, Text8, Text9, Text10, Text11, Text12})
        connect(text, &QLineEdit::textChanged, this, &frmConfig::markChanged);
}

void frmConfig::placeAtStoredPosition()
{
    const auto twips = StoredWindowState::position(ReadSetting(u"Position", u"PT-Config_Left"),
                                                   ReadSetting(u"Position", u"PT-Config_Top"));
    if (twips) {
        const QPoint at = Twips::toPixels(this, twips->x(), twips->y());
        // A place remembered from a screen that is gone would put the dialog out of sight.
        if (QGuiApplication::screenAt(at))
            move(at);
    }
    resize(width(), Twips::toPixels(kHeightTwips, Twips::dpiY(this)));
}

void frmConfig::storePosition()
{
    WriteSetting(u"Position", u"PT-Config_Top", QString::number(Twips::fromPixels(y(), Twips::dpiY(this))));
    WriteSetting(u"Position", u"PT-Config_Left", QString::number(Twips::fromPixels(x(), Twips::dpiX(this))));
}

void frmConfig::FillDeviceList()
{
    cmbDevice->clear();
    const Line* line = m_links.engine ? m_links.engine->gobjTapi() : nullptr;
    if (!line)
        return;
    for (const LineAddress* address : line->addresses())
        if (isUsableModem(*address))
            cmbDevice->addItem(address->addressName());
    if (cmbDevice->count() > 0)
        cmbDevice->setCurrentIndex(0);
}

void frmConfig::LoadSettings()
{
    Check1->setChecked(isOn(ReadSetting(u"Feature", u"AnsweringMachine")));
    Check6->setChecked(isOn(ReadSetting(u"Feature", u"IRRemote")));
    // A fresh installation has stored no modem yet: the first usable one stays chosen.
    showStoredChoice(*cmbDevice, ReadSetting(u"Tapi", u"Card"), 0);
    showStoredChoice(*Combo5, ReadSetting(u"Tapi", u"NumRings"), 0);
    for (int i = 0; i < 2; ++i)
        Text1[i]->setText(greetingText(i));
    Check4->setChecked(isOn(ReadSetting(u"Startup", u"Auto")));
    showStoredChoice(*Combo1, MessageMinutes::fromSeconds(ReadSetting(u"AnsweringMachine", u"MaxMessage")), 0);

    (isOn(ReadSetting(u"AnsweringMachine", u"Remote")) ? Option1 : Option2)->setChecked(true);
    Text2->setText(ReadSetting(u"AnsweringMachine", u"Pass"));
    showStoredChoice(*Combo2, ReadSetting(u"AnsweringMachine", u"Play"), -1);
    showStoredChoice(*Combo3, ReadSetting(u"AnsweringMachine", u"Skip"), -1);

    (isOn(ReadSetting(u"AnsweringMachine", u"MailReport")) ? Option3 : Option4)->setChecked(true);
    Check2->setChecked(isOn(ReadSetting(u"AnsweringMachine", u"AttachWav")));
    Check3->setChecked(isOn(ReadSetting(u"AnsweringMachine", u"UseDialUp")));
    Text7->setText(ReadSetting(u"AnsweringMachine", u"MailAddr"));
    Text8->setText(ReadSetting(u"AnsweringMachine", u"SMTPServer"));
    Text9->setText(ReadSetting(u"AnsweringMachine", u"SenderAddr"));
    Text11->setText(ReadSetting(u"AnsweringMachine", u"UserName"));
    Text12->setText(DecodePassword(ReadSetting(u"AnsweringMachine", u"RASPass")));
    Text10->setText(ReadSetting(u"IRRemote", u"Pass"));
    addDialUpEntries();
    Combo4->setEditText(ReadSetting(u"AnsweringMachine", u"RASEntry"));

    // The groups follow the loaded switches also where a switch stays as it was.
    Check1_Click();
    showPlaybackGroup();
    showMailGroup();
    Check6_Click();
}

void frmConfig::addDialUpEntries()
{
    if (!m_links.getEntries)
        return;
    const QVariant entries = m_links.getEntries();
    if (entries.typeId() != QMetaType::QVariantList)
        return;
    for (const QVariant& entry : entries.toList())
        Combo4->addItem(entry.toString());
}

ConfigEntries frmConfig::entries() const
{
    ConfigEntries e;
    e.remotePlayback = Option1->isChecked();
    e.playbackPass = Text2->text();
    e.mailReport = Option3->isChecked();
    e.mailAddr = Text7->text();
    e.smtpServer = Text8->text();
    e.senderAddr = Text9->text();
    e.useDialUp = Check3->isChecked();
    e.rasEntry = Combo4->currentText();
    e.userName = Text11->text();
    e.rasPass = Text12->text();
    e.irRemote = Check6->isChecked();
    e.irPass = Text10->text();
    return e;
}

bool frmConfig::ValidateSettings()
{
    const QString broken = ConfigRules::brokenRule(entries());
    if (broken.isEmpty())
        return true;
    Prompts::exclamation(broken);
    return false;
}

void frmConfig::SaveSettings()
{
    WriteSetting(u"Feature", u"AnsweringMachine", flag(Check1->isChecked()));
    WriteSetting(u"Feature", u"IRRemote", flag(Check6->isChecked()));
    WriteSetting(u"Tapi", u"Card", cmbDevice->currentText());
    WriteSetting(u"Tapi", u"NumRings", Combo5->currentText());
    WriteSetting(u"Startup", u"Auto", flag(Check4->isChecked()));
    WriteSetting(u"AnsweringMachine", u"MaxMessage", MessageMinutes::toSeconds(Combo1->currentText()));
    WriteSetting(u"AnsweringMachine", u"Remote", flag(Option1->isChecked()));
    WriteSetting(u"AnsweringMachine", u"Pass", Text2->text());
    WriteSetting(u"AnsweringMachine", u"Play", Combo2->currentText());
    WriteSetting(u"AnsweringMachine", u"Skip", Combo3->currentText());
    WriteSetting(u"AnsweringMachine", u"MailReport", flag(Option3->isChecked()));
    WriteSetting(u"AnsweringMachine", u"AttachWav", flag(Check2->isChecked()));
    WriteSetting(u"AnsweringMachine", u"UseDialUp", flag(Check3->isChecked()));
    WriteSetting(u"AnsweringMachine", u"MailAddr", Text7->text());
    WriteSetting(u"AnsweringMachine", u"SMTPServer", Text8->text());
    WriteSetting(u"AnsweringMachine", u"SenderAddr", Text9->text());
    WriteSetting(u"AnsweringMachine", u"RASEntry", Combo4->currentText());
    WriteSetting(u"AnsweringMachine", u"UserName", Text11->text());
    // ValidateSettings has refused a password that has no stored form.
    const Result<QString> pass = EncodePassword(Text12->text());
    if (pass)
        WriteSetting(u"AnsweringMachine", u"RASPass", *pass);
    WriteSetting(u"IRRemote", u"Pass", Text10->text());
}

void frmConfig::saveAndApply()
{
    SaveSettings();
    if (m_links.engine && m_links.engine->lineOn()) {
        m_links.engine->Tapi_Off();
        MainWindow::selectMediaMode(1);
    }
    if (const Status read = ReadIRData(); !read)
        Prompts::exclamation(read.error());
}

void frmConfig::Command8_Click()
{
    if (!ValidateSettings())
        return;
    saveAndApply();
    m_closingByOk = true;
    close();
}

void frmConfig::reject()
{
    close();
}

void frmConfig::closeEvent(QCloseEvent* event)
{
    if (!m_closingByOk && m_changed) {
        const PromptAnswer answer =
            Prompts::ask({PromptIcon::Information, PromptButtons::YesNo, kUnsavedQuestion, Prompts::kTitle});
        if (answer == PromptAnswer::Yes) {
            if (!ValidateSettings()) {
                event->ignore();
                return;
            }
            saveAndApply();
        }
    }
    storePosition();
    m_learning->closeViewer();
    event->accept();
}

void frmConfig::Command4_Click()
{
    OpenRecordingSource();
}

void frmConfig::Command10_Click()
{
    HTMLHelp::showTopic(this, HTMLHelp::kRecordingSource);
}

void frmConfig::Command7_Click(int index)
{
    Command7[index]->setEnabled(false);
    // Window events run while the character speaks: the dialog may be closed meanwhile.
    const QPointer<frmConfig> alive(this);
    RecordGreeting(index, Text1[index]->text());
    if (alive)
        Command7[index]->setEnabled(true);
}

void frmConfig::Check1_Click()
{
    m_answeringArea->setEnabled(Check1->isChecked());
}

void frmConfig::Check6_Click()
{
    const bool on = Check6->isChecked();
    Label22->setEnabled(on);
    Text10->setEnabled(on);
    m_learning->setAreasEnabled(on);
}

void frmConfig::showPlaybackGroup()
{
    m_playbackGroup->setEnabled(Option1->isChecked());
}

void frmConfig::showMailGroup()
{
    m_mailGroup->setEnabled(Option3->isChecked());
}
