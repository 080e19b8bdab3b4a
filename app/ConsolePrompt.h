#pragma once

#include "Prompt.h"

// Prints each box to standard error, for the command-line doors. Questions take a preset answer
// (a "--yes" flag, say); by default they are answered No so that nothing is overwritten unasked.
class ConsolePrompt : public PromptService {
public:
    explicit ConsolePrompt(PromptAnswer questionAnswer = PromptAnswer::No) : m_answer(questionAnswer) {}
    void setQuestionAnswer(PromptAnswer answer) { m_answer = answer; }

    PromptAnswer ask(const Prompt& prompt) override;
    void showErrorWindow(const QString& text) override;

private:
    PromptAnswer m_answer;
};
