#pragma once

#include <QString>

namespace LumoAccount {

// An id or typed code may go into a request path only when it stays one
// segment: not empty, no "/" or "\\", and not "." or "..".
bool isSafePathSegment(const QString &segment);

} // namespace LumoAccount
