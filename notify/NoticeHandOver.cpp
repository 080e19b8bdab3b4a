#include "NoticeHandOver.h"

#include "MainWindowLink.h"

NoticeHandOver::NoticeHandOver(std::shared_ptr<ComponentObject> dialUp) : m_notifier(*this, std::move(dialUp)) {}

void NoticeHandOver::messageKept(const QString& wavPath)
{
    m_notifier.SendNotice(wavPath);
}

void NoticeHandOver::showStatus(const QString& text)
{
    MainWindow::setStatusText(text);
}
