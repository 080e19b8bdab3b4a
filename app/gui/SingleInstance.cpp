#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kWaitMs = 500;

QString serverNameFor(const QString& folder)
{
    const QString canonical = QDir(folder).canonicalPath().isEmpty() ? folder : QDir(folder).canonicalPath();
    const QByteArray hash = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("talvero-window-") + QString::fromLatin1(hash.left(16));
}

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder)
    : m_serverName(serverNameFor(dataFolder)), m_lock(QDir(dataFolder).filePath(QStringLiteral(".talvero.lock")))
{
    // Only a dead holder makes the lock stale, never its age: the program runs for months.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::acquire()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

void SingleInstance::listen(std::function<void()> onShow)
{
    m_server = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(m_serverName); // left behind by a crashed holder of the lock
    if (!m_server->listen(m_serverName))
        return;
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this, onShow] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            onShow();
        }
    });
}

void SingleInstance::askFirstToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (socket.waitForConnected(kWaitMs))
        socket.disconnectFromServer();
}
