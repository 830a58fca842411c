#pragma once

#include "account/accountrecords.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace LumoAccount {

// Who may see a shared local account, and the changes to that list.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    explicit SharingBackend(QObject *parent = nullptr);

    // Hands a listing that failed over as an empty list.
    void listMembers(const QString &accountId, std::function<void(const QList<ShareMember> &)> callback);
    // Also says whether the service answered, so "shared with nobody" can
    // be told from "could not be read".
    virtual void listMembers(const QString &accountId,
                             std::function<void(bool ok, const QList<ShareMember> &)> callback) = 0;
    virtual void shareWith(const QString &accountId, const QString &memberId, const QString &role,
                           std::function<void(bool ok, const QString &error)> callback) = 0;
    virtual void removeShare(const QString &accountId, const QString &memberId,
                             std::function<void(bool ok)> callback) = 0;
    // The identifier under which the sharing service knows a group member.
    virtual QString memberShareId(const GroupMember &member) const;
};

} // namespace LumoAccount
