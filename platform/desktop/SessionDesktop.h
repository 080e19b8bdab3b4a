#pragma once

#include "Desktop.h"

#include <QSystemTrayIcon>

#include <memory>

// The user's desktop session: Qt's notification-area icon, the XDG autostart folder, and the
// programs the desktop associates with files and addresses.
class SessionDesktop : public Desktop {
public:
    bool isTrayAvailable() const override;
    void addTrayIcon(const QIcon& icon, const QString& tip, TrayHandler onPress) override;
    void deleteTrayIcon() override;
    Status addAutostart(const QStringList& command) override;
    void removeAutostart() override;
    bool openTextFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;

private:
    std::unique_ptr<QSystemTrayIcon> m_tray;
};
