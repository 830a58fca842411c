#include "account/jwt.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <cmath>
#include <limits>

namespace LumoAccount {

namespace {

QJsonObject payload(const QString &token)
{
    const QStringList parts = token.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return {};
    const QByteArray bytes = QByteArray::fromBase64(
        parts.at(1).toUtf8(), QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    return document.isObject() ? document.object() : QJsonObject();
}

} // namespace

qint64 jwtExpiry(const QString &token)
{
    const QJsonValue value = payload(token).value(QLatin1String("exp"));
    if (!value.isDouble())
        return 0;
    const double seconds = value.toDouble();
    // Beyond 2^53 a double no longer holds every integer exactly.
    constexpr double limit = 9007199254740992.0;
    if (!std::isfinite(seconds) || std::trunc(seconds) != seconds || std::abs(seconds) > limit)
        return 0;
    return static_cast<qint64>(seconds);
}

QString jwtSubject(const QString &token)
{
    return payload(token).value(QLatin1String("sub")).toString();
}

LumiClaims parseClaims(const QString &token)
{
    const QJsonObject lumi = payload(token)
                                 .value(QLatin1String("custom"))
                                 .toObject()
                                 .value(QLatin1String("lumi"))
                                 .toObject();
    LumiClaims claims;
    if (lumi.isEmpty())
        return claims;
    claims.groupId = lumi.value(QLatin1String("group_id")).toString();
    claims.role = lumi.value(QLatin1String("role")).toString();
    return claims;
}

} // namespace LumoAccount
