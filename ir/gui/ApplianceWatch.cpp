#include "ApplianceWatch.h"

#include "DataFolder.h"
#include "VirtualAppliance.h"
#include "VirtualModule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

Result<std::vector<SeenFrame>> watchAppliance(const std::function<void()>& send)
{
    VirtualModule& module = VirtualModule::instance();
    const QString previous = module.traceFile();
    QString trace = previous;
    if (trace.isEmpty()) {
        QDir().mkpath(DataFolder::tmpDir());
        trace = QDir(DataFolder::tmpDir()).filePath(QStringLiteral("appliance-trace.txt"));
        QFile::remove(trace);
        module.setTraceFile(trace);
    }
    module.flushTrace();
    const qint64 start = QFileInfo(trace).size();
    send();
    module.flushTrace();
    if (previous.isEmpty())
        module.setTraceFile({});
    QFile file(trace);
    if (!file.exists())
        return std::vector<SeenFrame>{}; // nothing was written to the registers
    if (!file.open(QIODevice::ReadOnly) || !file.seek(start))
        return Result<std::vector<SeenFrame>>::failure(
            QStringLiteral("仮想IRモジュールの記録 %1 を読めません。").arg(QDir::toNativeSeparators(trace)));
    const QByteArray text = file.readAll();
    file.close();
    if (previous.isEmpty())
        QFile::remove(trace);
    return VirtualAppliance::decodeTraceText(text);
}
