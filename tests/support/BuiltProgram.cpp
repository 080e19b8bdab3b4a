#include "BuiltProgram.h"

#include <QCoreApplication>
#include <QDir>

QString builtProgram(const QString& name)
{
    const QString env = qEnvironmentVariable("TALVERO_BIN_DIR");
    const QDir dir(env.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/../bin") : env);
    return QDir::cleanPath(dir.filePath(name));
}
