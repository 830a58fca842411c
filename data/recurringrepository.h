#pragma once

#include "data/recurringtransaction.h"

#include "data/syncedtable.h"

#include <QObject>

#include <optional>

class Database;
class QSqlQuery;

class RecurringRepository : public QObject
{
    Q_OBJECT

public:
    explicit RecurringRepository(Database *database, QObject *parent = nullptr);

    QList<RecurringTransaction> listAll() const;
    std::optional<RecurringTransaction> findById(const QString &id) const;
    // Live, active rules of live accounts due on or before the day.
    QList<RecurringTransaction> listDue() const;
    QList<RecurringTransaction> listDue(const QDate &today) const;
    QList<RecurringTransaction> listPendingSync() const;

    bool insert(const RecurringTransaction &rule);
    bool update(const RecurringTransaction &rule);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    bool markSynced(const QString &id, const QString &serverId);
    bool markSynced(const QString &id, const QString &serverId, int sentVersion, const QDateTime &sentUpdatedAt);
    int markAllPendingForResync();
    bool applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt);

    static QString frequencyToString(RecurringFrequency frequency);
    static RecurringFrequency frequencyFromString(const QString &text);
    static RecurringTransaction readRecurring(const QSqlQuery &query);

Q_SIGNALS:
    void recurringChanged();

private:
    QList<RecurringTransaction> list(const QString &sql, const QVariantList &values = {}) const;
    void warnBrokenNextDueDate(const char *operation, const RecurringTransaction &rule) const;
    void notifyChanged();

    Database *m_database;
    SyncedTable m_table;
};
