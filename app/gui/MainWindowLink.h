#pragma once

#include <QString>

// What the telephony engine and the mail notification ask of the main window. The main window
// installs itself at start; until then (and in tests without a window) the calls do nothing.
class MainWindowLink {
public:
    virtual ~MainWindowLink() = default;

    // The first panel of the status bar.
    virtual void setStatusText(const QString& text) = 0;
    // Selects optMediaMode index 0 (ON) or 1 (OFF) and runs its click action, which switches the
    // line on (Tapi_On) or off (Tapi_Off); the action runs even when the index was selected already.
    virtual void selectMediaMode(int index) = 0;
    // Rebuilds the message list (FillAMHistory), after a recording has been stored.
    virtual void refreshMessages() = 0;

    // The installed window (not owned); nullptr removes it.
    static void install(MainWindowLink* link) { slot() = link; }
    static MainWindowLink* current() { return slot(); }

private:
    static MainWindowLink*& slot()
    {
        static MainWindowLink* link = nullptr;
        return link;
    }
};

// Forwards to the installed main window, or does nothing when there is none.
namespace MainWindow {
inline void setStatusText(const QString& text)
{
    if (auto* link = MainWindowLink::current())
        link->setStatusText(text);
}
inline void selectMediaMode(int index)
{
    if (auto* link = MainWindowLink::current())
        link->selectMediaMode(index);
}
inline void refreshMessages()
{
    if (auto* link = MainWindowLink::current())
        link->refreshMessages();
}
} // namespace MainWindow
