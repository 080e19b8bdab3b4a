#include "Prompt.h"

#include "ConsolePrompt.h"

namespace Prompts {

namespace {

PromptService* g_service = nullptr;

PromptService& fallback()
{
    static ConsolePrompt console;
    return console;
}

PromptAnswer show(PromptIcon icon, PromptButtons buttons, const QString& text, const QString& title, int helpContext)
{
    return ask(Prompt{icon, buttons, text, title, helpContext});
}

} // namespace

void install(PromptService* service)
{
    g_service = service;
}

PromptService& service()
{
    return g_service ? *g_service : fallback();
}

PromptAnswer ask(const Prompt& prompt)
{
    return service().ask(prompt);
}

void exclamation(const QString& text, int helpContext)
{
    show(PromptIcon::Exclamation, PromptButtons::Ok, text, kTitle, helpContext);
}

void information(const QString& text, int helpContext)
{
    show(PromptIcon::Information, PromptButtons::Ok, text, kTitle, helpContext);
}

void critical(const QString& text)
{
    show(PromptIcon::Critical, PromptButtons::Ok, text, kTitle, -1);
}

bool question(const QString& text)
{
    return show(PromptIcon::Question, PromptButtons::YesNo, text, kTitle, -1) == PromptAnswer::Yes;
}

void english(const QString& text)
{
    show(PromptIcon::Exclamation, PromptButtons::Ok, text, kDefaultTitle, -1);
}

void errorWindow(const QString& text)
{
    service().showErrorWindow(text);
}

} // namespace Prompts
