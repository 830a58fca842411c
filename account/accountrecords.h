#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

// Value records read from the online services' JSON. A missing or mistyped
// key reads as empty text, 0, false or an invalid time; reading never fails.
namespace LumoAccount {

struct User
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    static User fromJson(const QJsonObject &object);
};

struct ProfileGroup
{
    QString id;
    QString name;
    QString role;
    int memberCount = 0;

    static ProfileGroup fromJson(const QJsonObject &object);
};

struct Profile
{
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    std::optional<ProfileGroup> group;

    static Profile fromJson(const QJsonObject &object);
};

struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;

    static Device fromJson(const QJsonObject &object);
};

struct Session
{
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;

    static Session fromJson(const QJsonObject &object);
};

struct GroupMember
{
    QString accountId;
    QString authUserId;
    QString displayName;
    QString email;
    QString role;
    QDateTime joinedAt;

    static GroupMember fromJson(const QJsonObject &object);
};

struct GroupInvitation
{
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    static GroupInvitation fromJson(const QJsonObject &object);
};

struct Group
{
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    static Group fromJson(const QJsonObject &object);
};

// One person with access to a shared account; read by the sharing service.
struct ShareMember
{
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt; // the server's text, unparsed
};

// Reads every element of object[key] with Record::fromJson, in array order.
template<typename Record>
QList<Record> readList(const QJsonObject &object, const QString &key)
{
    QList<Record> records;
    const QJsonValue value = object.value(key);
    if (!value.isArray())
        return records;
    const QJsonArray array = value.toArray();
    records.reserve(array.size());
    for (const QJsonValue &element : array)
        records.append(Record::fromJson(element.toObject()));
    return records;
}

} // namespace LumoAccount
