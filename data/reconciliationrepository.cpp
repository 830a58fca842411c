#include "data/reconciliationrepository.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QSqlQuery>

using namespace SqlValues;

namespace {
const QString kColumns = QStringLiteral(
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at");
}

ReconciliationRepository::ReconciliationRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_table(database, "reconciliations", "ReconciliationRepository")
{
}

void ReconciliationRepository::notifyChanged()
{
    m_database->announceChange(this, QString(), [this] { Q_EMIT reconciliationsChanged(); });
}

Reconciliation ReconciliationRepository::readReconciliation(const QSqlQuery &query)
{
    Reconciliation r;
    r.id = query.value(0).toString();
    r.accountId = query.value(1).toString();
    r.statementDate = parseIsoDate(query.value(2).toString());
    r.statementBalance = query.value(3).toLongLong();
    r.reconciledBalance = query.value(4).toLongLong();
    r.completedAt = parseIsoDateTime(query.value(5).toString());
    r.version = query.value(6).toInt();
    r.syncStatus = syncStatusFromString(query.value(7).toString());
    r.serverId = query.value(8).toString();
    r.createdAt = parseIsoDateTime(query.value(9).toString());
    r.updatedAt = parseIsoDateTime(query.value(10).toString());
    r.deletedAt = parseOptionalDateTime(query.value(11).toString());
    return r;
}

QList<Reconciliation> ReconciliationRepository::list(const QString &sql, const QVariantList &values) const
{
    QList<Reconciliation> result;
    QSqlQuery query = prepare(m_database->db(), sql.arg(kColumns), values);
    if (!exec(query))
        return result;
    while (query.next())
        result.append(readReconciliation(query));
    return result;
}

QList<Reconciliation> ReconciliationRepository::listByAccount(const QString &accountId) const
{
    return list(QStringLiteral("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                               "statement_date DESC"),
                {accountId});
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString &id) const
{
    const auto found = list(QStringLiteral("SELECT %1 FROM reconciliations WHERE id = ?"), {id});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

std::optional<Reconciliation> ReconciliationRepository::latestForAccount(const QString &accountId) const
{
    const auto found = list(QStringLiteral("SELECT %1 FROM reconciliations WHERE account_id = ? AND deleted_at IS "
                                           "NULL ORDER BY statement_date DESC LIMIT 1"),
                            {accountId});
    if (found.isEmpty())
        return std::nullopt;
    return found.first();
}

QList<Reconciliation> ReconciliationRepository::listPendingSync() const
{
    return list(QStringLiteral("SELECT %1 FROM reconciliations WHERE sync_status = 'pending'"), {});
}

bool ReconciliationRepository::insert(const Reconciliation &r)
{
    const QDateTime createdAt = r.createdAt.isValid() ? r.createdAt : QDateTime::currentDateTimeUtc();
    const QDateTime updatedAt = r.updatedAt.isValid() ? r.updatedAt : QDateTime::currentDateTimeUtc();
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                       "reconciled_balance, completed_at, version, sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {sqlText(r.id), sqlText(r.accountId), sqlDate(r.statementDate), sqlInt64(r.statementBalance),
         sqlInt64(r.reconciledBalance), sqlDateTime(r.completedAt), r.version, syncStatusToString(r.syncStatus),
         sqlText(r.serverId), sqlDateTime(createdAt), sqlDateTime(updatedAt)});
    if (!exec(query, "ReconciliationRepository::insert"))
        return false;
    notifyChanged();
    return true;
}

bool ReconciliationRepository::update(const Reconciliation &r)
{
    QSqlQuery query = prepare(
        m_database->db(),
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, "
                       "reconciled_balance=?, completed_at=?, version=?, sync_status=?, server_id=?, updated_at=? "
                       "WHERE id=?"),
        {sqlText(r.accountId), sqlDate(r.statementDate), sqlInt64(r.statementBalance), sqlInt64(r.reconciledBalance),
         sqlDateTime(r.completedAt), r.version, syncStatusToString(r.syncStatus), sqlText(r.serverId),
         sqlDateTime(r.updatedAt), r.id});
    if (!exec(query, "ReconciliationRepository::update"))
        return false;
    notifyChanged();
    return true;
}

int ReconciliationRepository::softDeleteByAccount(const QString &accountId)
{
    const int changed = m_table.softDeleteByAccount(accountId);
    if (changed > 0)
        notifyChanged();
    return changed;
}

int ReconciliationRepository::restoreByAccount(const QString &accountId, const QString &deletedSince)
{
    const int changed = m_table.restoreByAccount(accountId, deletedSince);
    if (changed > 0)
        notifyChanged();
    return changed;
}

bool ReconciliationRepository::markSynced(const QString &id, const QString &serverId)
{
    return m_table.markSynced(id, serverId);
}

bool ReconciliationRepository::markSynced(const QString &id, const QString &serverId, int sentVersion,
                              const QDateTime &sentUpdatedAt)
{
    return m_table.markSyncedIfUnchanged(id, serverId, sentVersion, sentUpdatedAt);
}

int ReconciliationRepository::markAllPendingForResync()
{
    const int changed = m_table.markAllPendingForResync();
    if (changed > 0)
        notifyChanged();
    return changed;
}
