#pragma once

#include "Desktop.h"

// A desktop that records what was asked of it; tests choose whether it has a notification area
// and press its icon.
class SimDesktop : public Desktop {
public:
    bool isTrayAvailable() const override { return m_trayAvailable; }
    void addTrayIcon(const QIcon& icon, const QString& tip, TrayHandler onPress) override;
    void deleteTrayIcon() override;
    Status addAutostart(const QStringList& command) override;
    void removeAutostart() override;
    bool openTextFile(const QString& path) override;
    bool openUrl(const QUrl& url) override;

    void setTrayAvailable(bool available) { m_trayAvailable = available; }
    // The next addAutostart fails with this text (empty: succeeds).
    void failAutostartWith(const QString& error) { m_autostartError = error; }
    bool hasTrayIcon() const { return static_cast<bool>(m_onPress); }
    const QString& trayTip() const { return m_tip; }
    void pressTrayIcon(TrayPress press);

    // One line a call: "addAutostart <args>", "removeAutostart", "openTextFile <path>", "openUrl <url>".
    const QStringList& calls() const { return m_calls; }

private:
    bool m_trayAvailable = false;
    QString m_autostartError;
    TrayHandler m_onPress;
    QString m_tip;
    QStringList m_calls;
};
