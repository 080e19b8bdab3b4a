#pragma once

#include <QString>

// What the telephony engine needs from the main window.
class EngineHost {
public:
    virtual ~EngineHost() = default;
    // The first panel of the status bar follows the engine's status text.
    virtual void setStatusText(const QString& text) = 0;
    // Selects the main window's optMediaMode button: 0 switches the line on (Tapi_On), 1 off (Tapi_Off).
    virtual void selectMediaMode(int index) = 0;
    // A message was kept: the message list is filled again (FillAMHistory).
    virtual void refreshMessages() = 0;
};
