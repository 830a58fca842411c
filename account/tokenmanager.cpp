#include "account/tokenmanager.h"

#include "account/jwt.h"

#include <QDateTime>
#include <QMutexLocker>

namespace LumoAccount {

namespace {

constexpr qint64 ExpiryMarginSeconds = 30;

bool isUsable(const QString &token)
{
    if (token.isEmpty())
        return false;
    const qint64 expiry = jwtExpiry(token);
    return expiry != 0 && QDateTime::currentSecsSinceEpoch() < expiry - ExpiryMarginSeconds;
}

} // namespace

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
{
}

TokenManager::~TokenManager() = default;

void TokenManager::storeTokens(const QString &access, const QString &refresh)
{
    m_accessToken = access;
    m_refreshToken = refresh;
    if (m_store) {
        m_store->write(QLatin1String(AccessTokenKey), access);
        m_store->write(QLatin1String(RefreshTokenKey), refresh);
    }
}

void TokenManager::setTokens(const QString &access, const QString &refresh)
{
    ++m_generation;
    storeTokens(access, refresh);
}

void TokenManager::loadTokens()
{
    ++m_generation;
    m_accessToken = m_store ? m_store->read(QLatin1String(AccessTokenKey)).value_or(QString())
                            : QString();
    m_refreshToken = m_store ? m_store->read(QLatin1String(RefreshTokenKey)).value_or(QString())
                             : QString();
}

void TokenManager::clearTokens()
{
    ++m_generation;
    m_accessToken.clear();
    m_refreshToken.clear();
    if (m_store)
        m_store->clear();
}

QString TokenManager::validAccessToken() const
{
    return isUsable(m_accessToken) ? m_accessToken : QString();
}

bool TokenManager::needsRefresh() const
{
    return !isUsable(m_accessToken) && !m_refreshToken.isEmpty();
}

void TokenManager::setRefreshHandler(RefreshHandler handler)
{
    m_refreshHandler = std::move(handler);
}

void TokenManager::refresh(RefreshCallback callback)
{
    QMutexLocker locker(&m_mutex);
    if (callback)
        m_waiting.append(std::move(callback));
    if (m_inFlight)
        return;
    if (m_refreshToken.isEmpty() || !m_refreshHandler) {
        const QList<RefreshCallback> callers = std::exchange(m_waiting, {});
        locker.unlock();
        for (const RefreshCallback &caller : callers)
            caller(RefreshResult::AuthFailed);
        return;
    }
    m_inFlight = true;
    const QString token = m_refreshToken;
    const quint64 generation = m_generation;
    locker.unlock();

    auto onSuccess = [this, generation](const QString &access, const QString &refresh) {
        // An answer without an access token cannot be used; the old pair stays.
        if (access.isEmpty()) {
            finishRefresh(RefreshResult::TransientError);
            return;
        }
        if (generation != m_generation) {
            finishRefresh(outcomeForReplacedPair());
            return;
        }
        storeTokens(access, refresh.isEmpty() ? m_refreshToken : refresh);
        finishRefresh(RefreshResult::Success);
    };
    auto onFailure = [this, generation](bool rejected) {
        // The old refresh token may well be refused after a sign-out; that
        // says nothing about a pair signed in since.
        if (generation != m_generation) {
            finishRefresh(outcomeForReplacedPair());
            return;
        }
        finishRefresh(rejected ? RefreshResult::AuthFailed : RefreshResult::TransientError);
    };
    m_refreshHandler(token, onSuccess, onFailure);
}

RefreshResult TokenManager::outcomeForReplacedPair() const
{
    // Signed out (or in again) while the refresh ran: what is there now decides.
    if (isUsable(m_accessToken))
        return RefreshResult::Success;
    return m_refreshToken.isEmpty() ? RefreshResult::AuthFailed : RefreshResult::TransientError;
}

void TokenManager::finishRefresh(RefreshResult result)
{
    QMutexLocker locker(&m_mutex);
    m_inFlight = false;
    const QList<RefreshCallback> callers = std::exchange(m_waiting, {});
    locker.unlock();
    for (const RefreshCallback &caller : callers)
        caller(result);
}

} // namespace LumoAccount
