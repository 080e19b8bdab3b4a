#include "SessionDesktop.h"

#include "AutostartEntry.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>

bool SessionDesktop::isTrayAvailable() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SessionDesktop::addTrayIcon(const QIcon& icon, const QString& tip, TrayHandler onPress)
{
    m_tray = std::make_unique<QSystemTrayIcon>(icon);
    m_tray->setToolTip(tip);
    QObject::connect(m_tray.get(), &QSystemTrayIcon::activated, [onPress](QSystemTrayIcon::ActivationReason why) {
        switch (why) {
        case QSystemTrayIcon::Trigger: onPress(TrayPress::Left); break;
        case QSystemTrayIcon::Context: onPress(TrayPress::Right); break;
        default: onPress(TrayPress::Other); break;
        }
    });
    m_tray->show();
}

void SessionDesktop::deleteTrayIcon()
{
    // The icon may be deleted from its own activation handler: let Qt finish with it first.
    if (m_tray) {
        m_tray->hide();
        m_tray.release()->deleteLater();
    }
}

Status SessionDesktop::addAutostart(const QStringList& command)
{
    const QString path = AutostartEntry::filePath();
    std::error_code error;
    std::filesystem::create_directories(QFileInfo(path).absolutePath().toStdString(), error);
    if (error)
        return Status::failure(QString::fromLocal8Bit(error.message()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(AutostartEntry::contents(command)) < 0 || !file.commit())
        return Status::failure(file.errorString());
    return {};
}

void SessionDesktop::removeAutostart()
{
    QFile::remove(AutostartEntry::filePath());
}

bool SessionDesktop::openTextFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SessionDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
