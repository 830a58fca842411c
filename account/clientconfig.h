#pragma once

#include <QString>

namespace LumoAccount {

struct ClientConfig
{
    QString authBaseUrl;
    QString realm;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appName;
    QString appVersion;
    QString platform; // empty: derived from the operating system
    QString accountPortalUrl;
};

// Built-in addresses for when the environment names none. They lie under the
// reserved ".invalid" domain, so an unconfigured build contacts nobody.
namespace Defaults {
inline constexpr auto AuthBaseUrl = "https://auth.lumora.invalid";
inline constexpr auto Realm = "lumora";
inline constexpr auto AccountApiUrl = "https://api.lumora.invalid/account/v1";
inline constexpr auto SyncApiUrl = "https://api.lumora.invalid/tallyra/v1";
inline constexpr auto AccountPortalUrl = "https://account.lumora.invalid";
inline constexpr auto ClientId = "3f9c2a7e5b1d4c8096e2a4f7b0c5d813";
inline constexpr auto AppId = "app.lumora.tallyra";
} // namespace Defaults

} // namespace LumoAccount
