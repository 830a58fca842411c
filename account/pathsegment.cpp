#include "account/pathsegment.h"

namespace LumoAccount {

bool isSafePathSegment(const QString &segment)
{
    return !segment.isEmpty() && !segment.contains(QLatin1Char('/'))
        && !segment.contains(QLatin1Char('\\')) && segment != QLatin1String(".")
        && segment != QLatin1String("..");
}

} // namespace LumoAccount
