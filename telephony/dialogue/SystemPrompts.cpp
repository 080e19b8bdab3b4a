#include "SystemPrompts.h"

#include "DataFolder.h"

namespace SystemPrompts {

QString path(QStringView name)
{
    // "\Ans\System" and "\Ans\system" name one folder; the capital form is the one shipped.
    return DataFolder::path(QStringLiteral("\\Ans\\System\\") + name.toString());
}

} // namespace SystemPrompts
