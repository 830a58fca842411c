#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace LumoAccount {

inline constexpr auto AccessTokenKey = "lumora_access_token";
inline constexpr auto RefreshTokenKey = "lumora_refresh_token";

// Named secrets kept across restarts, one value per key.
class TokenStore
{
public:
    virtual ~TokenStore() = default;
    virtual std::optional<QString> read(const QString &key) = 0;
    virtual bool write(const QString &key, const QString &value) = 0;
    virtual bool remove(const QString &key) = 0;
    // Removes both token keys.
    virtual void clear() = 0;
};

// The platform's store for the given service name (the application id).
std::unique_ptr<TokenStore> createTokenStore(const QString &serviceName);

} // namespace LumoAccount
