#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A real SIP client for tests: baresip on 127.0.0.1 with a private config folder, its voice read
// from a WAV file, what it hears written to a WAV file, driven through its standard input.
class BaresipCaller {
public:
    struct Options {
        QString user = QStringLiteral("0312345678");
        QString display;                        // the From header's display name
        QString codec = QStringLiteral("PCMU"); // PCMU or PCMA
        QString voiceWav;                       // 8 kHz mono 16-bit, longer than the call
    };

    explicit BaresipCaller(Options options);
    ~BaresipCaller();

    // Starts baresip and waits until it reads commands; false with the reason in error().
    bool start();
    void dial(const QString& uri);
    // One key press (a digit key sends it as a touch tone during a call).
    void press(QChar key);
    void hangUp();
    // Whether baresip has printed text (its log goes to standard output).
    bool said(const QString& text) const;
    QString output() const { return m_output; }
    QString error() const { return m_error; }
    // The WAV of what baresip heard in its last call ("…-dec.wav"), empty when there is none.
    QString heardWav() const;

private:
    void write(const QByteArray& bytes);

    Options m_options;
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_output;
    QString m_error;
};
