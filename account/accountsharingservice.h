#pragma once

#include "account/sharingbackend.h"

namespace LumoAccount {

class ApiClient;

// Sharing through the sync service's account endpoints.
class AccountSharingService : public SharingBackend
{
    Q_OBJECT

public:
    explicit AccountSharingService(ApiClient *api, QObject *parent = nullptr);

    using SharingBackend::listMembers;
    void listMembers(const QString &accountId,
                     std::function<void(bool ok, const QList<ShareMember> &)> callback) override;
    void shareWith(const QString &accountId, const QString &memberId, const QString &role,
                   std::function<void(bool ok, const QString &error)> callback) override;
    void removeShare(const QString &accountId, const QString &memberId,
                     std::function<void(bool ok)> callback) override;

private:
    ApiClient *m_api = nullptr;
};

} // namespace LumoAccount
