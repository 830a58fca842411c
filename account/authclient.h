#pragma once

#include "account/accountrecords.h"
#include "account/authstate.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace LumoAccount {

class ApiClient;
class TokenManager;

// The sign-in state machine: restores the signed-in state from the stored
// tokens, signs in through the browser, refreshes and drops tokens, signs
// out, and calls the user endpoints of the sign-in service.
class AuthClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(LumoAccount::AuthState state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    AuthClient(const QString &authBaseUrl, const QString &realm, const QString &clientId,
               ApiClient *api, TokenManager *tokenManager, QObject *parent = nullptr);

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::SignedIn; }
    User currentUser() const { return m_currentUser; }

    void login();
    void handleCallback(const QUrl &url);
    void initialize();
    void refreshToken(std::function<void(bool success)> callback);
    void logout();

    void fetchCurrentUser(std::function<void(const User &)> callback);
    // Also says whether the service answered; on failure the user is the last one known.
    void fetchCurrentUser(std::function<void(bool ok, const User &)> callback);
    void updateProfile(const QString &displayName, std::function<void(const User &)> callback);
    void changePassword(const QString &currentPassword, const QString &newPassword,
                        std::function<void(bool ok)> callback);
    void listSessions(std::function<void(const QList<Session> &)> callback);
    void listSessions(std::function<void(bool ok, const QList<Session> &)> callback);
    void revokeSession(const QString &sessionId, std::function<void(bool ok)> callback = {});
    QString userId() const;

Q_SIGNALS:
    void stateChanged(LumoAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString &error);
    void logoutCompleted();

private:
    void setState(AuthState state);
    void signOutLocally();
    void sendRefresh(const QString &refreshToken,
                     std::function<void(const QString &, const QString &)> onSuccess,
                     std::function<void(bool)> onFailure);

    QString m_authBaseUrl;
    QString m_realm;
    QString m_clientId;
    ApiClient *m_api = nullptr;
    TokenManager *m_tokenManager = nullptr;
    AuthState m_state = AuthState::Initial;
    User m_currentUser;
};

} // namespace LumoAccount
