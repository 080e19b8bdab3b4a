#pragma once

#include "ComponentObject.h"
#include "MessageHandOver.h"
#include "Notifier.h"
#include "StatusSink.h"

#include <memory>

// What the telephony engine hands a kept message to: the notification mail, whose step texts go to
// the first panel of the main window's status bar. Made by the main window at start-up with the
// dial-up object it holds (null when that could not be made).
class NoticeHandOver : public MessageHandOver, private StatusSink {
public:
    explicit NoticeHandOver(std::shared_ptr<ComponentObject> dialUp);

    void messageKept(const QString& wavPath) override;

    // For the kept notices at start-up (retryOutbox) and for tests (setPause).
    Notifier& notifier() { return m_notifier; }

private:
    void showStatus(const QString& text) override;
    Notifier m_notifier;
};
