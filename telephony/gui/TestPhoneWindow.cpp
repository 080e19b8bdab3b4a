#include "TestPhoneWindow.h"

#include "DataFolder.h"
#include "Settings.h"
#include "SimLineSocket.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMediaDevices>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QAudioFormat lineFormat()
{
    QAudioFormat f;
    f.setSampleRate(8000);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

} // namespace

TestPhoneWindow::TestPhoneWindow(const QString& socketName, QWidget* parent)
    : QWidget(parent, Qt::Window), m_socketName(socketName)
{
    setWindowTitle(QStringLiteral("テスト電話"));
    setObjectName(QStringLiteral("TestPhoneWindow"));
    auto* layout = new QVBoxLayout(this);

    auto* caller = new QFormLayout;
    m_number = new QLineEdit(QStringLiteral("0123456789"));
    m_number->setObjectName(QStringLiteral("txtNumber"));
    m_name = new QLineEdit;
    m_name->setObjectName(QStringLiteral("txtName"));
    caller->addRow(QStringLiteral("発信者番号 (- で非通知)"), m_number);
    caller->addRow(QStringLiteral("発信者名"), m_name);
    layout->addLayout(caller);

    auto* call = new QPushButton(QStringLiteral("発信"));
    call->setObjectName(QStringLiteral("cmdCall"));
    auto* hangUp = new QPushButton(QStringLiteral("切断"));
    hangUp->setObjectName(QStringLiteral("cmdHangUp"));
    connect(call, &QPushButton::clicked, this, [this] {
        const QString number = m_number->text().trimmed().isEmpty() ? QStringLiteral("-") : m_number->text().trimmed();
        send((QStringLiteral("RING ") + number + u' ' + m_name->text().trimmed()).trimmed());
    });
    connect(hangUp, &QPushButton::clicked, this, [this] { send(QStringLiteral("HANGUP")); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(call);
    buttons->addWidget(hangUp);
    layout->addLayout(buttons);

    auto* keypad = new QGridLayout;
    const QString keys = QStringLiteral("123456789*0#");
    for (int i = 0; i < keys.size(); ++i) {
        auto* key = new QPushButton(keys.at(i));
        key->setObjectName(QStringLiteral("cmdKey") + keys.at(i));
        connect(key, &QPushButton::clicked, this, [this, k = keys.at(i)] { send(QStringLiteral("DIGITS ") + k); });
        keypad->addWidget(key, i / 3, i % 3);
    }
    layout->addLayout(keypad);

    auto* voice = new QPushButton(QStringLiteral("WAVファイルを声にする..."));
    connect(voice, &QPushButton::clicked, this, &TestPhoneWindow::chooseVoiceFile);
    auto* microphone = new QCheckBox(QStringLiteral("マイクを声にする"));
    connect(microphone, &QCheckBox::toggled, this, &TestPhoneWindow::setMicrophone);
    auto* speakers = new QCheckBox(QStringLiteral("応答をスピーカーで聞く"));
    connect(speakers, &QCheckBox::toggled, this, &TestPhoneWindow::setSpeakers);
    layout->addWidget(voice);
    layout->addWidget(microphone);
    layout->addWidget(speakers);

    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("lblStatus"));
    layout->addWidget(m_status);
    m_log = new QPlainTextEdit;
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(500);
    layout->addWidget(m_log);

    connect(&m_commands, &QLocalSocket::readyRead, this, &TestPhoneWindow::readReplies);
    connect(&m_events, &QLocalSocket::readyRead, this, &TestPhoneWindow::readEvents);
    connect(&m_events, &QLocalSocket::connected, this, [this] { m_events.write("EVENTS\n"); });
    connectDoor();
}

TestPhoneWindow::~TestPhoneWindow() = default;

void TestPhoneWindow::addMenuEntry(QMainWindow& window)
{
    const QString provider = ReadSetting(u"Line", u"Provider");
    if (!provider.isEmpty() && provider.compare(u"sim", Qt::CaseInsensitive) != 0)
        return;
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("電話(&T)"));
    QAction* open = menu->addAction(QStringLiteral("テスト電話(&P)..."));
    open->setObjectName(QStringLiteral("MTestPhone"));
    auto phone = std::make_shared<QPointer<TestPhoneWindow>>();
    QObject::connect(open, &QAction::triggered, &window, [&window, phone] {
        if (!*phone)
            *phone = new TestPhoneWindow(SimLineSocket::name(DataFolder::current()), &window);
        (*phone)->show();
        (*phone)->raise();
    });
}

void TestPhoneWindow::connectDoor()
{
    if (m_commands.state() == QLocalSocket::UnconnectedState)
        m_commands.connectToServer(m_socketName);
    if (m_events.state() == QLocalSocket::UnconnectedState)
        m_events.connectToServer(m_socketName);
}

void TestPhoneWindow::send(const QString& command)
{
    connectDoor();
    if (!m_commands.waitForConnected(1000)) {
        log(QStringLiteral("仮想回線に接続できません: ") + m_commands.errorString());
        return;
    }
    log(QStringLiteral("> ") + (command.startsWith(u"VOICE") ? QStringLiteral("VOICE …") : command));
    m_commands.write(command.toUtf8() + '\n');
}

QString TestPhoneWindow::statusText() const
{
    return m_status->text();
}

void TestPhoneWindow::readReplies()
{
    while (m_commands.canReadLine())
        log(QString::fromUtf8(m_commands.readLine()).trimmed());
}

void TestPhoneWindow::readEvents()
{
    while (m_events.canReadLine()) {
        const QByteArray line = m_events.readLine().trimmed();
        if (line.startsWith("AUDIO ")) {
            if (m_speakerStream)
                m_speakerStream->write(QByteArray::fromBase64(line.mid(6)));
            continue;
        }
        if (!line.startsWith("EVENT "))
            continue;
        const QString event = QString::fromUtf8(line.mid(6));
        if (event.startsWith(u"TEXT "))
            m_status->setText(event.mid(5));
        log(event);
    }
}

void TestPhoneWindow::chooseVoiceFile()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("発信者の声"), QString(),
                                                      QStringLiteral("WAVファイル (*.wav)"));
    if (!file.isEmpty())
        send(QStringLiteral("SAY ") + file);
}

void TestPhoneWindow::setMicrophone(bool on)
{
    m_microphone.reset();
    m_microphoneStream = nullptr;
    if (!on)
        return;
    m_microphone = std::make_unique<QAudioSource>(QMediaDevices::defaultAudioInput(), lineFormat());
    m_microphoneStream = m_microphone->start();
    if (!m_microphoneStream) {
        log(QStringLiteral("マイクを開けません"));
        return;
    }
    connect(m_microphoneStream, &QIODevice::readyRead, this, [this] {
        const QByteArray samples = m_microphoneStream->readAll();
        if (!samples.isEmpty())
            m_commands.write("VOICE " + samples.toBase64() + '\n');
    });
}

void TestPhoneWindow::setSpeakers(bool on)
{
    m_speakers.reset();
    m_speakerStream = nullptr;
    if (!on)
        return;
    m_speakers = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), lineFormat());
    m_speakerStream = m_speakers->start();
    if (!m_speakerStream) {
        log(QStringLiteral("スピーカーを開けません"));
        return;
    }
    connectDoor();
    m_events.write("HEAR\n");
}

void TestPhoneWindow::log(const QString& line)
{
    m_log->appendPlainText(line);
}
