#include "data/transactionrepository.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/sqlstatement.h"
#include "data/money.h"
#include "data/sqlvalues.h"
#include "data/transactionreader.h"

#include <QDebug>
#include <QSet>
#include <QSqlQuery>

using namespace SqlValues;

namespace TransactionColumns {
extern const QString kColumns;
}

const QString TransactionColumns::kColumns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at");

using TransactionColumns::kColumns;

TransactionRepository::TransactionRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_table(database, "transactions", "TransactionRepository")
{
}

void TransactionRepository::notifyChanged(const QString &accountId)
{
    m_database->announceChange(this, accountId, [this, accountId] { Q_EMIT transactionsChanged(accountId); });
}

Transaction TransactionRepository::readTransaction(const QSqlQuery &query)
{
    return TransactionReader::read(TransactionReader::QueryRow{query});
}

QList<Transaction> TransactionRepository::list(const QString &sql, const QVariantList &values) const
{
    QList<Transaction> result;
    QSqlQuery query = prepare(m_database->db(), sql.arg(kColumns), values);
    if (!exec(query))
        return result;
    while (query.next())
        result.append(readTransaction(query));
    return result;
}

QList<Transaction> TransactionRepository::listByAccount(const QString &accountId) const
{
    return list(QStringLiteral("SELECT %1 FROM transactions t WHERE t.account_id = ? AND t.deleted_at IS NULL "
                               "ORDER BY t.date DESC, t.created_at DESC"),
                {accountId});
}

std::optional<Transaction> TransactionRepository::findById(const QString &id) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT %1 FROM transactions t WHERE t.id = ?").arg(kColumns), {id});
    if (!exec(query) || !query.next())
        return std::nullopt;
    return readTransaction(query);
}

QList<Transaction> TransactionRepository::listPendingSync() const
{
    return list(QStringLiteral("SELECT %1 FROM transactions t WHERE t.sync_status = 'pending'"), {});
}

bool TransactionRepository::insert(const Transaction &t)
{
    // Imports, restores and catch-up posting insert rows by the thousand: keep
    // this statement prepared.
    SqlStatement statement(
        m_database,
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    statement.bindText(1, t.id);
    statement.bindText(2, t.accountId);
    statement.bindText(3, isoDate(t.date));
    statement.bindText(4, t.payee);
    statement.bindText(5, t.memo);
    statement.bindInt64(6, t.amount);
    statement.bindTextOrNull(7, t.categoryId);
    statement.bindText(8, t.checkNumber);
    statement.bindInt64(9, t.cleared);
    statement.bindInt64(10, t.reconciled);
    statement.bindText(11, t.transferLinkId);
    statement.bindText(12, t.transferDestAccountId);
    statement.bindInt64(13, t.isSplit);
    statement.bindText(14, t.recurringId);
    statement.bindInt64(15, t.version);
    statement.bindText(16, syncStatusToString(t.syncStatus));
    statement.bindText(17, t.serverId);
    statement.bindText(18, isoDateTime(t.createdAt));
    statement.bindText(19, isoDateTime(t.updatedAt));
    if (!statement.exec()) {
        qWarning().noquote() << "TransactionRepository::insert failed:" << statement.errorText();
        return false;
    }
    notifyChanged(t.accountId);
    return true;
}

bool TransactionRepository::update(const Transaction &t)
{
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, check_number=?, "
                       "cleared=?, reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, "
                       "recurring_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {sqlDate(t.date), sqlText(t.payee), sqlText(t.memo), sqlInt64(t.amount), sqlTextOrNull(t.categoryId),
         sqlText(t.checkNumber), sqlBool(t.cleared), sqlBool(t.reconciled), sqlText(t.transferLinkId),
         sqlText(t.transferDestAccountId), sqlBool(t.isSplit), sqlText(t.recurringId), t.version,
         syncStatusToString(t.syncStatus), sqlText(t.serverId), sqlDateTime(t.updatedAt), t.id});
    if (!exec(query, "TransactionRepository::update"))
        return false;
    // No row with that id: nothing was stored, which is no success.
    if (query.numRowsAffected() < 1) {
        qWarning().noquote() << "TransactionRepository::update failed: no transaction" << t.id;
        return false;
    }
    notifyChanged(t.accountId);
    return true;
}

bool TransactionRepository::softDelete(const QString &id)
{
    const auto existing = findById(id);
    if (!existing || !m_table.softDelete(id))
        return false;
    notifyChanged(existing->accountId);
    return true;
}

int TransactionRepository::softDeleteByAccount(const QString &accountId)
{
    const int changed = m_table.softDeleteByAccount(accountId);
    if (changed > 0)
        notifyChanged(accountId);
    return changed;
}

int TransactionRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    const int changed = m_table.restoreByAccount(accountId, deletedSince);
    if (changed > 0)
        notifyChanged(accountId);
    return changed;
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId, int sentVersion,
                              const QDateTime &sentUpdatedAt)
{
    return m_table.markSyncedIfUnchanged(id, serverId, sentVersion, sentUpdatedAt);
}

int TransactionRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    if (changed > 0)
        notifyChanged(QString());
    return changed;
}

bool TransactionRepository::applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt,
                                                const QString &accountId)
{
    if (!m_table.applyServerDeletion(id, deletedAt))
        return false;
    notifyChanged(accountId);
    return true;
}

std::optional<QList<RegisterRow>> TransactionRepository::registerRowsByIds(const QStringList &ids) const
{
    QList<RegisterRow> rows;
    if (ids.isEmpty())
        return rows;
    QStringList marks;
    QVariantList values;
    for (const QString &id : ids) {
        marks.append(QStringLiteral("?"));
        values.append(id);
    }
    QSqlQuery query = prepare(m_database->db(),
        QStringLiteral("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                       "WHERE t.id IN (%3) AND t.deleted_at IS NULL")
            .arg(kColumns, CategoryRepository::labelSql(), marks.join(QLatin1Char(','))),
        values);
    if (!exec(query))
        return std::nullopt;
    while (query.next())
        rows.append(TransactionReader::readRegisterRow(TransactionReader::QueryRow{query}));
    return rows;
}

QStringList TransactionRepository::idsAtMoment(const QString &accountId, const QDate &date,
    const QDateTime &createdAt) const
{
    QStringList ids;
    QSqlQuery query = prepare(m_database->db(),
        QStringLiteral("SELECT t.id FROM transactions t WHERE t.account_id = ? AND t.date = ? AND t.created_at = ? "
                       "AND t.deleted_at IS NULL ORDER BY t.rowid"),
        {accountId, isoDate(date), isoDateTime(createdAt)});
    if (!exec(query))
        return ids;
    while (query.next())
        ids.append(query.value(0).toString());
    return ids;
}

