#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

class Database;

// The sync bookkeeping writes that every synced table shares: soft deletes,
// account-wide deletes and restores, synced and resync marks, and mirrored
// server deletions. Repositories call these and emit their own signals.
class SyncedTable
{
public:
    SyncedTable(Database *database, const char *table, const char *repositoryName);

    // Each returns false (or 0 rows) on failure and logs
    // "<Repository>::<operation> failed:" when `logged` says so.
    bool softDelete(const QString &id, bool logged = true) const;
    int softDeleteByAccount(const QString &accountId) const;
    int restoreByAccount(const QString &accountId, const QString &deletedSince) const;
    bool markSynced(const QString &id, const QString &serverId) const;
    // Marks the row synced only while its version and updated_at still equal
    // the ones that were sent, so an edit made while a push was in flight
    // stays pending.
    bool markSyncedIfUnchanged(const QString &id, const QString &serverId, int sentVersion,
                               const QDateTime &sentUpdatedAt) const;
    int markAllPendingForResync() const;
    bool applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt) const;

private:
    QByteArray operation(const char *name) const;

    Database *m_database;
    QString m_table;
    QByteArray m_repositoryName;
};
