#pragma once

#include <QLocalSocket>
#include <QWidget>

#include <memory>

class QAudioSink;
class QAudioSource;
class QIODevice;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPlainTextEdit;

// A telephone on the virtual line: rings the machine with a chosen caller id, sends keys, gives a
// WAV file or the microphone as the caller's voice, plays what the machine says on the PC's
// speakers, and hangs up. It talks to the line through the same door as talvero-phone.
class TestPhoneWindow : public QWidget {
    Q_OBJECT
public:
    explicit TestPhoneWindow(const QString& socketName, QWidget* parent = nullptr);
    ~TestPhoneWindow() override;

    // Adds "電話" – "テスト電話" to the window's menu bar while the virtual line is the provider.
    static void addMenuEntry(QMainWindow& window);

    // Sends one command of the line protocol; its reply is shown in the log.
    void send(const QString& command);
    QString statusText() const;

private:
    void connectDoor();
    void readReplies();
    void readEvents();
    void chooseVoiceFile();
    void setMicrophone(bool on);
    void setSpeakers(bool on);
    void log(const QString& line);

    QString m_socketName;
    QLocalSocket m_commands;
    QLocalSocket m_events;
    QLineEdit* m_number = nullptr;
    QLineEdit* m_name = nullptr;
    QLabel* m_status = nullptr;
    QPlainTextEdit* m_log = nullptr;
    std::unique_ptr<QAudioSource> m_microphone;
    QIODevice* m_microphoneStream = nullptr;
    std::unique_ptr<QAudioSink> m_speakers;
    QIODevice* m_speakerStream = nullptr;
};
