#include "account/sharingbackend.h"

namespace LumoAccount {

SharingBackend::SharingBackend(QObject *parent)
    : QObject(parent)
{
}

void SharingBackend::listMembers(const QString &accountId,
                                 std::function<void(const QList<ShareMember> &)> callback)
{
    listMembers(accountId, [callback](bool, const QList<ShareMember> &members) {
        if (callback)
            callback(members);
    });
}

QString SharingBackend::memberShareId(const GroupMember &member) const
{
    return member.accountId;
}

} // namespace LumoAccount
