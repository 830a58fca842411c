#pragma once

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include <optional>

class AccountRepository;
class BulkWriteTransaction;
class CategoryRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

// Merges the server records of pulled pages into the local database by the
// version rule. A record that cannot be written yet (a parent row has not
// arrived) is kept and retried after later pages and later syncs, so it is
// not lost while the cursor moves on. The kept records travel as one text
// (keptState) that the caller stores with the cursor. A write that fails
// fails the page: it is rolled back whole and the cursor stays.
class SyncApplier
{
public:
    enum class Kind { Account = 0, Category, Recurring, Transaction, Reconciliation };

    SyncApplier(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                CategoryRepository *categories, RecurringRepository *recurring,
                ReconciliationRepository *reconciliations, SplitLineRepository *splitLines);

    // A pushed change the server refused in this sync, as it was sent.
    struct RefusedChange
    {
        Kind kind = Kind::Account;
        QString id;
        int version = 0;
        QDateTime updatedAt;
    };

    // Forgets the lookups of the previous sync (rows may have changed since)
    // and learns which of this sync's pushed changes the server refused.
    void beginSync(const QList<RefusedChange> &refused = {});
    // Applies one page in kind order, then retries the kept records, as part
    // of the caller's bulk write, which the first failed write ends. False
    // when a write failed; the caller then rolls the page back
    // (rollBackPage) with everything it wrote beside it.
    bool applyPage(const QJsonObject &page, BulkWriteTransaction &bulk);
    // The same as a bulk write of its own, committed when the page applied.
    bool applyPage(const QJsonObject &page);
    // The page was rolled back: the records it took out of keeping are
    // kept again, and cached lookups may name rows that are gone.
    void rollBackPage();

    void checkIntegrity(const QJsonObject &integrity) const;
    QString localIdForServerId(const QString &table, const QString &serverId);

    int keptCount() const { return int(m_kept.size()); }
    void logKept() const;
    // The kept records and stand-in parents as text, empty when there are
    // none; restoreKept takes such a text back (anything else: none kept).
    QString keptState() const;
    void restoreKept(const QString &state);

    // The local accounts that the last page matched or stored: the service
    // holds them, whatever a local edit does to them later.
    const QSet<QString> &accountsOnPage() const { return m_accountsOnPage; }

    static std::optional<Kind> kindOfEntityType(const QString &entityType);
    // Refused changes whose row has not taken a server copy in this sync.
    QList<RefusedChange> unresolvedRefusals() const { return m_refused.values(); }

private:
    enum class Outcome { Applied, Unchanged, Skipped, Kept, Failed };

    void applyAccount(const QJsonArray &records);
    void applyCategory(const QJsonArray &records);
    void applyRecurring(const QJsonArray &records);
    void applyTransactionChange(const QJsonArray &records);
    void applyReconciliation(const QJsonArray &records);
    // Retries kept records until a pass applies nothing more; returns how
    // many were applied.
    int retryKept();

    struct KeptRecord
    {
        Kind kind = Kind::Account;
        quint64 sequence = 0;
        QJsonObject record;
        QString reason;
    };

    void applyArray(Kind kind, const QJsonArray &records);
    Outcome applyOne(Kind kind, const QJsonObject &record);
    template <typename Record, typename Repository>
    Outcome applyRecord(Kind kind, Repository *repository, const QJsonObject &json);
    template <typename Record>
    bool writeRecord(const Record &record, const std::optional<Record> &local, bool serverDeleted,
                     const std::optional<QDateTime> &serverDeletedAt, const QJsonObject &json);

    void discardLookups();
    void findAbsentIds(Kind kind, const QJsonArray &records);
    bool parentAvailable(const QString &table, const QString &id, int depth);
    bool rowExists(const QString &table, const QString &id);
    void rememberRow(const QString &table, const QString &id, const QString &serverId);
    void keep(Kind kind, const QJsonObject &record, const QString &reason);
    template <typename Record>
    bool refusedAsItIs(Kind kind, const Record &local) const;

    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
    SplitLineRepository *m_splitLines;

    // Per sync: server id to local id, loaded once per table when first
    // needed (server_id has no index), and ids known to exist.
    QHash<QString, QHash<QString, QString>> m_serverIds;
    QHash<QString, QSet<QString>> m_knownRows;

    // Client ids of the array being applied that have no row here yet.
    QSet<QString> m_absentIds;
    QHash<QString, KeptRecord> m_kept;
    // Deleted accounts and categories never stored here, by client id,
    // in case a record that still refers to one arrives.
    QHash<QString, QHash<QString, QJsonObject>> m_parentTombstones;
    // Both as they were before the page, for when it is rolled back.
    QHash<QString, KeptRecord> m_keptBeforePage;
    QHash<QString, QHash<QString, QJsonObject>> m_parentTombstonesBeforePage;
    QHash<QString, RefusedChange> m_refused;
    QSet<QString> m_accountsOnPage;
    quint64 m_sequence = 0;
    BulkWriteTransaction *m_bulk = nullptr; // while a page is applied
    bool m_unitFailed = false;
};
