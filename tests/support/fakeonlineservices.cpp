#include "support/fakeonlineservices.h"

#include <QJsonDocument>
#include <QUrlQuery>

namespace {

const QString AuthPrefix = QStringLiteral("/auth");
const QString AccountPrefix = QStringLiteral("/account/v1");
const QString SyncPrefix = QStringLiteral("/tallyra/v1");

QJsonObject error(const QString &text)
{
    return QJsonObject{{QStringLiteral("error"), text}};
}

// Removes the elements whose key equals the value; true when one was removed.
bool removeWhere(QJsonArray &array, const QString &key, const QString &value)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (array.at(i).toObject().value(key).toString() == value) {
            array.removeAt(i);
            return true;
        }
    }
    return false;
}

} // namespace

FakeOnlineServices::FakeOnlineServices(FakeServer *server)
    : m_server(server)
{
    user = QJsonObject{{QStringLiteral("id"), QStringLiteral("user-1")},
                       {QStringLiteral("email"), QStringLiteral("ann@example.test")},
                       {QStringLiteral("display_name"), QStringLiteral("Ann Lee")},
                       {QStringLiteral("username"), QStringLiteral("ann")},
                       {QStringLiteral("created_at"), QStringLiteral("2024-01-02T03:04:05Z")}};
    profile = QJsonObject{{QStringLiteral("id"), QStringLiteral("acc-ann")},
                          {QStringLiteral("email"), QStringLiteral("ann@example.test")},
                          {QStringLiteral("display_name"), QStringLiteral("Ann Lee")},
                          {QStringLiteral("status"), QStringLiteral("active")}};
    sessions = QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("s-1")},
                                      {QStringLiteral("user_agent"), QStringLiteral("Tallyra")},
                                      {QStringLiteral("is_current"), true}}};
    installSignIn();
    installAccount();
    installSharing();
}

LumoAccount::ClientConfig FakeOnlineServices::config() const
{
    LumoAccount::ClientConfig config;
    config.authBaseUrl = m_server->url(AuthPrefix);
    config.realm = QLatin1String(Realm);
    config.accountApiUrl = m_server->url(AccountPrefix);
    config.clientId = QLatin1String(ClientId);
    config.appId = QStringLiteral("test.tallyra.app");
    config.appName = QStringLiteral("Tallyra Test");
    config.appVersion = QStringLiteral("1.1.7");
    config.accountPortalUrl = m_server->url(QStringLiteral("/portal"));
    return config;
}

QString FakeOnlineServices::authApiPath(const QString &path) const
{
    return AuthPrefix + QStringLiteral("/api/v1/realms/") + QLatin1String(Realm) + path;
}

QString FakeOnlineServices::accountPath(const QString &path) const
{
    return AccountPrefix + path;
}

QString FakeOnlineServices::syncPath(const QString &path) const
{
    return SyncPrefix + path;
}

QString FakeOnlineServices::syncBaseUrl() const
{
    return m_server->url(SyncPrefix);
}

QString FakeOnlineServices::makeJwt(const QString &subject, qint64 expiry,
                                    const QJsonObject &lumiClaims)
{
    const auto encode = [](const QJsonObject &object) {
        return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(
            QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    };
    QJsonObject payload{{QStringLiteral("sub"), subject}, {QStringLiteral("exp"), expiry}};
    if (!lumiClaims.isEmpty())
        payload.insert(QStringLiteral("custom"),
                       QJsonObject{{QStringLiteral("lumi"), lumiClaims}});
    const QByteArray header = encode(QJsonObject{{QStringLiteral("alg"), QStringLiteral("none")}});
    return QString::fromLatin1(header + '.' + encode(payload) + ".signature");
}

QPair<QString, QString> FakeOnlineServices::issueTokens(qint64 lifetimeSeconds)
{
    ++m_serial;
    const QString access =
        makeJwt(userId() + QStringLiteral("#%1").arg(m_serial),
                QDateTime::currentSecsSinceEpoch() + lifetimeSeconds, lumiClaims);
    const QString refresh = QStringLiteral("refresh-%1").arg(m_serial);
    m_accessTokens.insert(access);
    m_refreshTokens.insert(refresh);
    return {access, refresh};
}

bool FakeOnlineServices::authorized(const FakeRequest &request) const
{
    return m_accessTokens.contains(request.bearerToken());
}

FakeResponse FakeOnlineServices::unauthorized() const
{
    return FakeResponse::json(401, error(QStringLiteral("unauthorized")));
}

void FakeOnlineServices::installSignIn()
{
    FakeServer *server = m_server;
    server->route(QStringLiteral("GET"), AuthPrefix + QStringLiteral("/{}/account/login"),
                  [this](const FakeRequest &request) {
                      if (request.captures.value(0) != QLatin1String(Realm)
                          || request.query.queryItemValue(QStringLiteral("client_id"))
                              != QLatin1String(ClientId))
                          return FakeResponse::html(400, "<html>unknown client</html>");
                      QUrl redirect(request.query.queryItemValue(QStringLiteral("redirect_uri"),
                                                                 QUrl::FullyDecoded));
                      const auto tokens = issueTokens();
                      QUrlQuery query;
                      query.addQueryItem(QStringLiteral("access_token"), tokens.first);
                      query.addQueryItem(QStringLiteral("refresh_token"), tokens.second);
                      redirect.setQuery(query);
                      return FakeResponse::redirect(redirect);
                  });
    server->route(QStringLiteral("POST"), authApiPath(QStringLiteral("/auth/token/refresh")),
                  [this](const FakeRequest &request) {
                      const QString token =
                          request.json().value(QLatin1String("refresh_token")).toString();
                      if (!m_refreshTokens.remove(token))
                          return FakeResponse::json(401, error(QStringLiteral("invalid_grant")));
                      const auto tokens = issueTokens();
                      return FakeResponse::json(
                          200, QJsonObject{{QStringLiteral("access_token"), tokens.first},
                                           {QStringLiteral("refresh_token"), tokens.second},
                                           {QStringLiteral("expires_in"), 3600}});
                  });
    server->route(QStringLiteral("POST"), authApiPath(QStringLiteral("/auth/logout")),
                  [this](const FakeRequest &request) {
                      m_accessTokens.remove(request.bearerToken());
                      return FakeResponse::empty(204);
                  });
    server->route(QStringLiteral("GET"), authApiPath(QStringLiteral("/users/me")),
                  [this](const FakeRequest &request) {
                      return authorized(request) ? FakeResponse::json(200, user) : unauthorized();
                  });
    server->route(QStringLiteral("PATCH"), authApiPath(QStringLiteral("/users/me")),
                  [this](const FakeRequest &request) {
                      if (!authorized(request))
                          return unauthorized();
                      user.insert(QStringLiteral("display_name"),
                                  request.json().value(QLatin1String("display_name")));
                      return FakeResponse::json(200, user);
                  });
    server->route(QStringLiteral("POST"), authApiPath(QStringLiteral("/users/me/password")),
                  [this](const FakeRequest &request) {
                      if (!authorized(request))
                          return unauthorized();
                      const QJsonObject body = request.json();
                      if (body.value(QLatin1String("current_password")).toString() != m_password)
                          return FakeResponse::json(400, error(QStringLiteral("wrong password")));
                      m_password = body.value(QLatin1String("new_password")).toString();
                      return FakeResponse::empty(204);
                  });
    server->route(QStringLiteral("GET"), authApiPath(QStringLiteral("/users/me/sessions")),
                  [this](const FakeRequest &request) {
                      return authorized(request)
                          ? FakeResponse::json(200, QJsonObject{{QStringLiteral("sessions"), sessions}})
                          : unauthorized();
                  });
    server->route(QStringLiteral("DELETE"), authApiPath(QStringLiteral("/users/me/sessions/{}")),
                  [this](const FakeRequest &request) {
                      if (!authorized(request))
                          return unauthorized();
                      return removeWhere(sessions, QStringLiteral("id"), request.captures.value(0))
                          ? FakeResponse::empty(204)
                          : FakeResponse::json(404, error(QStringLiteral("no such session")));
                  });
}

void FakeOnlineServices::installAccount()
{
    // Every account route needs a valid bearer token; the handler gets the request.
    const auto guarded = [this](std::function<FakeResponse(const FakeRequest &)> handler) {
        return [this, handler](const FakeRequest &request) {
            return authorized(request) ? handler(request) : unauthorized();
        };
    };
    FakeServer *server = m_server;
    server->route(QStringLiteral("GET"), accountPath(QStringLiteral("/profile")),
                  guarded([this](const FakeRequest &) { return FakeResponse::json(200, profile); }));
    server->route(QStringLiteral("DELETE"), accountPath(QStringLiteral("/profile")),
                  guarded([](const FakeRequest &) { return FakeResponse::empty(204); }));
    server->route(QStringLiteral("GET"), accountPath(QStringLiteral("/devices")),
                  guarded([this](const FakeRequest &) {
                      return FakeResponse::json(200, QJsonObject{{QStringLiteral("devices"), devices}});
                  }));
    server->route(QStringLiteral("POST"), accountPath(QStringLiteral("/devices/register")),
                  guarded([this](const FakeRequest &request) {
                      QJsonObject device = request.json();
                      device.insert(QStringLiteral("id"),
                                    QStringLiteral("dev-%1").arg(devices.size() + 1));
                      devices.append(device);
                      return FakeResponse::json(201, device);
                  }));
    server->route(QStringLiteral("DELETE"), accountPath(QStringLiteral("/devices/{}")),
                  guarded([this](const FakeRequest &request) {
                      return removeWhere(devices, QStringLiteral("id"), request.captures.value(0))
                          ? FakeResponse::empty(204)
                          : FakeResponse::json(404, error(QStringLiteral("no such device")));
                  }));
    server->route(QStringLiteral("GET"), accountPath(QStringLiteral("/group")),
                  guarded([this](const FakeRequest &) {
                      return group.isEmpty()
                          ? FakeResponse::json(404, error(QStringLiteral("no group")))
                          : FakeResponse::json(200, group);
                  }));
    server->route(QStringLiteral("POST"), accountPath(QStringLiteral("/group/invite")),
                  guarded([this](const FakeRequest &request) {
                      QJsonArray pending = group.value(QLatin1String("pending_invitations")).toArray();
                      const QJsonObject invitation{
                          {QStringLiteral("id"), QStringLiteral("inv-%1").arg(pending.size() + 1)},
                          {QStringLiteral("invited_email"),
                           request.json().value(QLatin1String("email")).toString()},
                          {QStringLiteral("invite_code"), QStringLiteral("CODE%1").arg(pending.size() + 1)},
                          {QStringLiteral("status"), QStringLiteral("pending")}};
                      pending.append(invitation);
                      group.insert(QStringLiteral("pending_invitations"), pending);
                      return FakeResponse::json(201, invitation);
                  }));
    server->route(QStringLiteral("POST"), accountPath(QStringLiteral("/group/join/{}")),
                  guarded([this](const FakeRequest &request) {
                      const QJsonArray pending = group.value(QLatin1String("pending_invitations")).toArray();
                      for (const QJsonValue &invitation : pending) {
                          if (invitation.toObject().value(QLatin1String("invite_code")).toString()
                              == request.captures.value(0))
                              return FakeResponse::json(200, group);
                      }
                      return FakeResponse::json(404, error(QStringLiteral("unknown code")));
                  }));
    server->route(QStringLiteral("POST"), accountPath(QStringLiteral("/group/leave")),
                  guarded([this](const FakeRequest &) {
                      if (group.isEmpty())
                          return FakeResponse::json(404, error(QStringLiteral("no group")));
                      group = QJsonObject();
                      return FakeResponse::empty(204);
                  }));
    server->route(QStringLiteral("DELETE"), accountPath(QStringLiteral("/group/members/{}")),
                  guarded([this](const FakeRequest &request) {
                      QJsonArray members = group.value(QLatin1String("members")).toArray();
                      if (!removeWhere(members, QStringLiteral("account_id"), request.captures.value(0)))
                          return FakeResponse::json(404, error(QStringLiteral("no such member")));
                      group.insert(QStringLiteral("members"), members);
                      return FakeResponse::empty(204);
                  }));
    server->route(QStringLiteral("DELETE"), accountPath(QStringLiteral("/group/invitations/{}")),
                  guarded([this](const FakeRequest &request) {
                      QJsonArray pending = group.value(QLatin1String("pending_invitations")).toArray();
                      if (!removeWhere(pending, QStringLiteral("id"), request.captures.value(0)))
                          return FakeResponse::json(404, error(QStringLiteral("no such invitation")));
                      group.insert(QStringLiteral("pending_invitations"), pending);
                      return FakeResponse::empty(204);
                  }));
}

void FakeOnlineServices::installSharing()
{
    FakeServer *server = m_server;
    server->route(QStringLiteral("GET"), syncPath(QStringLiteral("/accounts/{}/members")),
                  [this](const FakeRequest &request) {
                      if (!authorized(request))
                          return unauthorized();
                      return FakeResponse::json(
                          200, QJsonObject{{QStringLiteral("members"),
                                            shares.value(request.captures.value(0))}});
                  });
    server->route(QStringLiteral("POST"), syncPath(QStringLiteral("/accounts/{}/share")),
                  [this](const FakeRequest &request) {
                      if (!authorized(request))
                          return unauthorized();
                      const QJsonObject body = request.json();
                      const QString userId = body.value(QLatin1String("user_id")).toString();
                      if (userId.isEmpty())
                          return FakeResponse::json(400, error(QStringLiteral("user_id is required")));
                      QJsonArray &members = shares[request.captures.value(0)];
                      removeWhere(members, QStringLiteral("user_id"), userId);
                      const QJsonObject share{{QStringLiteral("user_id"), userId},
                                              {QStringLiteral("email"), body.value(QLatin1String("email"))},
                                              {QStringLiteral("role"), body.value(QLatin1String("role"))},
                                              {QStringLiteral("created_at"),
                                               QStringLiteral("2025-01-01T00:00:00Z")}};
                      members.append(share);
                      return FakeResponse::json(201, share);
                  });
    server->route(QStringLiteral("DELETE"), syncPath(QStringLiteral("/accounts/{}/share/{}")),
                  [this](const FakeRequest &request) {
                      if (!authorized(request))
                          return unauthorized();
                      QJsonArray &members = shares[request.captures.value(0)];
                      return removeWhere(members, QStringLiteral("user_id"), request.captures.value(1))
                          ? FakeResponse::empty(204)
                          : FakeResponse::json(404, error(QStringLiteral("not shared")));
                  });
}
