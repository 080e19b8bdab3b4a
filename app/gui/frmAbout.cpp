#include "frmAbout.h"

#include "Desktop.h"
#include "Twips.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

const QString frmAbout::kProjectPage = QStringLiteral("https://talvero.example.org/");

frmAbout::frmAbout(QWidget* owner, Desktop& desktop) : QDialog(owner), m_desktop(desktop)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    setMouseTracking(true);

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Morvane v1.03"));
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    title->setFont(big);
    layout->addWidget(title);

    auto* credit = new QLabel(QStringLiteral("本製品の音声合成には espeak-ng を、漢字の読みの解析には MeCab と"
                                             "IPA 辞書を使用しています。\n"
                                             "espeak-ng: GPL-3.0 以降 / MeCab: BSD 3 条項 / IPA 辞書: NAIST"));
    credit->setObjectName(QStringLiteral("lblCredit"));
    credit->setWordWrap(true);
    layout->addWidget(credit);

    layout->addWidget(new QLabel(QStringLiteral("最新の情報はこちらをご覧ください")));
    m_link = new QLabel(kProjectPage);
    m_link->setObjectName(QStringLiteral("Label2"));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setMouseTracking(true);
    m_link->installEventFilter(this);
    layout->addWidget(m_link);
    paintLink(Qt::blue);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

frmAbout* frmAbout::showFor(QWidget* owner, Desktop& desktop)
{
    static QPointer<frmAbout> open;
    if (!open) {
        open = new frmAbout(owner, desktop);
        open->setAttribute(Qt::WA_DeleteOnClose);
        if (owner)
            open->move(owner->pos() + Twips::toPixels(owner, 200, 1000));
    }
    open->show();
    open->raise();
    return open;
}

void frmAbout::paintLink(const QColor& colour)
{
    QPalette palette = m_link->palette();
    palette.setColor(QPalette::WindowText, colour);
    m_link->setPalette(palette);
}

void frmAbout::mouseMoveEvent(QMouseEvent* event)
{
    paintLink(Qt::blue);
    QDialog::mouseMoveEvent(event);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_link)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Enter: paintLink(Qt::red); break;
    case QEvent::Leave: paintLink(Qt::blue); break;
    case QEvent::MouseMove:
        // Kept from the window, which would paint the link blue again.
        paintLink(Qt::red);
        return true;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_desktop.openUrl(QUrl(kProjectPage));
        return true;
    default: break;
    }
    return QDialog::eventFilter(watched, event);
}
