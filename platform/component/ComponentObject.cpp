#include "ComponentObject.h"

Result<QVariant> callMethod(ComponentObject& object, QStringView method, const QVariantList& args)
{
    const int id = object.dispatchId(method);
    if (id < 0)
        return Result<QVariant>::failure(QStringLiteral("メソッド %1 がありません").arg(method));
    return object.invoke(id, args);
}
