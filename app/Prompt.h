#pragma once

#include <QString>

// The one way the system shows its message boxes. The desktop program installs a service that
// shows real boxes, the command-line doors one that prints them, and tests one that answers from
// a script.

enum class PromptIcon { Exclamation, Information, Question, Critical };
enum class PromptButtons { Ok, YesNo };
enum class PromptAnswer { Ok, Yes, No };

struct Prompt {
    PromptIcon icon = PromptIcon::Exclamation;
    PromptButtons buttons = PromptButtons::Ok;
    QString text;
    QString title;        // the program's own boxes: "Morvane"; the English ones: the default title
    int helpContext = -1; // >= 0: the box has a help button that opens this help topic
};

class PromptService {
public:
    virtual ~PromptService() = default;
    virtual PromptAnswer ask(const Prompt& prompt) = 0;
    // The error window of the mail and dial-up steps: not modal, the text shown in it.
    virtual void showErrorWindow(const QString& text) = 0;
};

namespace Prompts {

inline const QString kTitle = QStringLiteral("Morvane");
inline const QString kDefaultTitle = QStringLiteral("Talvero");

// Installs the service used from now on (not owned); nullptr puts back the one that prints.
void install(PromptService* service);
PromptService& service();

PromptAnswer ask(const Prompt& prompt);
void exclamation(const QString& text, int helpContext = -1);
void information(const QString& text, int helpContext = -1);
void critical(const QString& text);
bool question(const QString& text); // true for Yes
void english(const QString& text);  // an English OK box with the default title
void errorWindow(const QString& text);

} // namespace Prompts
