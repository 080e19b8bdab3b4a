#include "createObject.h"

#include "ClassRegistry.h"

#include <QFile>

#include <dlfcn.h>

Result<std::shared_ptr<ComponentObject>> createObject(const QString& className)
{
    using R = Result<std::shared_ptr<ComponentObject>>;
    const QString classId = ClassRegistry::classIdOf(className);
    const QString library = ClassRegistry::libraryOf(classId);
    if (library.isEmpty())
        return R::failure(QStringLiteral("クラス %1 が登録されていません").arg(className));
    // Never closed: objects and the Qt types they hand out live in the library's code.
    void* handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return R::failure(QStringLiteral("%1 を読み込めません: %2").arg(library, QString::fromLocal8Bit(dlerror())));
    auto create = reinterpret_cast<ComponentCreateFunction>(dlsym(handle, Component::kCreateSymbol));
    if (!create)
        return R::failure(QStringLiteral("%1 はコンポーネントではありません").arg(library));
    ComponentObject* object = create(classId.toUtf8().constData(), Component::kDispatchInterface);
    if (!object)
        return R::failure(QStringLiteral("%1 はクラス %2 を作れません").arg(library, className));
    return std::shared_ptr<ComponentObject>(object);
}
