#pragma once

#include <QString>

// The call and the engine as the dialogue reaches them.
class DialogueCall {
public:
    virtual ~DialogueCall() = default;
    // The engine's one-line status, shown in the main window's status bar.
    virtual void setStatusText(const QString& text) = 0;
    // Sends touch tones on the line (the separators between messages).
    virtual void generateDigits(const QString& digits) = 0;
    virtual void HangUpCall() = 0;
};
