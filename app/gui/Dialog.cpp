#include "Dialog.h"

#include "Twips.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPointer<Dialog> g_open;
}

Dialog::Dialog(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("Dialog"));
    setWindowTitle(QStringLiteral("Morvane　－　エラー"));
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel;
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setWordWrap(true);
    m_label->setMinimumWidth(300);
    layout->addWidget(m_label, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OKButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    layout->addWidget(ok, 0, Qt::AlignRight);
    if (owner)
        move(owner->pos() + QPoint(0, Twips::toPixels(1000, Twips::dpiY(owner))));
}

Dialog* Dialog::showText(QWidget* owner, const QString& text)
{
    if (!g_open) {
        g_open = new Dialog(owner);
        g_open->setAttribute(Qt::WA_DeleteOnClose);
    }
    g_open->show();
    g_open->m_label->setText(text);
    return g_open;
}

QString Dialog::text() const
{
    return m_label->text();
}
