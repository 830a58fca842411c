#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/reconciliation.h"
#include "data/recurringtransaction.h"
#include "data/splitline.h"
#include "data/transaction.h"

#include <QDate>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

// The wire form of the sync service's records: change records sent by the
// push, and server records read by the pull. Pure functions, no database.
namespace SyncRecords {

// Entity types of the change records and of the push results.
inline constexpr QLatin1String kAccount{"account"};
inline constexpr QLatin1String kCategory{"category"};
inline constexpr QLatin1String kRecurring{"recurring"};
inline constexpr QLatin1String kTransaction{"transaction"};
inline constexpr QLatin1String kReconciliation{"reconciliation"};

QJsonObject accountPayload(const Account &account);
QJsonObject categoryPayload(const Category &category);
QJsonObject recurringPayload(const RecurringTransaction &rule);
// split_lines goes with the payload only when the transaction is split.
QJsonObject transactionPayload(const Transaction &transaction, const QList<SplitLine> &splitLines);
QJsonObject reconciliationPayload(const Reconciliation &reconciliation);

QJsonObject changeRecord(QLatin1String entityType, const QString &id, int version, bool deleted,
                         const QJsonObject &payload);

// Reading rules of server values: a value of the wrong JSON type reads as
// the default (empty text, 0, false, an invalid date or time).
QString readText(const QJsonObject &object, QLatin1String key);
int readInt(const QJsonObject &object, QLatin1String key);
qint64 readMoney(const QJsonObject &object, QLatin1String key);
bool readFlag(const QJsonObject &object, QLatin1String key);
QDate readDate(const QJsonObject &object, QLatin1String key);
QDateTime readTimestamp(const QJsonObject &object, QLatin1String key);
QDate parseServerDate(const QString &text);

struct Deletion
{
    bool deleted = false;
    std::optional<QDateTime> deletedAt; // set when deleted; the time may be invalid
};
Deletion readDeletion(const QJsonObject &object);

// Server record to local record. The id is left empty (the caller matches
// it); serverId, version, timestamps and the deletion come from the record
// and the sync status is synced.
Account accountFromServer(const QJsonObject &object);
Category categoryFromServer(const QJsonObject &object);
// Missing lead days, interval and semimonthly days keep the local values.
RecurringTransaction recurringFromServer(const QJsonObject &object, const RecurringTransaction *local);
Transaction transactionFromServer(const QJsonObject &object);
Reconciliation reconciliationFromServer(const QJsonObject &object);
// The record's split lines without ids or transaction id.
QList<SplitLine> splitLinesFromServer(const QJsonObject &object);

} // namespace SyncRecords
