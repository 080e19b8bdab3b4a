#include "ScriptedPrompt.h"

#include <gtest/gtest.h>

ScriptedPrompt::ScriptedPrompt()
{
    Prompts::install(this);
}

ScriptedPrompt::~ScriptedPrompt()
{
    Prompts::install(nullptr);
    EXPECT_TRUE(m_script.isEmpty()) << "expected message box never shown: " << m_script.front().textPart.toStdString();
}

ScriptedPrompt& ScriptedPrompt::expect(const QString& textPart, PromptAnswer answer)
{
    m_script.append({textPart, answer});
    return *this;
}

PromptAnswer ScriptedPrompt::ask(const Prompt& prompt)
{
    m_shown.append(prompt);
    if (m_script.isEmpty()) {
        ADD_FAILURE() << "unexpected message box: " << prompt.text.toStdString();
        return prompt.buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }
    const Step step = m_script.takeFirst();
    EXPECT_TRUE(prompt.text.contains(step.textPart)) << "message box \"" << prompt.text.toStdString() << "\" where \""
                                                     << step.textPart.toStdString() << "\" was expected";
    return step.answer;
}

void ScriptedPrompt::showErrorWindow(const QString& text)
{
    m_errors.append(text);
}
