#include "account/authclient.h"

#include "account/apiclient.h"
#include "account/browser.h"
#include "account/jwt.h"
#include "account/pathsegment.h"
#include "account/tokenmanager.h"
#include "account/webauthhandler.h"

#include <QJsonArray>
#include <QPointer>

namespace LumoAccount {

AuthClient::AuthClient(const QString &authBaseUrl, const QString &realm, const QString &clientId,
                       ApiClient *api, TokenManager *tokenManager, QObject *parent)
    : QObject(parent)
    , m_authBaseUrl(authBaseUrl)
    , m_realm(realm)
    , m_clientId(clientId)
    , m_api(api)
    , m_tokenManager(tokenManager)
{
    QPointer<AuthClient> self(this);
    m_tokenManager->setRefreshHandler(
        [self](const QString &token, TokenManager::SuccessContinuation onSuccess,
               TokenManager::FailureContinuation onFailure) {
            if (self)
                self->sendRefresh(token, onSuccess, onFailure);
            else
                onFailure(false);
        });
}

void AuthClient::sendRefresh(const QString &refreshToken,
                             std::function<void(const QString &, const QString &)> onSuccess,
                             std::function<void(bool)> onFailure)
{
    const QJsonObject body{{QStringLiteral("refresh_token"), refreshToken}};
    m_api->postPublic(QStringLiteral("/auth/token/refresh"), body,
                      [onSuccess, onFailure](bool ok, int status, const QJsonObject &reply) {
                          if (ok) {
                              onSuccess(reply.value(QLatin1String("access_token")).toString(),
                                        reply.value(QLatin1String("refresh_token")).toString());
                          } else {
                              onFailure(status >= 400 && status <= 499);
                          }
                      });
}

void AuthClient::setState(AuthState state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void AuthClient::signOutLocally()
{
    m_tokenManager->clearTokens();
    m_currentUser = User();
    setState(AuthState::SignedOut);
}

void AuthClient::login()
{
    auto *handler = new WebAuthHandler(this);
    const QString redirect = handler->start();
    if (redirect.isEmpty()) {
        Q_EMIT loginFailed(tr("Failed to start local auth server"));
        handler->deleteLater();
        return;
    }
    connect(handler, &WebAuthHandler::callbackReceived, this, [this, handler](const QUrl &url) {
        handleCallback(url);
        handler->deleteLater();
    });
    const QString address = QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4")
                                .arg(m_authBaseUrl, m_realm, m_clientId,
                                     QString::fromLatin1(QUrl::toPercentEncoding(redirect)));
    openInBrowser(QUrl(address, QUrl::TolerantMode));
}

void AuthClient::handleCallback(const QUrl &url)
{
    const CallbackTokens tokens = callbackTokens(url);
    if (!tokens.complete()) {
        Q_EMIT loginFailed(tr("No tokens received"));
        return;
    }
    m_tokenManager->setTokens(tokens.accessToken, tokens.refreshToken);
    setState(AuthState::SignedIn);
    Q_EMIT loginSucceeded();
}

void AuthClient::initialize()
{
    m_tokenManager->loadTokens();
    if (!m_tokenManager->validAccessToken().isEmpty()) {
        setState(AuthState::SignedIn);
        return;
    }
    if (m_tokenManager->refreshToken().isEmpty()) {
        setState(AuthState::SignedOut);
        return;
    }
    QPointer<AuthClient> self(this);
    m_tokenManager->refresh([self](RefreshResult result) {
        if (!self)
            return;
        // Offline at start-up keeps the user signed in with the stored tokens.
        if (result == RefreshResult::AuthFailed)
            self->signOutLocally();
        else
            self->setState(AuthState::SignedIn);
    });
}

void AuthClient::refreshToken(std::function<void(bool success)> callback)
{
    QPointer<AuthClient> self(this);
    m_tokenManager->refresh([self, callback](RefreshResult result) {
        if (self && result == RefreshResult::AuthFailed)
            self->signOutLocally();
        if (callback)
            callback(result == RefreshResult::Success);
    });
}

void AuthClient::logout()
{
    // Sent with the token of the moment: signing out must not wait for, or
    // start, a refresh.
    m_api->postWithToken(QStringLiteral("/auth/logout"), QJsonObject(),
                         m_tokenManager->accessToken(), ApiCallback());
    signOutLocally();
    Q_EMIT logoutCompleted();
}

void AuthClient::fetchCurrentUser(std::function<void(const User &)> callback)
{
    fetchCurrentUser([callback](bool, const User &user) {
        if (callback)
            callback(user);
    });
}

void AuthClient::fetchCurrentUser(std::function<void(bool ok, const User &)> callback)
{
    QPointer<AuthClient> self(this);
    m_api->get(QStringLiteral("/users/me"),
               [self, callback](bool ok, int, const QJsonObject &body) {
                   if (!self)
                       return;
                   if (ok)
                       self->m_currentUser = User::fromJson(body);
                   if (callback)
                       callback(ok, self->m_currentUser);
               });
}

void AuthClient::updateProfile(const QString &displayName,
                               std::function<void(const User &)> callback)
{
    QPointer<AuthClient> self(this);
    const QJsonObject body{{QStringLiteral("display_name"), displayName}};
    m_api->patch(QStringLiteral("/users/me"), body,
                 [self, callback](bool ok, int, const QJsonObject &reply) {
                     if (!self)
                         return;
                     // A failed rename must not look like success with the old name.
                     if (!ok) {
                         if (callback)
                             callback(User());
                         return;
                     }
                     self->m_currentUser = User::fromJson(reply);
                     if (callback)
                         callback(self->m_currentUser);
                 });
}

void AuthClient::changePassword(const QString &currentPassword, const QString &newPassword,
                                std::function<void(bool ok)> callback)
{
    const QJsonObject body{{QStringLiteral("current_password"), currentPassword},
                           {QStringLiteral("new_password"), newPassword}};
    m_api->post(QStringLiteral("/users/me/password"), body,
                [callback](bool ok, int, const QJsonObject &) {
                    if (callback)
                        callback(ok);
                });
}

void AuthClient::listSessions(std::function<void(const QList<Session> &)> callback)
{
    listSessions([callback](bool, const QList<Session> &sessions) {
        if (callback)
            callback(sessions);
    });
}

void AuthClient::listSessions(std::function<void(bool ok, const QList<Session> &)> callback)
{
    m_api->get(QStringLiteral("/users/me/sessions"),
               [callback](bool ok, int, const QJsonObject &body) {
                   if (!callback)
                       return;
                   callback(ok, ok ? readList<Session>(body, QStringLiteral("sessions"))
                                   : QList<Session>());
               });
}

void AuthClient::revokeSession(const QString &sessionId, std::function<void(bool ok)> callback)
{
    if (!isSafePathSegment(sessionId)) {
        if (callback)
            callback(false);
        return;
    }
    m_api->del(QStringLiteral("/users/me/sessions/%1").arg(sessionId),
               [callback](bool ok, int, const QJsonObject &) {
                   if (callback)
                       callback(ok);
               });
}

QString AuthClient::userId() const
{
    const QString token = m_tokenManager->validAccessToken();
    return token.isEmpty() ? QString() : jwtSubject(token);
}

} // namespace LumoAccount
