#include "account/sharingbackend.h"

namespace LumoAccount {

SharingBackend::SharingBackend(QObject *parent)
    : QObject(parent)
{
}

QString SharingBackend::memberShareId(const GroupMember &member) const
{
    return member.accountId;
}

} // namespace LumoAccount
