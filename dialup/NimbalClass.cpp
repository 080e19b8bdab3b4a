#include "NimbalClass.h"

#include "ComponentObject.h"
#include "Dial.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace NimbalClass {

ClassRegistration registration(const QString& libraryPath)
{
    ClassRegistration r;
    r.className = QStringLiteral("Nimbal.Dial");
    r.versionedName = QStringLiteral("Nimbal.Dial.1");
    r.classId = QLatin1String(kClassId);
    r.description = QStringLiteral("Dial Class");
    r.interfaceId = QLatin1String(kInterfaceId);
    r.interfaceName = QStringLiteral("IDial");
    r.interfaceDescription = QStringLiteral("IDial Interface");
    r.libraryId = QStringLiteral("{1D8A2C0F-204D-4B9C-A597-EC1C7958FD8B}");
    r.libraryName = QStringLiteral("NIMBAL");
    r.libraryVersion = QStringLiteral("1.0");
    r.libraryHelp = QStringLiteral("Nimbal 1.0");
    r.libraryPath = libraryPath;
    r.threadingModel = QStringLiteral("both");
    return r;
}

} // namespace NimbalClass

namespace {

// The path of the library this code is in, as the loader found it.
QString ownLibraryPath()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void*>(&talvero_component_register), &info) || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).canonicalFilePath();
}

} // namespace

ComponentObject* talvero_component_create(const char* classId, const char* interfaceId)
{
    const bool ourClass =
        classId && QString::fromUtf8(classId).compare(QLatin1String(NimbalClass::kClassId), Qt::CaseInsensitive) == 0;
    const QString iface = QString::fromUtf8(interfaceId ? interfaceId : "");
    const bool ourInterface = iface == QLatin1String(Component::kDispatchInterface) ||
                              iface.compare(QLatin1String(NimbalClass::kInterfaceId), Qt::CaseInsensitive) == 0;
    return ourClass && ourInterface ? new Dial : nullptr;
}

int talvero_component_register(void)
{
    const QString path = ownLibraryPath();
    return !path.isEmpty() && ClassRegistry::add(NimbalClass::registration(path)) ? 0 : 1;
}

int talvero_component_unregister(void)
{
    return ClassRegistry::remove(NimbalClass::registration({})) ? 0 : 1;
}

int talvero_component_can_unload(void)
{
    return Dial::objectCount() == 0 ? 1 : 0;
}
