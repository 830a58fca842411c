#pragma once

#include "account/accountrecords.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace LumoAccount {

class ApiClient;
class AuthClient;
struct ClientConfig;

// Client of the account service: profile, devices, family group, account
// deletion and the account portal.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    AccountClient(ApiClient *api, AuthClient *authClient, const ClientConfig &config,
                  QObject *parent = nullptr);

    void deleteAccount(std::function<void(bool ok)> callback);

    // Fetches come in two forms: the plain one hands a failure over as an
    // empty result; the other also says whether the service answered, so a
    // screen can tell "nothing there" from "could not be read".
    void getProfile(std::function<void(const Profile &)> callback);
    void getProfile(std::function<void(bool ok, const Profile &)> callback);
    void getDevices(std::function<void(const QList<Device> &)> callback);
    void getDevices(std::function<void(bool ok, const QList<Device> &)> callback);
    void registerDevice();
    void removeDevice(const QString &deviceId, std::function<void(bool ok)> callback = {});

    void getGroup(std::function<void(const Group &)> callback);
    // A user without a group is an answer (ok, empty group), not a failure.
    void getGroup(std::function<void(bool ok, const Group &)> callback);
    void generateInviteCode(std::function<void(const GroupInvitation &)> callback);
    void inviteByEmail(const QString &email, std::function<void(const GroupInvitation &)> callback);
    void joinGroup(const QString &code, std::function<void(bool ok)> callback);
    void leaveGroup(std::function<void(bool ok)> callback = {});
    void removeMember(const QString &memberId, std::function<void(bool ok)> callback = {});
    void revokeInvitation(const QString &invitationId, std::function<void(bool ok)> callback = {});

    void openAccountPortal(const QString &path = QString());

Q_SIGNALS:
    void groupChanged();

private:
    void postInvitation(const QJsonObject &body,
                        std::function<void(const GroupInvitation &)> callback);
    void refreshTokenAndNotify();

    ApiClient *m_api = nullptr;
    AuthClient *m_authClient = nullptr;
    QString m_appId;
    QString m_appVersion;
    QString m_accountPortalUrl;
};

} // namespace LumoAccount
