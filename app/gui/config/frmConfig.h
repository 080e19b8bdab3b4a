#pragma once

#include "ConfigRules.h"

#include <QDialog>
#include <QVariant>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class LearningPage;
class frmTapi;

// What the settings dialog reaches beyond the settings file.
struct ConfigLinks {
    // The telephony engine: its addresses fill the modem list, and saving switches its line off.
    frmTapi* engine = nullptr;
    // The dial-up component's GetEntries; unset when the program has no component.
    std::function<QVariant()> getEntries;
};

// The settings dialog: every setting of the program on three tabs (general, answering machine,
// remote control with the learning page), checked and saved on OK or on closing after a change.
class frmConfig : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHeightTwips = 8170;
    static inline const QString kUnsavedQuestion = QStringLiteral("設定内容が保存されていません。保存しますか？");

    // Runs the opening steps: the stored place, the modem list, the settings, the learning page's
    // grid and the speaking character. Not modal; show() it.
    explicit frmConfig(ConfigLinks links, QWidget* parent = nullptr);
    ~frmConfig() override;

    void FillDeviceList();
    void LoadSettings();
    // Shows the first broken rule and gives false; true when the entries can be saved.
    bool ValidateSettings();
    void SaveSettings();
    // A setting has been changed since the dialog opened.
    bool isChanged() const { return m_changed; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override; // Escape closes like the close box

private:
    QWidget* buildGeneralTab();
    QWidget* buildAnsweringTab();
    QWidget* buildRemoteTab();
    QWidget* buildMailGroup();
    void watchChanges();

    void placeAtStoredPosition();
    void storePosition();
    void Command8_Click();
    void Command4_Click();
    void Command10_Click();
    void Command7_Click(int index);
    void Check1_Click();
    void Check6_Click();
    void showPlaybackGroup();
    void showMailGroup();
    void addDialUpEntries();
    // OK steps after validation: save, switch the line off, reload the telephone's catalogue.
    void saveAndApply();
    ConfigEntries entries() const;
    void markChanged() { m_changed = true; }

    ConfigLinks m_links;
    bool m_changed = false;
    bool m_closingByOk = false;

    QTabWidget* SSTab1 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command9 = nullptr;

    // General
    QComboBox* cmbDevice = nullptr;
    QComboBox* Combo5 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command10 = nullptr;
    QLineEdit* Text1[2] = {};
    QPushButton* Command7[2] = {};
    QCheckBox* Check4 = nullptr;

    // Answering machine
    QCheckBox* Check1 = nullptr;
    QWidget* m_answeringArea = nullptr; // everything of the tab that Check1 switches
    QComboBox* Combo1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QWidget* m_playbackGroup = nullptr; // Label4, Text2 and Frame9, switched by Option1
    QLineEdit* Text2 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QRadioButton* Option3 = nullptr;
    QRadioButton* Option4 = nullptr;
    QWidget* m_mailGroup = nullptr; // switched by Option3
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QComboBox* Combo4 = nullptr;
    QLineEdit* Text11 = nullptr;
    QLineEdit* Text12 = nullptr;

    // Remote control
    QCheckBox* Check6 = nullptr;
    QLabel* Label22 = nullptr;
    QLineEdit* Text10 = nullptr;
    LearningPage* m_learning = nullptr;
};
