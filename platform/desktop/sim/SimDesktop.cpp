#include "SimDesktop.h"

void SimDesktop::addTrayIcon(const QIcon&, const QString& tip, TrayHandler onPress)
{
    m_tip = tip;
    m_onPress = std::move(onPress);
}

void SimDesktop::deleteTrayIcon()
{
    m_onPress = {};
}

Status SimDesktop::addAutostart(const QStringList& command)
{
    m_calls << QStringLiteral("addAutostart ") + command.join(u' ');
    if (!m_autostartError.isEmpty())
        return Status::failure(m_autostartError);
    return {};
}

void SimDesktop::removeAutostart()
{
    m_calls << QStringLiteral("removeAutostart");
}

bool SimDesktop::openTextFile(const QString& path)
{
    m_calls << QStringLiteral("openTextFile ") + path;
    return true;
}

bool SimDesktop::openUrl(const QUrl& url)
{
    m_calls << QStringLiteral("openUrl ") + url.toString();
    return true;
}

void SimDesktop::pressTrayIcon(TrayPress press)
{
    // A copy: the handler may delete the icon, and with it the stored handler.
    if (auto handler = m_onPress)
        handler(press);
}
