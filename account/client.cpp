#include "account/client.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"

#include <QSysInfo>
#include <QUrl>

namespace LumoAccount {

Client::Client(const ClientConfig &config, QObject *parent)
    : Client(config, createTokenStore(config.appId), parent)
{
}

Client::Client(const ClientConfig &config, std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
    const QString platform = resolvePlatform(config.platform);
    m_tokenManager = new TokenManager(std::move(store), this);

    m_authApi = new ApiClient(m_tokenManager, this);
    m_authApi->setBaseUrl(QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realm),
                               QUrl::TolerantMode));
    m_authApi->setAppInfo(config.appId, config.appVersion, platform);

    m_accountApi = new ApiClient(m_tokenManager, this);
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl, QUrl::TolerantMode));
    m_accountApi->setAppInfo(config.appId, config.appVersion, platform);

    m_syncApi = new ApiClient(m_tokenManager, this);
    m_syncApi->setAppInfo(config.appId, config.appVersion, platform);

    m_authClient = new AuthClient(config.authBaseUrl, config.realm, config.clientId, m_authApi,
                                  m_tokenManager, this);
    connect(m_authClient, &AuthClient::stateChanged, this, [this](AuthState state) {
        Q_EMIT authStateChanged(state);
        if (state == AuthState::SignedIn)
            Q_EMIT claimsUpdated(claims());
    });

    m_accountClient = new AccountClient(m_accountApi, m_authClient, config, this);
}

void Client::initialize()
{
    m_authClient->initialize();
}

bool Client::isAuthenticated() const
{
    return m_authClient->state() == AuthState::SignedIn;
}

LumiClaims Client::claims() const
{
    const QString token = m_tokenManager->validAccessToken();
    return token.isEmpty() ? LumiClaims() : parseClaims(token);
}

QString Client::resolvePlatform(const QString &configuredPlatform)
{
    if (!configuredPlatform.isEmpty())
        return configuredPlatform;
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

} // namespace LumoAccount
