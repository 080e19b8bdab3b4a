#include "MailHandOver.h"

#include "Notifier.h"
#include "Outbox.h"
#include "frmMain.h"

MailHandOver::MailHandOver(frmMain& window) : m_window(window) {}

MailHandOver::~MailHandOver() = default;

void MailHandOver::start(std::shared_ptr<ComponentObject> dialUp)
{
    m_notifier = std::make_unique<Notifier>(*this, std::move(dialUp));
}

void MailHandOver::retryKept()
{
    if (!m_notifier || Outbox::entries().isEmpty())
        return;
    const bool lineOn = m_window.isLineOn();
    if (lineOn)
        m_window.selectMediaMode(1);
    m_notifier->retryOutbox();
    if (lineOn)
        m_window.selectMediaMode(0);
}

void MailHandOver::messageKept(const QString& wavPath)
{
    if (m_notifier)
        m_notifier->SendNotice(wavPath);
}

void MailHandOver::showStatus(const QString& text)
{
    m_window.setStatusText(text);
}
