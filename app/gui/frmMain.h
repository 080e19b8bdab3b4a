#pragma once

#include "MainWindowLink.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>

class Desktop;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

// The program's main window: the answering line's ON/OFF switch, the list of recorded messages,
// the menus and the notification-area icon. The other windows and the engine reach it through
// MainWindowLink.
class frmMain : public QMainWindow, public MainWindowLink {
    Q_OBJECT
public:
    // Switches the answering line: true runs Tapi_On, false Tapi_Off.
    using LineSwitch = std::function<void(bool on)>;
    // Plays a WAV file on the PC and calls done once it has ended, with false when it could not be
    // played (the player has said why); the rows after it are then not played.
    using WavePlayer = std::function<void(const QString& path, std::function<void(bool played)> done)>;
    using Action = std::function<void()>;

    explicit frmMain(Desktop& desktop, QWidget* parent = nullptr);
    ~frmMain() override;

    void setLineSwitch(LineSwitch lineSwitch) { m_lineSwitch = std::move(lineSwitch); }
    // Without a player the two play buttons stay disabled.
    void setWavePlayer(WavePlayer player);
    void setSettingsOpener(Action open) { m_openSettings = std::move(open); }
    void setSpeechEngineInstaller(Action install);
    // Runs when the window is closed, after the position has been saved (the engine closes there).
    void setCloseHandler(Action onClose) { m_onClose = std::move(onClose); }

    // Start-up steps the window does itself.
    void restorePosition();
    void restorePortAddress();
    void showOrHideToTray();
    void restoreAutostartTick();

    void FillAMHistory();
    void HideToTray();
    void RestoreFromTray();
    bool isInTray() const { return m_inTray; }
    // "378", "278" or "3BC".
    const QString& portAddress() const { return m_portAddress; }
    QString statusText() const;
    // optMediaMode index 0 (ON) is selected.
    bool isLineOn() const;

    void setStatusText(const QString& text) override;
    void selectMediaMode(int index) override;
    void refreshMessages() override { FillAMHistory(); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildLineFrame();
    QWidget* buildMessageFrame();
    void buildStatusBar();

    void optMediaMode_Click(int index);
    void MLog_Click();
    void MEnd_Click();
    void MGSetting_Click();
    void choosePortAddress(const QString& address);
    void MWithWin_Click(bool ticked);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    QStringList selectedFiles() const;
    void playFiles(const QStringList& files);
    void playNext();
    void setMessageControlsEnabled(bool enabled);
    void selectFileRow(const QString& file, bool selected);
    void updateClock();

    Desktop& m_desktop;
    LineSwitch m_lineSwitch;
    WavePlayer m_player;
    Action m_openSettings;
    Action m_installSpeechEngine;
    Action m_onClose;

    QString m_portAddress = QStringLiteral("378");
    QStringList m_files; // File1: the message files, row i of List1 is file i
    QStringList m_playQueue;
    bool m_playedAny = false;
    bool m_playing = false;
    bool m_inTray = false;

    QRadioButton* m_optMediaMode[2] = {};
    QListWidget* m_list = nullptr;
    QPushButton* m_command[4] = {};
    QLabel* m_count = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_time = nullptr;
    QTimer* m_clock = nullptr;
    QAction* m_port[3] = {};
    QAction* m_withWin = nullptr;
    QAction* m_installTts = nullptr;
    QMenu* m_popup = nullptr;
};
