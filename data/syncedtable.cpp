#include "data/syncedtable.h"

#include "data/database.h"
#include "data/sqlvalues.h"

#include <QSqlQuery>

using namespace SqlValues;

SyncedTable::SyncedTable(Database *database, const char *table, const char *repositoryName)
    : m_database(database)
    , m_table(QString::fromLatin1(table))
    , m_repositoryName(repositoryName)
{
}

QByteArray SyncedTable::operation(const char *name) const
{
    return m_repositoryName + "::" + name;
}

bool SyncedTable::softDelete(const QString &id, bool logged) const
{
    const QString now = nowUtcIso();
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("UPDATE %1 SET deleted_at=?, sync_status='pending', updated_at=?, "
                                             "version = version + 1 WHERE id=?")
                                  .arg(m_table),
                              {now, now, id});
    return exec(query, logged ? operation("softDelete").constData() : nullptr);
}

int SyncedTable::softDeleteByAccount(const QString &accountId) const
{
    const QString now = nowUtcIso();
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status = 'pending', "
                                             "version = version + 1 WHERE account_id = ? AND deleted_at IS NULL")
                                  .arg(m_table),
                              {now, now, accountId});
    if (!exec(query, operation("softDeleteByAccount").constData()))
        return 0;
    return query.numRowsAffected();
}

int SyncedTable::restoreByAccount(const QString &accountId, const QString &deletedSince) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("UPDATE %1 SET deleted_at = NULL, updated_at = ?, sync_status = "
                                             "'pending', version = version + 1 WHERE account_id = ? AND deleted_at "
                                             ">= ?")
                                  .arg(m_table),
                              {nowUtcIso(), accountId, deletedSince});
    if (!exec(query, operation("restoreByAccount").constData()))
        return 0;
    return query.numRowsAffected();
}

bool SyncedTable::markSynced(const QString &id, const QString &serverId) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=? WHERE id=?").arg(m_table),
                              {serverId, id});
    return exec(query);
}

bool SyncedTable::markSyncedIfUnchanged(const QString &id, const QString &serverId, int sentVersion,
                                        const QDateTime &sentUpdatedAt) const
{
    // Compared as times, not texts: rows written from other sources may
    // spell the same instant differently.
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT version, updated_at FROM %1 WHERE id = ?").arg(m_table), {id});
    if (!exec(query) || !query.next())
        return false;
    if (query.value(0).toInt() != sentVersion || parseIsoDateTime(query.value(1).toString()) != sentUpdatedAt)
        return false;
    return markSynced(id, serverId);
}

int SyncedTable::markAllPendingForResync() const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE deleted_at IS NULL AND "
                                             "sync_status != 'pending'")
                                  .arg(m_table));
    if (!exec(query, operation("markAllPendingForResync").constData()))
        return 0;
    return query.numRowsAffected();
}

bool SyncedTable::applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt) const
{
    QSqlQuery query = prepare(m_database->db(), QStringLiteral("UPDATE %1 SET deleted_at=? WHERE id=?").arg(m_table),
                              {sqlOptionalDateTime(deletedAt), id});
    return exec(query, operation("applyServerDeletion").constData());
}
