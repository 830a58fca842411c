#pragma once

#include <QMetaType>

namespace LumoAccount {

// 2 is never assigned: "signed in" is 3.
enum class AuthState { Initial = 0, SignedOut = 1, SignedIn = 3 };

} // namespace LumoAccount

Q_DECLARE_METATYPE(LumoAccount::AuthState)
