#include "data/accountrepository.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QSqlQuery>

using namespace SqlValues;

namespace {
const QString kColumns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, "
    "sort_order, is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at");
}

AccountRepository::AccountRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_table(database, "accounts", "AccountRepository")
{
}

void AccountRepository::notifyChanged()
{
    m_database->announceChange(this, QString(), [this] { Q_EMIT accountsChanged(); });
}

Account AccountRepository::readAccount(const QSqlQuery &query)
{
    Account account;
    account.id = query.value(0).toString();
    account.name = query.value(1).toString();
    account.accountType = accountTypeFromString(query.value(2).toString());
    account.currency = currencyFromString(query.value(3).toString());
    account.institution = query.value(4).toString();
    account.accountNumberLast4 = query.value(5).toString();
    account.startingBalance = query.value(6).toLongLong();
    account.sortOrder = query.value(7).toInt();
    account.isShared = query.value(8).toBool();
    account.version = query.value(9).toInt();
    account.syncStatus = syncStatusFromString(query.value(10).toString());
    account.serverId = query.value(11).toString();
    account.createdAt = parseIsoDateTime(query.value(12).toString());
    account.updatedAt = parseIsoDateTime(query.value(13).toString());
    account.deletedAt = parseOptionalDateTime(query.value(14).toString());
    return account;
}

QList<Account> AccountRepository::list(const QString &sql) const
{
    QList<Account> result;
    QSqlQuery query = prepare(m_database->db(), sql.arg(kColumns));
    if (!exec(query))
        return result;
    while (query.next())
        result.append(readAccount(query));
    return result;
}

QList<Account> AccountRepository::listAll() const
{
    return list(QStringLiteral("SELECT %1 FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"));
}

QList<Account> AccountRepository::listDeleted() const
{
    return list(QStringLiteral("SELECT %1 FROM accounts WHERE deleted_at IS NOT NULL ORDER BY name"));
}

QList<Account> AccountRepository::listPendingSync() const
{
    return list(QStringLiteral("SELECT %1 FROM accounts WHERE sync_status = 'pending'"));
}

std::optional<Account> AccountRepository::findById(const QString &id) const
{
    QSqlQuery query = prepare(m_database->db(), QStringLiteral("SELECT %1 FROM accounts WHERE id = ?").arg(kColumns),
                              {id});
    if (!exec(query) || !query.next())
        return std::nullopt;
    return readAccount(query);
}

std::optional<bool> AccountRepository::holdsAmounts(const QString &id) const
{
    QSqlQuery query = prepare(m_database->db(),
        QStringLiteral("SELECT EXISTS (SELECT 1 FROM transactions WHERE account_id = ?) "
                       "OR EXISTS (SELECT 1 FROM recurring_transactions WHERE account_id = ?)"),
        {id, id});
    if (!exec(query, "AccountRepository::holdsAmounts") || !query.next())
        return std::nullopt;
    return query.value(0).toBool();
}

bool AccountRepository::insert(const Account &account)
{
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
                       "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, "
                       "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {sqlText(account.id), sqlText(account.name), accountTypeToString(account.accountType),
         currencyToString(account.currency), sqlText(account.institution), sqlText(account.accountNumberLast4),
         sqlInt64(account.startingBalance), account.sortOrder, sqlBool(account.isShared), account.version,
         syncStatusToString(account.syncStatus), sqlText(account.serverId), sqlDateTime(account.createdAt),
         sqlDateTime(account.updatedAt)});
    if (!exec(query, "AccountRepository::insert"))
        return false;
    notifyChanged();
    return true;
}

bool AccountRepository::update(const Account &account)
{
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, "
                       "account_number_last4=?, starting_balance=?, sort_order=?, is_shared=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {sqlText(account.name), accountTypeToString(account.accountType), currencyToString(account.currency),
         sqlText(account.institution), sqlText(account.accountNumberLast4), sqlInt64(account.startingBalance), account.sortOrder,
         sqlBool(account.isShared), account.version, syncStatusToString(account.syncStatus), sqlText(account.serverId),
         sqlDateTime(account.updatedAt), account.id});
    if (!exec(query, "AccountRepository::update"))
        return false;
    notifyChanged();
    return true;
}

bool AccountRepository::softDelete(const QString &id)
{
    if (!m_table.softDelete(id, true))
        return false;
    notifyChanged();
    return true;
}

bool AccountRepository::restore(const QString &id)
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', "
                                             "updated_at=?, version = version + 1 WHERE id=?"),
                              {nowUtcIso(), id});
    if (!exec(query, "AccountRepository::restore"))
        return false;
    notifyChanged();
    return true;
}

bool AccountRepository::updateSortOrder(const QList<QPair<QString, int>> &orders)
{
    SqlTransaction transaction(m_database);
    if (!transaction.isActive())
        return false;
    // Only live accounts move: the list may be older than a deletion, which
    // a reorder must not stamp anew or hand back to a push.
    for (const auto &order : orders) {
        // A reorder keeps the version, so only a newer time stamp tells a push
        // that was in flight that the row changed: never reuse the stored one.
        QDateTime stamp = QDateTime::currentDateTimeUtc();
        if (const auto current = findById(order.first); current && current->updatedAt.isValid()
                                                             && stamp.toSecsSinceEpoch()
                                                                    <= current->updatedAt.toSecsSinceEpoch())
            stamp = current->updatedAt.addSecs(1);
        QSqlQuery query = prepare(m_database->db(),
                                  QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=?, "
                                                 "sync_status='pending' WHERE id=? AND deleted_at IS NULL"),
                                  {order.second, isoDateTime(stamp.toUTC()), order.first});
        if (!exec(query))
            return false;
    }
    if (!transaction.commit())
        return false;
    notifyChanged();
    return true;
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId, int sentVersion,
                              const QDateTime &sentUpdatedAt)
{
    return m_table.markSyncedIfUnchanged(id, serverId, sentVersion, sentUpdatedAt);
}

int AccountRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    if (changed > 0)
        notifyChanged();
    return changed;
}

bool AccountRepository::applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt)
{
    if (!m_table.applyServerDeletion(id, deletedAt))
        return false;
    notifyChanged();
    return true;
}
