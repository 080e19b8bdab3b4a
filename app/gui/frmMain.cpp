#include "frmMain.h"

#include "AppIcon.h"
#include "DataFolder.h"
#include "Desktop.h"
#include "HTMLHelp.h"
#include "MessageFolder.h"
#include "Prompt.h"
#include "Settings.h"
#include "StoredWindowState.h"
#include "Twips.h"
#include "frmAbout.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

namespace {

const QString kTitle = QStringLiteral("Morvane");
constexpr int kHeightTwips = 3885;
constexpr int kWidthTwips = 7800;

const QString kNothingToPlay =
    QStringLiteral("再生したいファイルをクリックして選択してください。複数個同時に選択できます。");
const QString kNothingDeleted = QStringLiteral("削除するファイルを選択してください。");
const QString kDeleteOne = QStringLiteral(" を削除します。よろしいですか？");
const QString kDeleteAll = QStringLiteral("すべてのファイルを削除します。よろしいですか？");

struct PortEntry {
    const char* name;
    const char* caption;
    QString address;
};
const PortEntry kPorts[3] = {
    {"M378", "378H", QStringLiteral("378")},
    {"M278", "278H", QStringLiteral("278")},
    {"M3BC", "3BCH", QStringLiteral("3BC")},
};

QAction* menuEntry(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

frmMain::frmMain(Desktop& desktop, QWidget* parent) : QMainWindow(parent), m_desktop(desktop)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    setWindowIcon(appIcon());
    buildMenus();

    auto* central = new QWidget(this);
    // Side by side, so that both frames fit in the window's fixed height.
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildLineFrame());
    layout->addWidget(buildMessageFrame(), 1);
    setCentralWidget(central);
    buildStatusBar();

    resize(Twips::toPixels(kWidthTwips, Twips::dpiX(this)), Twips::toPixels(kHeightTwips, Twips::dpiY(this)));
    setWavePlayer({});
    setSpeechEngineInstaller({});
    MainWindowLink::install(this);
}

frmMain::~frmMain()
{
    if (MainWindowLink::current() == this)
        MainWindowLink::install(nullptr);
    m_desktop.deleteTrayIcon();
}

void frmMain::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    file->setObjectName(QStringLiteral("MFile"));
    connect(menuEntry(file, "MLog", QStringLiteral("動作ログを表示(&L)")), &QAction::triggered, this,
            &frmMain::MLog_Click);
    file->addSeparator();
    connect(menuEntry(file, "MEnd", QStringLiteral("終了(&E)")), &QAction::triggered, this, &frmMain::MEnd_Click);

    QMenu* setting = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    setting->setObjectName(QStringLiteral("MSetting"));
    connect(menuEntry(setting, "MGSetting", QStringLiteral("全般(&G)")), &QAction::triggered, this,
            &frmMain::MGSetting_Click);
    setting->addSeparator();
    QMenu* addr = setting->addMenu(QStringLiteral("パラレルポートのアドレス(&S)"));
    addr->setObjectName(QStringLiteral("MAddr"));
    for (int i = 0; i < 3; ++i) {
        m_port[i] = menuEntry(addr, kPorts[i].name, QLatin1String(kPorts[i].caption));
        m_port[i]->setCheckable(true);
        connect(m_port[i], &QAction::triggered, this, [this, i] { choosePortAddress(kPorts[i].address); });
    }
    setting->addSeparator();
    m_installTts = menuEntry(setting, "MInstTTS", QStringLiteral("音声合成エンジンのインストール(&I)"));
    connect(m_installTts, &QAction::triggered, this, [this] {
        if (m_installSpeechEngine)
            m_installSpeechEngine();
    });
    setting->addSeparator();
    m_withWin = menuEntry(setting, "MWithWin", QStringLiteral("Windows起動時に起動(&W)"));
    m_withWin->setCheckable(true);
    connect(m_withWin, &QAction::triggered, this, &frmMain::MWithWin_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName(QStringLiteral("MHelp"));
    connect(menuEntry(help, "MHelp1", QStringLiteral("目次とキーワード(&C)")), &QAction::triggered, this,
            [this] { HTMLHelp::showContents(this); });
    help->addSeparator();
    connect(menuEntry(help, "MVersion", QStringLiteral("バージョン情報(&A)")), &QAction::triggered, this,
            [this] { frmAbout::showFor(this, m_desktop); });

    m_popup = new QMenu(QStringLiteral("Menu2"), this);
    m_popup->setObjectName(QStringLiteral("MMenu2"));
    connect(menuEntry(m_popup, "MPlay2", QStringLiteral("再生")), &QAction::triggered, this, &frmMain::Command1_Click);
    m_popup->addSeparator();
    connect(menuEntry(m_popup, "MDelete2", QStringLiteral("削除")), &QAction::triggered, this,
            &frmMain::Command3_Click);
}

QWidget* frmMain::buildLineFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("電話着信待ち受け"));
    auto* layout = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(frame);
    const QString captions[2] = {QStringLiteral("ON"), QStringLiteral("OFF")};
    for (int i = 0; i < 2; ++i) {
        m_optMediaMode[i] = new QRadioButton(captions[i]);
        m_optMediaMode[i]->setObjectName(QStringLiteral("optMediaMode%1").arg(i));
        group->addButton(m_optMediaMode[i], i);
        layout->addWidget(m_optMediaMode[i]);
    }
    m_optMediaMode[0]->setToolTip(QStringLiteral("ONにすると着信に応答します"));
    layout->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this, &frmMain::optMediaMode_Click);
    return frame;
}

QWidget* frmMain::buildMessageFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("留守番電話に残されたメッセージ"));
    auto* layout = new QHBoxLayout(frame);

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setToolTip(QStringLiteral("メッセージが残された日時と相手の電話番号"));
    m_list->viewport()->installEventFilter(this);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &frmMain::Command1_Click);
    layout->addWidget(m_list, 1);

    auto* side = new QVBoxLayout;
    const QString captions[4] = {QStringLiteral("再生"), QStringLiteral("全て再生"), QStringLiteral("消去"),
                                 QStringLiteral("全て消去")};
    for (int i = 0; i < 4; ++i) {
        m_command[i] = new QPushButton(captions[i]);
        m_command[i]->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        side->addWidget(m_command[i]);
    }
    m_command[0]->setToolTip(QStringLiteral("選択された行のメッセージを再生"));
    m_command[2]->setToolTip(QStringLiteral("選択された行のメッセージを削除"));
    connect(m_command[0], &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(m_command[1], &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(m_command[2], &QPushButton::clicked, this, &frmMain::Command3_Click);
    connect(m_command[3], &QPushButton::clicked, this, &frmMain::Command4_Click);

    auto* countRow = new QHBoxLayout;
    m_count = new QLabel(QStringLiteral("0"));
    m_count->setObjectName(QStringLiteral("Label1"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_count->setAutoFillBackground(true);
    QPalette white = m_count->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    m_count->setPalette(white);
    m_count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* items = new QLabel(QStringLiteral("件"));
    items->setObjectName(QStringLiteral("Label2"));
    countRow->addWidget(m_count, 1);
    countRow->addWidget(items);
    side->addLayout(countRow);
    side->addStretch(1);
    layout->addLayout(side);
    return frame;
}

void frmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(false);
    m_status = new QLabel;
    m_date = new QLabel;
    m_time = new QLabel;
    for (QLabel* panel : {m_status, m_date, m_time})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(m_status, 1);
    bar->addPermanentWidget(m_date);
    bar->addPermanentWidget(m_time);
    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &frmMain::updateClock);
    m_clock->start(1000);
    updateClock();
}

void frmMain::updateClock()
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(japanese.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(now.time().toString(QStringLiteral("H:mm")));
}

void frmMain::setWavePlayer(WavePlayer player)
{
    m_player = std::move(player);
    setMessageControlsEnabled(!m_playing);
}

void frmMain::setSpeechEngineInstaller(Action install)
{
    m_installSpeechEngine = std::move(install);
    m_installTts->setEnabled(static_cast<bool>(m_installSpeechEngine));
}

// --- start-up steps -----------------------------------------------------------------------------

void frmMain::restorePosition()
{
    const auto twips =
        StoredWindowState::position(ReadSetting(u"Position", u"PT_Left"), ReadSetting(u"Position", u"PT_Top"));
    if (twips) {
        const QPoint at = Twips::toPixels(this, twips->x(), twips->y());
        // A position remembered from a screen that is gone would put the window out of sight.
        if (QGuiApplication::screenAt(at))
            move(at);
    }
    resize(width(), Twips::toPixels(kHeightTwips, Twips::dpiY(this)));
}

void frmMain::restorePortAddress()
{
    const QString stored = ReadSetting(u"PPort", u"Addr");
    m_portAddress = StoredWindowState::portAddress(stored);
    if (stored != m_portAddress)
        WriteSetting(u"PPort", u"Addr", m_portAddress);
    for (int i = 0; i < 3; ++i)
        m_port[i]->setChecked(kPorts[i].address == m_portAddress);
}

void frmMain::showOrHideToTray()
{
    if (ReadSetting(u"Pos", u"HideP") == u"1") {
        hide();
        HideToTray();
        return;
    }
    show();
    m_list->setFocus();
}

void frmMain::restoreAutostartTick()
{
    m_withWin->setChecked(ReadSetting(u"Startup", u"WithWindows") == u"1");
}

// --- the line switch and the status bar -------------------------------------------------------

void frmMain::setStatusText(const QString& text)
{
    m_status->setText(text);
}

QString frmMain::statusText() const
{
    return m_status->text();
}

bool frmMain::isLineOn() const
{
    return m_optMediaMode[0]->isChecked();
}

void frmMain::selectMediaMode(int index)
{
    if (index != 0 && index != 1)
        return;
    m_optMediaMode[index]->setChecked(true);
    optMediaMode_Click(index);
}

void frmMain::optMediaMode_Click(int index)
{
    if (m_lineSwitch)
        m_lineSwitch(index == 0);
}

// --- menus --------------------------------------------------------------------------------------

void frmMain::MLog_Click()
{
    const QString log = DataFolder::path(u"\\Phone.log");
    // An editor opens an existing file; the call log appears with the first call otherwise.
    if (!QFile::exists(log)) {
        QFile create(log);
        create.open(QIODevice::Append);
    }
    if (!m_desktop.openTextFile(log))
        Prompts::exclamation(QStringLiteral("動作ログ %1 をテキストエディタで開くことができませんでした。").arg(log));
}

void frmMain::MEnd_Click()
{
    // Ends at once: the closing steps (saving the position) do not run.
    m_desktop.deleteTrayIcon();
    QCoreApplication::exit(0);
}

void frmMain::MGSetting_Click()
{
    selectMediaMode(1);
    if (m_openSettings)
        m_openSettings();
}

void frmMain::choosePortAddress(const QString& address)
{
    for (int i = 0; i < 3; ++i)
        m_port[i]->setChecked(kPorts[i].address == address);
    WriteSetting(u"PPort", u"Addr", address);
    m_portAddress = address;
}

void frmMain::MWithWin_Click(bool ticked)
{
    if (!ticked) {
        WriteSetting(u"Startup", u"WithWindows", u"0");
        m_desktop.removeAutostart();
        return;
    }
    WriteSetting(u"Startup", u"WithWindows", u"1");
    const QStringList command = {QCoreApplication::applicationFilePath(), QStringLiteral("--home"),
                                 DataFolder::current()};
    const Status added = m_desktop.addAutostart(command);
    if (!added)
        Prompts::exclamation(added.error());
}

// --- the message list ---------------------------------------------------------------------------

void frmMain::FillAMHistory()
{
    m_files = MessageFolder::fileNames(MessageFolder::path());
    m_list->clear();
    for (const QString& file : m_files)
        m_list->addItem(MessageFolder::rowText(file));
    m_count->setText(QString::number(m_files.size()));
}

QStringList frmMain::selectedFiles() const
{
    QStringList files;
    for (int row = 0; row < m_list->count() && row < m_files.size(); ++row) {
        if (m_list->item(row)->isSelected())
            files << m_files.at(row);
    }
    return files;
}

void frmMain::selectFileRow(const QString& file, bool selected)
{
    const qsizetype row = m_files.indexOf(file);
    if (row >= 0 && row < m_list->count())
        m_list->item(static_cast<int>(row))->setSelected(selected);
}

void frmMain::setMessageControlsEnabled(bool enabled)
{
    m_list->setEnabled(enabled);
    m_command[0]->setEnabled(enabled && m_player);
    m_command[1]->setEnabled(enabled && m_player);
    m_command[2]->setEnabled(enabled);
    m_command[3]->setEnabled(enabled);
    if (QAction* play = m_popup->findChild<QAction*>(QStringLiteral("MPlay2")))
        play->setEnabled(static_cast<bool>(m_player));
}

void frmMain::Command1_Click()
{
    playFiles(selectedFiles());
}

void frmMain::Command2_Click()
{
    playFiles(m_files);
}

// Plays the files one after the other, each row selected while it plays. The files are remembered
// by name, so a list rebuilt meanwhile (a new message) does not shift them.
void frmMain::playFiles(const QStringList& files)
{
    if (!m_player || m_playing)
        return;
    m_playing = true;
    setMessageControlsEnabled(false);
    m_list->clearSelection();
    m_playQueue = files;
    m_playedAny = false;
    playNext();
}

void frmMain::playNext()
{
    while (!m_playQueue.isEmpty()) {
        const QString file = m_playQueue.takeFirst();
        const QString path = MessageFolder::fileInside(MessageFolder::path(), file);
        if (path.isEmpty())
            continue;
        selectFileRow(file, true);
        m_playedAny = true;
        QPointer<frmMain> self(this);
        m_player(path, [self, file](bool played) {
            if (!self)
                return;
            // Queued: the player may call back from inside its own start.
            QTimer::singleShot(0, self, [self, file, played] {
                self->selectFileRow(file, false);
                if (!played)
                    self->m_playQueue.clear();
                self->playNext();
            });
        });
        return;
    }
    m_playing = false;
    setMessageControlsEnabled(true);
    if (!m_playedAny)
        Prompts::information(kNothingToPlay);
}

void frmMain::Command3_Click()
{
    const QString folder = MessageFolder::path();
    bool deletedAny = false;
    for (const QString& file : selectedFiles()) {
        if (!Prompts::question(file + kDeleteOne))
            continue;
        const QString path = MessageFolder::fileInside(folder, file);
        if (!path.isEmpty() && QFile::remove(path))
            deletedAny = true;
    }
    FillAMHistory();
    if (!deletedAny)
        Prompts::information(kNothingDeleted);
}

void frmMain::Command4_Click()
{
    if (!Prompts::question(kDeleteAll))
        return;
    const QString folder = MessageFolder::path();
    for (const QString& file : std::as_const(m_files)) {
        const QString path = MessageFolder::fileInside(folder, file);
        if (!path.isEmpty())
            QFile::remove(path);
    }
    FillAMHistory();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            m_popup->popup(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- the notification area ----------------------------------------------------------------------

void frmMain::HideToTray()
{
    // Without a notification area the window would vanish with nothing to bring it back: it is
    // only minimised then, and the hidden state is not recorded.
    if (!m_desktop.isTrayAvailable()) {
        if (!isMinimized())
            showMinimized();
        return;
    }
    if (!m_inTray) {
        m_desktop.addTrayIcon(windowIcon(), kTitle, [this](Desktop::TrayPress press) {
            if (press == Desktop::TrayPress::Left || press == Desktop::TrayPress::Right)
                RestoreFromTray();
        });
    }
    m_inTray = true;
    hide();
    WriteSetting(u"Pos", u"HideP", u"1");
}

void frmMain::RestoreFromTray()
{
    m_desktop.deleteTrayIcon();
    m_inTray = false;
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    WriteSetting(u"Pos", u"HideP", u"0");
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    activateWindow();
    raise();
}

void frmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
    if (isMinimized() && !wasMinimized && m_desktop.isTrayAvailable()) {
        // Hidden after the state change has finished, not inside it.
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                HideToTray();
        });
    } else if (wasMinimized && !isMinimized() && !m_inTray && ReadSetting(u"Pos", u"HideP") == u"1") {
        // Started minimised for want of a notification area, and now shown by the user.
        WriteSetting(u"Pos", u"HideP", u"0");
    }
}

void frmMain::closeEvent(QCloseEvent* event)
{
    WriteSetting(u"Position", u"PT_Top", QString::number(Twips::fromPixels(y(), Twips::dpiY(this))));
    WriteSetting(u"Position", u"PT_Left", QString::number(Twips::fromPixels(x(), Twips::dpiX(this))));
    if (m_onClose)
        m_onClose();
    m_desktop.deleteTrayIcon();
    event->accept();
    QCoreApplication::quit();
}
