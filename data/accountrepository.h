#pragma once

#include "data/account.h"

#include "data/syncedtable.h"

#include <QObject>
#include <QPair>

#include <optional>

class Database;
class QSqlQuery;

class AccountRepository : public QObject
{
    Q_OBJECT

public:
    explicit AccountRepository(Database *database, QObject *parent = nullptr);

    QList<Account> listAll() const;
    QList<Account> listDeleted() const;
    QList<Account> listPendingSync() const;
    std::optional<Account> findById(const QString &id) const;
    // Whether the account holds amounts in its currency's minor unit: any
    // transaction or recurring rule (what the rule posts), deleted ones too
    // (a restore brings them back); nullopt when that cannot be read.
    std::optional<bool> holdsAmounts(const QString &id) const;

    bool insert(const Account &account);
    bool update(const Account &account);
    bool softDelete(const QString &id);
    bool restore(const QString &id);
    // Sets the sort order of each live account listed; deleted ones are
    // left as they are.
    bool updateSortOrder(const QList<QPair<QString, int>> &orders);
    // Marks the row synced only while its version and updated_at still equal
    // the sent ones, so an edit made while the push was in flight stays pending.
    bool markSynced(const QString &id, const QString &serverId);
    bool markSynced(const QString &id, const QString &serverId, int sentVersion, const QDateTime &sentUpdatedAt);
    int markAllPendingForResync();
    bool applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt);

    static Account readAccount(const QSqlQuery &query);

Q_SIGNALS:
    void accountsChanged();

private:
    QList<Account> list(const QString &sql) const;
    void notifyChanged();

    Database *m_database;
    SyncedTable m_table;
};
