#pragma once

#include "account/clientconfig.h"
#include "support/fakeserver.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>

// The sign-in, account and sharing services on one FakeServer, with enough
// state to behave like the real ones: issued tokens, one user, devices,
// sessions, a family group and the shares of local accounts.
//
//   sign-in:  <server>/auth/<realm>/account/login, <server>/auth/api/v1/realms/<realm>/...
//   account:  <server>/account/v1/...
//   sync:     <server>/tallyra/v1/... (sharing; other sync routes are added by their tests)
class FakeOnlineServices
{
public:
    static constexpr auto Realm = "lumora";
    static constexpr auto ClientId = "0123456789abcdef0123456789abcdef";

    explicit FakeOnlineServices(FakeServer *server);

    FakeServer *server() const { return m_server; }
    LumoAccount::ClientConfig config() const;
    QString authApiPath(const QString &path) const; // "/auth/api/v1/realms/lumora" + path
    QString accountPath(const QString &path) const; // "/account/v1" + path
    QString syncPath(const QString &path) const;    // "/tallyra/v1" + path
    QString syncBaseUrl() const;

    // A signed token in the usual three-part form; the signature is not checked.
    static QString makeJwt(const QString &subject, qint64 expiry,
                           const QJsonObject &lumiClaims = QJsonObject());

    // Issues a token pair the services accept; lifetime in seconds.
    QPair<QString, QString> issueTokens(qint64 lifetimeSeconds = 3600);
    void revokeRefreshTokens() { m_refreshTokens.clear(); }
    QString userId() const { return user.value(QLatin1String("id")).toString(); }
    void setPassword(const QString &password) { m_password = password; }
    // True when the request carries an access token these services issued.
    bool authorized(const FakeRequest &request) const;

    QJsonObject user;            // returned by /users/me
    QJsonObject profile;         // returned by /profile
    QJsonObject group;           // returned by /group; "members" etc.
    QJsonArray devices;          // returned by /devices
    QJsonArray sessions;         // returned by /users/me/sessions
    QHash<QString, QJsonArray> shares; // account id -> "members"
    QJsonObject lumiClaims;      // put into every issued access token

private:
    void installSignIn();
    void installAccount();
    void installSharing();
    FakeResponse unauthorized() const;

    FakeServer *m_server = nullptr;
    QString m_password = QStringLiteral("old-secret");
    QSet<QString> m_accessTokens;
    QSet<QString> m_refreshTokens;
    int m_serial = 0;
};
