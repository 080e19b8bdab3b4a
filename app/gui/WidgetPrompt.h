#pragma once

#include "Prompt.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// Shows the prompts as message boxes over the program's windows.
class WidgetPrompt : public PromptService {
public:
    using HelpOpener = std::function<void(int context)>;
    using ErrorWindow = std::function<void(const QString& text)>;

    void setParent(QWidget* parent) { m_parent = parent; }
    void setHelpOpener(HelpOpener opener) { m_help = std::move(opener); }
    void setErrorWindow(ErrorWindow window) { m_errorWindow = std::move(window); }

    PromptAnswer ask(const Prompt& prompt) override;
    void showErrorWindow(const QString& text) override;

private:
    QPointer<QWidget> m_parent;
    HelpOpener m_help;
    ErrorWindow m_errorWindow;
};
