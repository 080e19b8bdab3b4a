#include "HelpWindow.h"

#include "HTMLHelp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Morvane　ヘルプ"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton(QStringLiteral("戻る"));
    auto* contents = new QPushButton(QStringLiteral("目次"));
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    m_browser = new QTextBrowser;
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser, 1);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { open(HTMLHelp::contentsUrl()); });
    resize(640, 480);
}

void HelpWindow::open(const QUrl& page)
{
    m_browser->setSource(page);
    show();
    raise();
    activateWindow();
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}
