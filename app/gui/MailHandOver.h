#pragma once

#include "MessageHandOver.h"
#include "StatusSink.h"

#include <memory>

class ComponentObject;
class Notifier;
class frmMain;

// Hands each kept message to the notification mail, whose steps show in the main window's status
// bar. The mail is ready once the dial-up component has been made, the last step of the start-up.
class MailHandOver : public MessageHandOver, public StatusSink {
public:
    explicit MailHandOver(frmMain& window);
    ~MailHandOver() override;

    // dialUp may be null: the mail then goes without dialling.
    void start(std::shared_ptr<ComponentObject> dialUp);
    // Sends the notices kept from earlier failures, with the line switched off meanwhile as after a call.
    void retryKept();

    void messageKept(const QString& wavPath) override;
    void showStatus(const QString& text) override;

private:
    frmMain& m_window;
    std::unique_ptr<Notifier> m_notifier;
};
