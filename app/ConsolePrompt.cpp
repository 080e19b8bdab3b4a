#include "ConsolePrompt.h"

#include <cstdio>

PromptAnswer ConsolePrompt::ask(const Prompt& prompt)
{
    const bool isQuestion = prompt.buttons == PromptButtons::YesNo;
    QString line = prompt.text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ').replace(u'\r', u' ');
    const PromptAnswer answer = isQuestion ? m_answer : PromptAnswer::Ok;
    if (isQuestion)
        line += answer == PromptAnswer::Yes ? QStringLiteral(" [Yes]") : QStringLiteral(" [No]");
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    return answer;
}

void ConsolePrompt::showErrorWindow(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}
