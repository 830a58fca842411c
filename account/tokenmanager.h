#pragma once

#include "account/tokenstore.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace LumoAccount {

enum class RefreshResult { Success = 0, AuthFailed = 1, TransientError = 2 };

// Holds the token pair, persists it, and runs one shared refresh for every
// caller waiting at the same time.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using RefreshCallback = std::function<void(RefreshResult)>;
    using SuccessContinuation = std::function<void(const QString &access, const QString &refresh)>;
    using FailureContinuation = std::function<void(bool rejected)>;
    using RefreshHandler = std::function<void(const QString &refreshToken, SuccessContinuation,
                                              FailureContinuation)>;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject *parent = nullptr);
    ~TokenManager() override;

    void setTokens(const QString &access, const QString &refresh);
    void loadTokens();
    void clearTokens();

    QString accessToken() const { return m_accessToken; }
    QString refreshToken() const { return m_refreshToken; }
    // The access token while it is usable (more than 30 s before its expiry).
    QString validAccessToken() const;
    bool needsRefresh() const;

    void setRefreshHandler(RefreshHandler handler);
    void refresh(RefreshCallback callback);

private:
    void storeTokens(const QString &access, const QString &refresh);
    RefreshResult outcomeForReplacedPair() const;
    void finishRefresh(RefreshResult result);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    RefreshHandler m_refreshHandler;
    QMutex m_mutex;
    bool m_inFlight = false;
    QList<RefreshCallback> m_waiting;
    // Bumped whenever the pair is replaced or cleared from outside a refresh,
    // so a refresh that started before does not write over it.
    quint64 m_generation = 0;
};

} // namespace LumoAccount
