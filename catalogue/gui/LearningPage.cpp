#include "LearningPage.h"

#include "ApplianceWatch.h"
#include "CatalogueDatabase.h"
#include "CatalogueGridModel.h"
#include "CatalogueKeys.h"
#include "CatalogueStore.h"
#include "DataFolder.h"
#include "IrThread.h"
#include "PortIo.h"
#include "Prompt.h"
#include "RecordJudgement.h"
#include "RecordNavigator.h"
#include "SpeakIntoFile.h"
#include "SpeakingCharacter.h"
#include "Speech.h"
#include "SpeechWait.h"
#include "SpokenLabel.h"
#include "Twips.h"
#include "VirtualRemoteWindow.h"
#include "frmIRDetail.h"
#include "modRemocon.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kChooseAndRecord = QStringLiteral("機器番号とリモコンボタン番号を指定し、記録ボタンを押してください。");
const QString kChooseBeforeRecording =
    QStringLiteral("機器番号とリモコンボタン番号を指定してから記録開始ボタンを押してください。");
const QString kTested = QStringLiteral("テストを実行しました。機器の動作が確認できたら、追加ボタンを押して記録して"
                                       "ください。失敗した場合は記録をしなおしてください。");
const QString kTestFailed = QStringLiteral("テストに失敗しました。");
const QString kSelectToTest = QStringLiteral("テストする行を選択してください。");
const QString kSelectToDelete = QStringLiteral("削除する行を選択してください。");
const QString kHasBeenRecorded = QStringLiteral("を、記録しました");
const QString kNoRecord = QStringLiteral("レコードなし");

const QColor kStatusColour(128, 255, 255);
const QColor kRecordingColour(255, 0, 0);

// Grid columns by position: width in twips, centred or not. The path column is never visible.
struct GridColumn {
    int widthTwips;
    bool hidden;
};
constexpr GridColumn kGridColumns[] = {{1000, false}, {2000, false}, {1800, false}, {4400, false}, {0, true}};

void paintStatus(QPlainTextEdit* box, const QColor& colour, const QString& text)
{
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colour);
    box->setPalette(p);
    box->setPlainText(text);
}

// What the capture shows while it runs; called on the user-interface thread.
class CaptureProgress : public CaptureObserver {
public:
    CaptureProgress(QPlainTextEdit* status, frmIRDetail* viewer) : m_status(status), m_viewer(viewer) {}
    void recording() override { paintStatus(m_status, kRecordingColour, QStringLiteral("記録中...")); }
    void pleaseWait() override { paintStatus(m_status, kStatusColour, QStringLiteral("お待ちください...")); }
    void signalCaptured(const std::vector<double>& times, const std::vector<std::uint8_t>& levels) override
    {
        m_viewer->drawCapture(times, levels);
    }
    void carrierEstimated(double kHz) override { m_viewer->showCarrier(kHz); }

private:
    QPlainTextEdit* m_status;
    frmIRDetail* m_viewer;
};

// Hands the capture's reports from the IR thread to the user-interface thread, in their order.
class QueuedCaptureObserver : public CaptureObserver {
public:
    QueuedCaptureObserver(QObject* context, CaptureObserver& target) : m_context(context), m_target(target) {}
    void recording() override
    {
        post([&t = m_target] { t.recording(); });
    }
    void pleaseWait() override
    {
        post([&t = m_target] { t.pleaseWait(); });
    }
    void signalCaptured(const std::vector<double>& times, const std::vector<std::uint8_t>& levels) override
    {
        post([&t = m_target, times, levels] { t.signalCaptured(times, levels); });
    }
    void carrierEstimated(double kHz) override
    {
        post([&t = m_target, kHz] { t.carrierEstimated(kHz); });
    }

private:
    template <class F> void post(F f) { QMetaObject::invokeMethod(m_context, std::move(f), Qt::QueuedConnection); }

    QObject* m_context;
    CaptureObserver& m_target;
};

QLabel* captionFor(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

LearningPage::LearningPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LearningPage"));
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };

    m_learnFrame = named(new QGroupBox(QStringLiteral("リモコン信号の学習"), this), "Frame_Learn");
    Combo6 = named(new QComboBox(m_learnFrame), "Combo6");
    for (const char* d : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"})
        Combo6->addItem(QString::fromLatin1(d));
    Combo7 = named(new QComboBox(m_learnFrame), "Combo7");
    for (int b = 0; b < 100; ++b)
        Combo7->addItem(QStringLiteral("%1").arg(b, 2, 10, QLatin1Char('0')));
    // Only list values can be chosen: typed keys outside the catalogue's ranges never reach it.
    Combo6->setCurrentIndex(-1);
    Combo7->setCurrentIndex(-1);
    Text5 = named(new QLineEdit(m_learnFrame), "Text5");
    Text5->setToolTip(QStringLiteral("例：ビデオ、テレビ　など"));
    Text3 = named(new QLineEdit(m_learnFrame), "Text3");
    Text3->setToolTip(QStringLiteral("例：電源、録画　など"));
    Command3 = named(new QPushButton(QStringLiteral("記録開始"), m_learnFrame), "Command3");
    Command2 = named(new QPushButton(QStringLiteral("テスト"), m_learnFrame), "Command2");
    Command6 = named(new QPushButton(QStringLiteral("追加"), m_learnFrame), "Command6");
    Command2->setEnabled(false);
    Command6->setEnabled(false);
    Text4 = named(new QPlainTextEdit(m_learnFrame), "Text4");
    Text4->setReadOnly(true);
    Text4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the status wraps at the box's width
    Text4->setFixedHeight(Twips::toPixels(900, Twips::dpiY(this)));
    paintStatus(Text4, kStatusColour, kChooseAndRecord + u'\n');

    auto* learn = new QGridLayout(m_learnFrame);
    learn->addWidget(captionFor(QStringLiteral("機器番号"), Combo6, m_learnFrame), 0, 0);
    learn->addWidget(Combo6, 0, 1);
    learn->addWidget(captionFor(QStringLiteral("機器の名前"), Text5, m_learnFrame), 0, 2);
    learn->addWidget(Text5, 0, 3);
    learn->addWidget(captionFor(QStringLiteral("リモコンボタン番号"), Combo7, m_learnFrame), 1, 0);
    learn->addWidget(Combo7, 1, 1);
    learn->addWidget(captionFor(QStringLiteral("機能の説明"), Text3, m_learnFrame), 1, 2);
    learn->addWidget(Text3, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    buttons->addWidget(Command6);
    learn->addLayout(buttons, 2, 0, 1, 4);
    learn->addWidget(captionFor(QStringLiteral("ステータス"), Text4, m_learnFrame), 3, 0, Qt::AlignTop);
    learn->addWidget(Text4, 3, 1, 1, 3);
    learn->setColumnStretch(3, 1);

    m_listFrame = named(new QGroupBox(QStringLiteral("記録されているリモコン操作"), this), "Frame_List");
    DataGrid1 = named(new QTableView(m_listFrame), "DataGrid1");
    DataGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DataGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DataGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DataGrid1->verticalHeader()->setDefaultSectionSize(Twips::toPixels(300, Twips::dpiY(this)));
    m_model = new CatalogueGridModel(this);
    DataGrid1->setModel(m_model);
    connect(DataGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &LearningPage::ShowRecordPosition);
    Adodc1 = named(new RecordNavigator(DataGrid1, m_listFrame), "Adodc1");
    Command1 = named(new QPushButton(QStringLiteral("選択行を削除"), m_listFrame), "Command1");
    Command5 = named(new QPushButton(QStringLiteral("選択行をテスト"), m_listFrame), "Command5");
    auto* list = new QVBoxLayout(m_listFrame);
    list->addWidget(DataGrid1, 1);
    auto* below = new QHBoxLayout;
    below->addWidget(Adodc1, 1);
    below->addWidget(Command5);
    below->addWidget(Command1);
    list->addLayout(below);

    auto* page = new QVBoxLayout(this);
    page->addWidget(m_learnFrame);
    page->addWidget(m_listFrame, 1);

    connect(Combo6, &QComboBox::activated, this, &LearningPage::Combo6_Click);
    connect(Combo7, &QComboBox::activated, this, &LearningPage::Combo7_Click);
    connect(Command3, &QPushButton::clicked, this, &LearningPage::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &LearningPage::Command2_Click);
    connect(Command6, &QPushButton::clicked, this, &LearningPage::Command6_Click);
    connect(Command5, &QPushButton::clicked, this, &LearningPage::Command5_Click);
    connect(Command1, &QPushButton::clicked, this, &LearningPage::Command1_Click);
    ShowRecordPosition();
}

LearningPage::~LearningPage()
{
    // The model's statement goes before the connection it runs on.
    m_model->clear();
}

void LearningPage::bindGrid()
{
    if (!m_connection) {
        Result<CatalogueConnection> opened = CatalogueConnection::open();
        if (!opened) {
            Prompts::exclamation(opened.error());
            return;
        }
        m_connection = std::make_unique<CatalogueConnection>(std::move(opened.value()));
    }
    if (const QString error = m_model->bind(m_connection->database()); !error.isEmpty())
        Prompts::exclamation(error);
    applyGridLayout();
    if (m_model->rowCount() > 0)
        DataGrid1->selectRow(0);
    ShowRecordPosition();
}

void LearningPage::applyGridLayout()
{
    const double dpi = Twips::dpiX(this);
    for (int c = 0; c < int(std::size(kGridColumns)); ++c) {
        DataGrid1->setColumnHidden(c, kGridColumns[c].hidden);
        if (!kGridColumns[c].hidden)
            DataGrid1->setColumnWidth(c, Twips::toPixels(kGridColumns[c].widthTwips, dpi));
    }
}

void LearningPage::setAreasEnabled(bool on)
{
    if (on == m_areasEnabled)
        return;
    QPushButton* const three[] = {Command3, Command2, Command6};
    if (!on) {
        for (std::size_t i = 0; i < m_savedButtons.size(); ++i)
            m_savedButtons[i] = three[i]->isEnabled();
    }
    m_learnFrame->setEnabled(on);
    m_listFrame->setEnabled(on);
    if (on) {
        for (std::size_t i = 0; i < m_savedButtons.size(); ++i)
            three[i]->setEnabled(m_savedButtons[i]);
    }
    m_areasEnabled = on;
}

void LearningPage::closeViewer()
{
    if (m_viewer) {
        m_viewer->closeZoom();
        m_viewer->close();
    }
    if (m_remote)
        m_remote->close();
}

void LearningPage::setDialogGeometryProvider(std::function<QRect()> frame)
{
    m_dialogFrame = std::move(frame);
}

void LearningPage::ShowRecordPosition()
{
    const QModelIndex current = DataGrid1->currentIndex();
    if (!current.isValid() || m_model->rowCount() == 0) {
        Adodc1->setCaption(kNoRecord);
        return;
    }
    Adodc1->setCaption(QStringLiteral("%1/%2").arg(current.row() + 1).arg(m_model->rowCount()));
}

void LearningPage::lookUp(bool keepNameWithoutRows)
{
    const Result<CatalogueStore::DeviceLookup> found =
        CatalogueStore::lookupDevice(Combo6->currentText(), Combo7->currentText());
    if (!found) {
        Prompts::exclamation(found.error());
        return;
    }
    if (found->registered || !keepNameWithoutRows)
        Text5->setText(found->name);
    Text3->setText(found->description);
}

void LearningPage::Combo6_Click()
{
    lookUp(false);
}

void LearningPage::Combo7_Click()
{
    lookUp(true);
}

void LearningPage::setStatus(const QString& text)
{
    Text4->setPlainText(text);
}

frmIRDetail* LearningPage::viewer()
{
    if (!m_viewer)
        m_viewer = new frmIRDetail(CatalogueKeys::workFilePath(), this);
    return m_viewer;
}

void LearningPage::showViewer()
{
    frmIRDetail* detail = viewer();
    if (!detail->isVisible())
        detail->placeBelow(m_dialogFrame ? m_dialogFrame() : window()->frameGeometry());
    detail->show();
}

VirtualRemoteWindow* LearningPage::virtualRemote()
{
    const bool inUse = makePortIo()->kind() == u"sim";
    if (!inUse) {
        if (m_remote)
            m_remote->hide();
        return nullptr;
    }
    if (!m_remote)
        m_remote = new VirtualRemoteWindow(this);
    if (!m_remote->isVisible()) {
        const QRect dialog = m_dialogFrame ? m_dialogFrame() : window()->frameGeometry();
        m_remote->move(dialog.left() + dialog.width(), dialog.top());
        m_remote->show();
    }
    return m_remote;
}

void LearningPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    virtualRemote();
}

void LearningPage::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (m_remote)
        m_remote->hide();
}

void LearningPage::Command3_Click()
{
    if (Combo6->currentText().isEmpty() || Combo7->currentText().isEmpty()) {
        Prompts::exclamation(kChooseBeforeRecording);
        return;
    }
    Command3->setEnabled(false);
    // The work file is about to change: what a test approved before may no longer be in it.
    Command6->setEnabled(false);
    showViewer();
    const QPointer<QWidget> remote = virtualRemote();
    QDir().mkpath(QFileInfo(CatalogueKeys::workFilePath()).absolutePath());
    QCoreApplication::processEvents();

    const QString path = CatalogueKeys::workFilePath();
    bool captured = false;
    SuspendTapiTimers();
    if (makePortIo()->IsDriverInstalled()) {
        CaptureProgress progress(Text4, viewer());
        QueuedCaptureObserver queued(this, progress);
        setCaptureObserver(&queued);
        runOnIrThread([&] { captured = CaptureSignal(path); }, {remote});
        setCaptureObserver(nullptr);
    } else {
        captured = CaptureSignal(path); // shows the driver message
    }
    ResumeTapiTimers();
    Command3->setEnabled(true);
    QCoreApplication::processEvents();

    const RecordJudgement judgement = judgeCapture(captured, CarrierKHz());
    setStatus(judgementStatus(judgement));
    if (judgement == RecordJudgement::Recorded) {
        Command2->setEnabled(true);
        Command3->setEnabled(false);
    }
    Text4->setFocus();
}

bool LearningPage::sendTestSignal(const QString& path)
{
    bool sent = false;
    const auto send = [&] { runOnIrThread([&] { sent = SendSignal(path); }); };
    SuspendTapiTimers();
    if (VirtualRemoteWindow* remote = virtualRemote())
        remote->showReceived(watchAppliance(send));
    else
        send();
    ResumeTapiTimers();
    return sent;
}

void LearningPage::Command2_Click()
{
    if (sendTestSignal(CatalogueKeys::workFilePath())) {
        setStatus(kTested);
        Command2->setEnabled(false);
        Command3->setEnabled(true);
        Command6->setEnabled(true);
    } else {
        setStatus(kTestFailed);
        Command2->setEnabled(false);
        Command3->setEnabled(true);
    }
}

void LearningPage::Command6_Click()
{
    const CatalogueStore::NewSignal signal{Combo6->currentText(), Text5->text(), Combo7->currentText(), Text3->text()};
    const Result<CatalogueStore::AddOutcome> added = CatalogueStore::addLearnedSignal(signal);
    if (!added) {
        Prompts::exclamation(added.error());
        return;
    }
    if (*added == CatalogueStore::AddOutcome::Declined)
        return;

    DataGrid1->hide();
    bindGrid();
    selectPair(signal.device, signal.button); // the new row is the current one
    DataGrid1->show();
    Command6->setEnabled(false);
    Command3->setEnabled(false);
    QPointer<LearningPage> alive(this);
    if (MakeSpokenLabel(signal.device, signal.button, signal.name, signal.description) && alive)
        waitForAddedSpeech();
    if (!alive)
        return; // the dialog went away while the character spoke
    Command3->setEnabled(true);
    setStatus(kChooseAndRecord);
}

void LearningPage::waitForAddedSpeech()
{
    Speech* character = LoadSpeakingCharacter();
    if (!character)
        return;
    const Result<quint64> SpeechRequest = character->speak(kHasBeenRecorded);
    if (!SpeechRequest)
        return;
    waitForSpeech(*character, *SpeechRequest, speechTimeLimitMs(kHasBeenRecorded));
}

void LearningPage::selectPair(const QString& device, const QString& button)
{
    for (int r = 0; r < m_model->rowCount(); ++r) {
        const CatalogueRow row = m_model->row(r);
        if (row.device == device && row.button == button) {
            DataGrid1->selectRow(r);
            return;
        }
    }
}

std::optional<CatalogueRow> LearningPage::selectedRow() const
{
    const QModelIndex current = DataGrid1->currentIndex();
    if (!current.isValid() || current.row() >= m_model->rowCount())
        return std::nullopt;
    return m_model->row(current.row());
}

void LearningPage::Command5_Click()
{
    const std::optional<CatalogueRow> row = selectedRow();
    if (!row) {
        Prompts::information(kSelectToTest);
        return;
    }
    sendTestSignal(row->fileName); // a failed test of a stored row is not reported
}

void LearningPage::Command1_Click()
{
    const std::optional<CatalogueRow> row = selectedRow();
    if (!row) {
        Prompts::information(kSelectToDelete);
        return;
    }
    const QString question = QStringLiteral("機器番号：") + row->device + QStringLiteral("、リモコンボタン番号：") +
                             row->button + QStringLiteral("　のリモコン信号をを削除しようとしています。") + u'\n' +
                             QStringLiteral("よろしいですか？");
    if (!Prompts::question(question))
        return;
    const int position = DataGrid1->currentIndex().row();
    const Result<bool> deleted = CatalogueStore::deleteSignal(row->device, row->button);
    if (!deleted)
        Prompts::exclamation(deleted.error());
    bindGrid();
    if (m_model->rowCount() > 0)
        DataGrid1->selectRow(std::min(position, m_model->rowCount() - 1));
    ShowRecordPosition();
}
