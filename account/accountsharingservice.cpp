#include "account/accountsharingservice.h"

#include "account/apiclient.h"
#include "account/pathsegment.h"

#include <QJsonArray>

namespace LumoAccount {

namespace {

ShareMember shareMemberFromJson(const QJsonObject &object)
{
    ShareMember member;
    member.id = object.value(QLatin1String("user_id")).toString();
    member.userId = member.id;
    member.email = object.value(QLatin1String("email")).toString();
    member.displayName = object.value(QLatin1String("display_name")).toString();
    member.role = object.value(QLatin1String("role")).toString();
    member.createdAt = object.value(QLatin1String("created_at")).toString();
    return member;
}

} // namespace

AccountSharingService::AccountSharingService(ApiClient *api, QObject *parent)
    : SharingBackend(parent)
    , m_api(api)
{
}

void AccountSharingService::listMembers(const QString &accountId,
                                        std::function<void(bool ok, const QList<ShareMember> &)> callback)
{
    if (!isSafePathSegment(accountId)) {
        if (callback)
            callback(false, {});
        return;
    }
    m_api->get(QStringLiteral("/accounts/%1/members").arg(accountId),
               [callback](bool ok, int, const QJsonObject &body) {
                   if (!callback)
                       return;
                   QList<ShareMember> members;
                   if (ok) {
                       const QJsonArray array = body.value(QLatin1String("members")).toArray();
                       for (const QJsonValue &element : array)
                           members.append(shareMemberFromJson(element.toObject()));
                   }
                   callback(ok, members);
               });
}

void AccountSharingService::shareWith(const QString &accountId, const QString &memberId,
                                      const QString &role,
                                      std::function<void(bool ok, const QString &error)> callback)
{
    const auto failureText = [](int status) {
        return tr("Failed to share account (HTTP %1)").arg(status);
    };
    if (!isSafePathSegment(accountId)) {
        if (callback)
            callback(false, failureText(0));
        return;
    }
    QJsonObject body{{QStringLiteral("user_id"), memberId},
                     {QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role}};
    if (memberId.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), memberId);
    m_api->post(QStringLiteral("/accounts/%1/share").arg(accountId), body,
                [callback, failureText](bool ok, int status, const QJsonObject &reply) {
                    if (!callback)
                        return;
                    if (ok) {
                        callback(true, QString());
                        return;
                    }
                    QString error = reply.value(QLatin1String("error")).toString();
                    if (error.isEmpty())
                        error = failureText(status);
                    callback(false, error);
                });
}

void AccountSharingService::removeShare(const QString &accountId, const QString &memberId,
                                        std::function<void(bool ok)> callback)
{
    if (!isSafePathSegment(accountId) || !isSafePathSegment(memberId)) {
        if (callback)
            callback(false);
        return;
    }
    m_api->del(QStringLiteral("/accounts/%1/share/%2").arg(accountId, memberId),
               [callback](bool ok, int, const QJsonObject &) {
                   if (callback)
                       callback(ok);
               });
}

} // namespace LumoAccount
