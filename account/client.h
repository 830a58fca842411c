#pragma once

#include "account/authstate.h"
#include "account/clientconfig.h"
#include "account/jwt.h"

#include <QObject>

#include <memory>

namespace LumoAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// Entry object of the online account client: builds and owns the token
// manager, the sign-in, account and sync request layers, and the two clients.
class Client : public QObject
{
    Q_OBJECT

public:
    explicit Client(const ClientConfig &config, QObject *parent = nullptr);
    // Uses the given token store instead of the platform's (tests use memory).
    Client(const ClientConfig &config, std::unique_ptr<TokenStore> store,
           QObject *parent = nullptr);

    void initialize();
    bool isAuthenticated() const;
    LumiClaims claims() const;
    static QString resolvePlatform(const QString &configuredPlatform);

    const ClientConfig &config() const { return m_config; }
    TokenManager *tokenManager() const { return m_tokenManager; }
    ApiClient *authApi() const { return m_authApi; }
    ApiClient *accountApi() const { return m_accountApi; }
    ApiClient *syncApi() const { return m_syncApi; }
    AuthClient *authClient() const { return m_authClient; }
    AccountClient *accountClient() const { return m_accountClient; }

Q_SIGNALS:
    void authStateChanged(LumoAccount::AuthState state);
    void claimsUpdated(const LumoAccount::LumiClaims &claims);

private:
    ClientConfig m_config;
    TokenManager *m_tokenManager = nullptr;
    ApiClient *m_authApi = nullptr;
    ApiClient *m_accountApi = nullptr;
    ApiClient *m_syncApi = nullptr;
    AuthClient *m_authClient = nullptr;
    AccountClient *m_accountClient = nullptr;
};

} // namespace LumoAccount
