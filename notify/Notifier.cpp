#include "Notifier.h"

#include "NoticeMail.h"
#include "Outbox.h"
#include "PasswordScrambler.h"
#include "Prompt.h"
#include "RasErrorText.h"
#include "SendMail.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace {

constexpr int kDialErrorPauseMs = 3000;

void letEventsRun()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void pauseLettingEventsRun(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        letEventsRun();
        QThread::msleep(10);
    }
}

} // namespace

Notifier::Notifier(StatusSink& status, std::shared_ptr<ComponentObject> dialUp)
    : m_status(status), m_dialUp(std::move(dialUp)), m_pause(pauseLettingEventsRun)
{
}

bool Notifier::mailReportOn() const
{
    return ReadSetting(u"AnsweringMachine", u"MailReport").trimmed().toInt() != 0;
}

bool Notifier::retryOn() const
{
    return ReadSetting(u"Mail", u"Retry").trimmed() != u"0";
}

void Notifier::SendNotice(const QString& path)
{
    if (!mailReportOn())
        return;
    m_showErrors = true;
    m_useDialUp = ReadSetting(u"AnsweringMachine", u"UseDialUp") == u"1";
    m_dialStatus.clear();
    if (m_useDialUp) {
        m_dialAttempts = 0;
        while (m_dialStatus != u"Connected" && m_dialAttempts < 1) {
            DialUp();
            letEventsRun();
            ++m_dialAttempts;
        }
        if (m_dialStatus.contains(u"エラー")) {
            Prompts::errorWindow(
                QStringLiteral("ダイヤルアップ接続でメールサーバーに接続しようとしたときにエラーが発生しまし"
                               "た。ダイヤルアップ接続の設定を確認してください。\r\n") +
                m_dialError);
            if (retryOn())
                Outbox::add(path, QDateTime::currentDateTime());
            return;
        }
    }
    prepare(path);
    if (SendNoticeMail()) {
        Outbox::remove(path);
        sendKept();
    } else if (retryOn()) {
        Outbox::add(path, QDateTime::currentDateTime());
    }
    if (m_useDialUp)
        HangUpDialUp();
}

void Notifier::retryOutbox()
{
    if (!mailReportOn() || !retryOn() || Outbox::entries().isEmpty())
        return;
    m_showErrors = false;
    m_useDialUp = ReadSetting(u"AnsweringMachine", u"UseDialUp") == u"1";
    m_dialStatus.clear();
    if (m_useDialUp) {
        DialUp();
        letEventsRun();
        if (m_dialStatus.contains(u"エラー"))
            return;
    }
    sendKept();
    if (m_useDialUp)
        HangUpDialUp();
}

// The kept notices, oldest first, while they go through; a message deleted since is dropped.
void Notifier::sendKept()
{
    if (!retryOn())
        return;
    const bool showErrors = std::exchange(m_showErrors, false);
    for (const Outbox::Entry& e : Outbox::entries()) {
        if (!QFile::exists(e.path)) {
            Outbox::remove(e.path);
            continue;
        }
        prepare(e.path);
        if (!SendNoticeMail())
            break;
        Outbox::remove(e.path);
    }
    m_showErrors = showErrors;
}

void Notifier::prepare(const QString& path)
{
    m_subject = NoticeMail::subject();
    m_body = NoticeMail::body(path);
    m_recipients = ReadSetting(u"AnsweringMachine", u"MailAddr");
    m_attachment = ReadSetting(u"AnsweringMachine", u"AttachWav") == u"1" ? path : QString();
}

void Notifier::DialUp()
{
    m_status.showStatus(QStringLiteral("ダイヤル中"));
    m_entry = ReadSetting(u"AnsweringMachine", u"RASEntry");
    m_user = ReadSetting(u"AnsweringMachine", u"UserName");
    m_password = DecodePassword(ReadSetting(u"AnsweringMachine", u"RASPass"));
    int r = -1;
    if (m_dialUp) {
        const Result<QVariant> result = callMethod(*m_dialUp, u"Connect", {m_entry, m_user, m_password, 1});
        if (result)
            r = result->toInt();
    }
    if (r == -1) {
        m_status.showStatus(QStringLiteral("ダイヤルアップ接続エラー"));
        m_dialStatus = QStringLiteral("ERROR");
    } else if (r != 0) {
        m_status.showStatus(QStringLiteral("エラー : ") + RasErrorText(r));
        m_dialError = RasErrorText(r);
        letEventsRun();
        m_pause(kDialErrorPauseMs);
        m_dialStatus = QStringLiteral("エラー : ") + RasErrorText(r);
    } else {
        m_status.showStatus(QStringLiteral("ダイヤルアップ接続でメール送信中"));
        m_dialStatus = QStringLiteral("Connected");
    }
}

void Notifier::HangUpDialUp()
{
    m_status.showStatus(QStringLiteral("ダイヤルアップ切断中"));
    if (m_dialUp)
        callMethod(*m_dialUp, u"Disconnect");
}

bool Notifier::SendNoticeMail()
{
    const QString recipients = NoticeMail::recipients(m_recipients);
    const QString server = ReadSetting(u"AnsweringMachine", u"SMTPServer");
    const QString sender = ReadSetting(u"AnsweringMachine", u"SenderAddr");
    const QString result = SendMail(server, recipients, sender, m_subject, m_body, m_attachment);
    if (!result.isEmpty() && m_showErrors)
        Prompts::errorWindow(QStringLiteral("メールの送信中にエラーが発生しました。 \r\n") + result);
    return result.isEmpty();
}
