#pragma once

#include "Prompt.h"

#include <QList>
#include <QString>
#include <QStringList>

// Answers the system's message boxes from a script. Each expected box is given with a part of
// its text and the answer; a box that nobody expected fails the test. Installed for its lifetime.
class ScriptedPrompt : public PromptService {
public:
    ScriptedPrompt();
    ~ScriptedPrompt() override;

    // The next box must contain textPart; it is answered with answer.
    ScriptedPrompt& expect(const QString& textPart, PromptAnswer answer = PromptAnswer::Ok);

    PromptAnswer ask(const Prompt& prompt) override;
    void showErrorWindow(const QString& text) override;

    const QList<Prompt>& shown() const { return m_shown; }
    const QStringList& errorWindows() const { return m_errors; }
    int pending() const { return static_cast<int>(m_script.size()); }

private:
    struct Step {
        QString textPart;
        PromptAnswer answer;
    };
    QList<Step> m_script;
    QList<Prompt> m_shown;
    QStringList m_errors;
};
