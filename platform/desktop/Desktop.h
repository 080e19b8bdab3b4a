#pragma once

#include "Result.h"

#include <QIcon>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>

// The desktop services the main window asks for: the notification-area icon, starting with the
// desktop session, and handing files and addresses to the user's own programs.
class Desktop {
public:
    enum class TrayPress { Left, Right, Other };
    using TrayHandler = std::function<void(TrayPress)>;

    virtual ~Desktop() = default;

    // False when the session has no notification area (offscreen, a bare X server, some desktops).
    virtual bool isTrayAvailable() const = 0;
    virtual void addTrayIcon(const QIcon& icon, const QString& tip, TrayHandler onPress) = 0;
    virtual void deleteTrayIcon() = 0;

    // Starts command (program and arguments) with the desktop session from now on; the error is the
    // system's text.
    virtual Status addAutostart(const QStringList& command) = 0;
    // Silent: a missing entry is no failure.
    virtual void removeAutostart() = 0;

    // Opens a text file in the user's text editor, an address in the user's browser.
    virtual bool openTextFile(const QString& path) = 0;
    virtual bool openUrl(const QUrl& url) = 0;
};

// The session's own desktop, or the simulated one that only records the calls ("sim"; also chosen
// by TALVERO_DESKTOP=sim).
std::unique_ptr<Desktop> makeDesktop(const QString& kind = {});
