#include "account/accountclient.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/browser.h"
#include "account/clientconfig.h"
#include "account/deviceidentity.h"
#include "account/pathsegment.h"

#include <QPointer>
#include <QUrl>

namespace LumoAccount {

AccountClient::AccountClient(ApiClient *api, AuthClient *authClient, const ClientConfig &config,
                             QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_authClient(authClient)
    , m_appId(config.appId)
    , m_appVersion(config.appVersion)
    , m_accountPortalUrl(config.accountPortalUrl)
{
}

void AccountClient::getProfile(std::function<void(const Profile &)> callback)
{
    getProfile([callback](bool, const Profile &profile) {
        if (callback)
            callback(profile);
    });
}

void AccountClient::getProfile(std::function<void(bool ok, const Profile &)> callback)
{
    m_api->get(QStringLiteral("/profile"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok, ok ? Profile::fromJson(body) : Profile());
    });
}

void AccountClient::deleteAccount(std::function<void(bool ok)> callback)
{
    m_api->del(QStringLiteral("/profile"), [callback](bool ok, int, const QJsonObject &) {
        if (callback)
            callback(ok);
    });
}

void AccountClient::getDevices(std::function<void(const QList<Device> &)> callback)
{
    getDevices([callback](bool, const QList<Device> &devices) {
        if (callback)
            callback(devices);
    });
}

void AccountClient::getDevices(std::function<void(bool ok, const QList<Device> &)> callback)
{
    m_api->get(QStringLiteral("/devices"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok, ok ? readList<Device>(body, QStringLiteral("devices")) : QList<Device>());
    });
}

void AccountClient::registerDevice()
{
    const QJsonObject body{{QStringLiteral("device_name"), machineHostName()},
                           {QStringLiteral("platform"), platformName()},
                           {QStringLiteral("app_id"), m_appId},
                           {QStringLiteral("app_version"), m_appVersion},
                           {QStringLiteral("device_fingerprint"), deviceFingerprint()}};
    m_api->post(QStringLiteral("/devices/register"), body, ApiCallback());
}

namespace {

// Hands only the ok flag of a reply to a caller that wants the outcome.
ApiCallback outcomeOnly(std::function<void(bool ok)> callback)
{
    return [callback](bool ok, int, const QJsonObject &) {
        if (callback)
            callback(ok);
    };
}

} // namespace

void AccountClient::removeDevice(const QString &deviceId, std::function<void(bool ok)> callback)
{
    if (!isSafePathSegment(deviceId)) {
        if (callback)
            callback(false);
        return;
    }
    m_api->del(QStringLiteral("/devices/%1").arg(deviceId), outcomeOnly(std::move(callback)));
}

void AccountClient::getGroup(std::function<void(const Group &)> callback)
{
    getGroup([callback](bool, const Group &group) {
        if (callback)
            callback(group);
    });
}

void AccountClient::getGroup(std::function<void(bool ok, const Group &)> callback)
{
    m_api->get(QStringLiteral("/group"), [callback](bool ok, int status, const QJsonObject &body) {
        if (!callback)
            return;
        // The service answers "not found" for a user who belongs to no group.
        if (!ok && status == 404)
            callback(true, Group());
        else
            callback(ok, ok ? Group::fromJson(body) : Group());
    });
}

void AccountClient::postInvitation(const QJsonObject &body,
                                   std::function<void(const GroupInvitation &)> callback)
{
    m_api->post(QStringLiteral("/group/invite"), body,
                [callback](bool ok, int, const QJsonObject &reply) {
                    if (callback)
                        callback(ok ? GroupInvitation::fromJson(reply) : GroupInvitation());
                });
}

void AccountClient::generateInviteCode(std::function<void(const GroupInvitation &)> callback)
{
    postInvitation(QJsonObject(), std::move(callback));
}

void AccountClient::inviteByEmail(const QString &email,
                                  std::function<void(const GroupInvitation &)> callback)
{
    postInvitation(QJsonObject{{QStringLiteral("email"), email}}, std::move(callback));
}

void AccountClient::joinGroup(const QString &code, std::function<void(bool ok)> callback)
{
    if (!isSafePathSegment(code)) {
        if (callback)
            callback(false);
        return;
    }
    QPointer<AccountClient> self(this);
    m_api->post(QStringLiteral("/group/join/%1").arg(code), QJsonObject(),
                [self, callback](bool ok, int, const QJsonObject &) {
                    if (ok && self)
                        self->refreshTokenAndNotify();
                    if (callback)
                        callback(ok);
                });
}

void AccountClient::leaveGroup(std::function<void(bool ok)> callback)
{
    QPointer<AccountClient> self(this);
    m_api->post(QStringLiteral("/group/leave"), QJsonObject(),
                [self, callback](bool ok, int, const QJsonObject &) {
                    if (ok && self)
                        self->refreshTokenAndNotify();
                    if (callback)
                        callback(ok);
                });
}

void AccountClient::removeMember(const QString &memberId, std::function<void(bool ok)> callback)
{
    if (!isSafePathSegment(memberId)) {
        if (callback)
            callback(false);
        return;
    }
    QPointer<AccountClient> self(this);
    m_api->del(QStringLiteral("/group/members/%1").arg(memberId),
               [self, callback](bool ok, int, const QJsonObject &) {
                   if (ok && self)
                       Q_EMIT self->groupChanged();
                   if (callback)
                       callback(ok);
               });
}

void AccountClient::revokeInvitation(const QString &invitationId,
                                     std::function<void(bool ok)> callback)
{
    if (!isSafePathSegment(invitationId)) {
        if (callback)
            callback(false);
        return;
    }
    m_api->del(QStringLiteral("/group/invitations/%1").arg(invitationId),
               outcomeOnly(std::move(callback)));
}

void AccountClient::refreshTokenAndNotify()
{
    // The group claims live in the access token, so a new one is needed.
    m_authClient->refreshToken([](bool) {});
    Q_EMIT groupChanged();
}

void AccountClient::openAccountPortal(const QString &path)
{
    if (m_accountPortalUrl.isEmpty())
        return;
    QString address = m_accountPortalUrl;
    if (!path.isEmpty()) {
        if (address.endsWith(QLatin1Char('/')))
            address.chop(1);
        address += path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
    }
    openInBrowser(QUrl(address, QUrl::TolerantMode));
}

} // namespace LumoAccount
