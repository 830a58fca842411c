#pragma once

#include <QMetaType>
#include <QString>

namespace LumoAccount {

// The program's own claims in an access token (payload "custom" -> "lumi").
struct LumiClaims
{
    QString groupId;
    QString role;
};

// Seconds since the epoch of the token's "exp"; 0 when it cannot be read.
qint64 jwtExpiry(const QString &token);
// The token's "sub"; empty when it cannot be read.
QString jwtSubject(const QString &token);
LumiClaims parseClaims(const QString &token);

} // namespace LumoAccount

Q_DECLARE_METATYPE(LumoAccount::LumiClaims)
