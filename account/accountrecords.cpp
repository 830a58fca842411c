#include "account/accountrecords.h"

#include <cmath>
#include <limits>

namespace LumoAccount {

namespace {

QString text(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

int integer(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isDouble())
        return 0;
    const double number = value.toDouble();
    if (std::trunc(number) != number || number < std::numeric_limits<int>::min()
        || number > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(number);
}

bool boolean(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toBool(false);
}

QDateTime timestamp(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    if (!value.isString())
        return {};
    return QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
}

} // namespace

User User::fromJson(const QJsonObject &o)
{
    User user;
    user.id = text(o, "id");
    user.email = text(o, "email");
    user.displayName = text(o, "display_name");
    user.username = text(o, "username");
    user.avatarUrl = text(o, "avatar_url");
    user.createdAt = timestamp(o, "created_at");
    return user;
}

ProfileGroup ProfileGroup::fromJson(const QJsonObject &o)
{
    ProfileGroup group;
    group.id = text(o, "id");
    group.name = text(o, "name");
    group.role = text(o, "role");
    group.memberCount = integer(o, "member_count");
    return group;
}

Profile Profile::fromJson(const QJsonObject &o)
{
    Profile profile;
    profile.id = text(o, "id");
    profile.email = text(o, "email");
    profile.displayName = text(o, "display_name");
    profile.avatarUrl = text(o, "avatar_url");
    profile.language = text(o, "language");
    profile.timezone = text(o, "timezone");
    profile.status = text(o, "status");
    profile.createdAt = timestamp(o, "created_at");
    // The key alone makes the group present, even when its value is null.
    if (o.contains(QLatin1String("group")))
        profile.group = ProfileGroup::fromJson(o.value(QLatin1String("group")).toObject());
    return profile;
}

Device Device::fromJson(const QJsonObject &o)
{
    Device device;
    device.id = text(o, "id");
    device.deviceName = text(o, "device_name");
    device.platform = text(o, "platform");
    device.appId = text(o, "app_id");
    device.appVersion = text(o, "app_version");
    device.lastSyncAt = timestamp(o, "last_sync_at");
    device.deviceFingerprint = text(o, "device_fingerprint");
    device.createdAt = timestamp(o, "created_at");
    return device;
}

Session Session::fromJson(const QJsonObject &o)
{
    Session session;
    session.id = text(o, "id");
    session.userAgent = text(o, "user_agent");
    session.ipAddress = text(o, "ip_address");
    session.createdAt = timestamp(o, "created_at");
    session.lastActiveAt = timestamp(o, "last_active_at");
    session.isCurrent = boolean(o, "is_current");
    return session;
}

GroupMember GroupMember::fromJson(const QJsonObject &o)
{
    GroupMember member;
    member.accountId = text(o, "account_id");
    member.authUserId = text(o, "auth_user_id");
    member.displayName = text(o, "display_name");
    member.email = text(o, "email");
    member.role = text(o, "role");
    member.joinedAt = timestamp(o, "joined_at");
    return member;
}

GroupInvitation GroupInvitation::fromJson(const QJsonObject &o)
{
    GroupInvitation invitation;
    invitation.id = text(o, "id");
    invitation.invitedEmail = text(o, "invited_email");
    invitation.inviteCode = text(o, "invite_code");
    invitation.status = text(o, "status");
    invitation.expiresAt = timestamp(o, "expires_at");
    return invitation;
}

Group Group::fromJson(const QJsonObject &o)
{
    Group group;
    group.id = text(o, "id");
    group.name = text(o, "name");
    group.maxSeats = integer(o, "max_seats");
    group.members = readList<GroupMember>(o, QStringLiteral("members"));
    group.pendingInvitations = readList<GroupInvitation>(o, QStringLiteral("pending_invitations"));
    return group;
}

} // namespace LumoAccount
