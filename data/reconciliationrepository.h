#pragma once

#include "data/reconciliation.h"

#include "data/syncedtable.h"

#include <QObject>

#include <optional>

class Database;
class QSqlQuery;

class ReconciliationRepository : public QObject
{
    Q_OBJECT

public:
    explicit ReconciliationRepository(Database *database, QObject *parent = nullptr);

    QList<Reconciliation> listByAccount(const QString &accountId) const;
    std::optional<Reconciliation> findById(const QString &id) const;
    std::optional<Reconciliation> latestForAccount(const QString &accountId) const;
    QList<Reconciliation> listPendingSync() const;

    bool insert(const Reconciliation &reconciliation);
    bool update(const Reconciliation &reconciliation);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    bool markSynced(const QString &id, const QString &serverId);
    bool markSynced(const QString &id, const QString &serverId, int sentVersion, const QDateTime &sentUpdatedAt);
    int markAllPendingForResync();

    static Reconciliation readReconciliation(const QSqlQuery &query);

Q_SIGNALS:
    void reconciliationsChanged();

private:
    QList<Reconciliation> list(const QString &sql, const QVariantList &values) const;
    void notifyChanged();

    Database *m_database;
    SyncedTable m_table;
};
