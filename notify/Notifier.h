#pragma once

#include "ComponentObject.h"
#include "StatusSink.h"

#include <QString>

#include <functional>
#include <memory>

// Tells the owner by mail that a caller has left a message, dialling the dial-up connection first
// when [AnsweringMachine] UseDialUp is "1". Steps show their texts on the status sink; failures go
// to the error window. A notice that fails is kept in the outbox (while [Mail] Retry is not "0")
// and sent again after the next notice that goes through, or by retryOutbox(). Runs on the
// calling (user-interface) thread and blocks it, letting window events run while it waits.
class Notifier {
public:
    // dialUp is the dial-up object made at start-up, called by method name; null when it could not
    // be made (a dial is then refused and the mail goes over the network there is).
    Notifier(StatusSink& status, std::shared_ptr<ComponentObject> dialUp);

    // The wait of the given milliseconds after a failed dial; by default it lets events run.
    void setPause(std::function<void(int ms)> pause) { m_pause = std::move(pause); }

    // Called once per recorded message with the message file's full path.
    void SendNotice(const QString& path);

    // Sends the kept notices whose message files are still there (at start-up, say). Failures
    // are not shown again; the notices stay kept.
    void retryOutbox();

private:
    void DialUp();
    void HangUpDialUp();
    bool SendNoticeMail();
    void prepare(const QString& path);
    void sendKept();
    bool mailReportOn() const;
    bool retryOn() const;

    StatusSink& m_status;
    std::shared_ptr<ComponentObject> m_dialUp;
    std::function<void(int)> m_pause;

    bool m_useDialUp = false;
    int m_dialAttempts = 0;
    QString m_dialStatus;
    QString m_dialError;
    QString m_entry;
    QString m_user;
    QString m_password;
    QString m_subject;
    QString m_body;
    QString m_recipients;
    QString m_attachment;
    bool m_showErrors = true;
};
