#include "WidgetPrompt.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon iconOf(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

PromptAnswer WidgetPrompt::ask(const Prompt& prompt)
{
    QMessageBox box(iconOf(prompt.icon), prompt.title, prompt.text, QMessageBox::NoButton, m_parent);
    if (prompt.buttons == PromptButtons::YesNo) {
        box.addButton(QMessageBox::Yes);
        box.addButton(QMessageBox::No);
    } else {
        box.addButton(QMessageBox::Ok);
    }
    QPushButton* help = nullptr;
    if (prompt.helpContext >= 0) {
        help = box.addButton(QStringLiteral("ヘルプ"), QMessageBox::HelpRole);
        // The help button opens the topic and leaves the box open, as a help button does.
        help->disconnect();
        QObject::connect(help, &QPushButton::clicked, [this, ctx = prompt.helpContext] {
            if (m_help)
                m_help(ctx);
        });
    }
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    if (prompt.buttons == PromptButtons::YesNo)
        return clicked == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
    return PromptAnswer::Ok;
}

void WidgetPrompt::showErrorWindow(const QString& text)
{
    if (m_errorWindow) {
        m_errorWindow(text);
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, Prompts::kTitle, text, QMessageBox::Ok, m_parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
}
