#include "SimLineSocket.h"

#include <QCryptographicHash>
#include <QDir>

namespace SimLineSocket {

QString name(const QString& dataFolder)
{
    const QByteArray folder = QDir::cleanPath(QDir(dataFolder).absolutePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("talvero-line-") + QString::fromLatin1(hash);
}

} // namespace SimLineSocket
