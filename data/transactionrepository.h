#pragma once

#include "data/transaction.h"

#include "data/database.h"
#include "data/syncedtable.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <optional>

class Database;
class QSqlQuery;

class TransactionRepository : public QObject
{
    Q_OBJECT

public:
    explicit TransactionRepository(Database *database, QObject *parent = nullptr);

    QList<Transaction> listByAccount(const QString &accountId) const;
    QList<Transaction> listUnreconciled(const QString &accountId) const;
    std::optional<Transaction> findById(const QString &id) const;
    QList<Transaction> listPendingSync() const;

    bool insert(const Transaction &transaction);
    bool update(const Transaction &transaction);
    bool softDelete(const QString &id);
    int softDeleteByAccount(const QString &accountId);
    int restoreByAccount(const QString &accountId, const QString &deletedSince);
    bool markSynced(const QString &id, const QString &serverId);
    // Marks the row synced only while its version and updated_at still equal
    // the sent ones, so an edit made while the push was in flight stays pending.
    bool markSynced(const QString &id, const QString &serverId, int sentVersion, const QDateTime &sentUpdatedAt);
    int markAllPendingForResync();
    bool applyServerDeletion(const QString &id, const std::optional<QDateTime> &deletedAt, const QString &accountId);

    // Register rows, balances, search and payees.
    // Each repeated text (account and category ids, category labels,
    // payees, transfer accounts, rules) is held once for all rows that
    // carry it: the register keeps a whole account.
    QList<RegisterRow> listRegister(const QString &accountId) const;
    // The newest rows of an account, enough for a first screen, with the
    // running balances and sums the whole account gives them: whole days
    // only (at least `rows` rows), in listRegister()'s order.
    // `earlierRows` counts the rows before them, the opening balance held
    // on the account included. nullopt when the account is that small, or
    // when a running sum might not fit: then only the whole account tells.
    struct RegisterNewest
    {
        QList<RegisterRow> rows;
        int earlierRows = 0;
        qint64 clearedSum = 0;
        qint64 unclearedSum = 0;
        qint64 largestAmount = 0; // of every row's amount and the opening balance, in size
    };
    std::optional<RegisterNewest> listRegisterNewest(const QString &accountId, int rows) const;
    // listRegister()'s rows dated before `before` (the opening balance held
    // on the account first, whatever its date), with the same balances;
    // nullopt when they cannot be read, or the read was interrupted.
    std::optional<QList<RegisterRow>> listRegisterBefore(const QString &accountId, const QDate &before) const;
    // The register rows of these transactions as stored now, of any
    // account, with their category labels and no running balances; deleted
    // and unknown ones are left out; nullopt when they cannot be read.
    std::optional<QList<RegisterRow>> registerRowsByIds(const QStringList &ids) const;
    // The ids of the account's live rows of this date and creation time, in
    // the order the register lists rows that tie on both (the order they
    // were stored in).
    QStringList idsAtMoment(const QString &accountId, const QDate &date, const QDateTime &createdAt) const;
    // Empty when the sum does not fit in an amount or cannot be read.
    std::optional<qint64> balance(const QString &accountId, int mode) const;
    QList<RegisterRow> search(const QString &text, const TransactionSearchFilter &filter) const;
    static QString buildFtsQuery(const QString &text);
    // The live payees of every account, each once, in order (exact text).
    QStringList distinctPayees() const;
    // The same list, where each text that equals one of `earlier` (an
    // earlier list, in the same order) shares its storage: refilling a
    // list of many payees that changed little allocates little.
    QStringList distinctPayees(const QStringList &earlier) const;
    QStringList payees(const QString &accountId) const;
    std::optional<Transaction> findLastByPayee(const QString &payee, const QString &accountId) const;
    // Gives every live transaction of a live account that carries one of the
    // old payee texts the new one, as one local change. Opening balances and
    // transfer legs keep theirs and are counted; a new text that names the
    // opening balance is refused. Nothing is written unless all of it is.
    struct PayeeRename
    {
        enum Outcome { Renamed, OpeningBalanceName, Failed };
        Outcome outcome = Renamed;
        int renamed = 0;
        int keptOpeningBalances = 0;
        int keptTransfers = 0;
    };
    PayeeRename renamePayees(const QStringList &oldPayees, const QString &newPayee);

    // Opening balances.
    static bool isOpeningBalancePayee(const QString &payee);
    bool isOpeningBalance(const Transaction &transaction) const;
    std::optional<Transaction> findOpeningBalance(const QString &accountId) const;
    static QString openingBalanceId(const QString &accountId);
    OpeningBalanceProbe openingBalanceProbe(const QString &accountId) const;

    static Transaction readTransaction(const QSqlQuery &query);

    // Reconciliation: the sum and latest date of the account's live
    // reconciled rows (nullopt when the sum does not fit in 64 bits or the
    // query fails); the stored rows with the given ids, deleted ones
    // included; and the ticked rows marked cleared and reconciled, each as
    // a local change, with one change signal.
    struct ReconciledSum
    {
        qint64 sum = 0;
        QDate latestDate;
    };
    std::optional<ReconciledSum> reconciledSum(const QString &accountId) const;
    QList<Transaction> findByIds(const QStringList &ids) const;
    bool markReconciled(const QString &accountId, const QStringList &ids);

    enum BalanceMode { CurrentBalance = 0, ClearedBalance = 1, BalanceAsOfToday = 2 };

Q_SIGNALS:
    void transactionsChanged(const QString &accountId);

private:
    QList<Transaction> list(const QString &sql, const QVariantList &values) const;
    qint64 startingBalance(const QString &accountId) const;
    // Every row of the account, or those before a valid date.
    std::optional<QList<RegisterRow>> readRegister(const QString &accountId, const QDate &before) const;
    // The account's live rows summed up: balances and the register's
    // opening read need them, and a scan of decades of rows costs more than
    // everything else an account switch does. Kept while the table is
    // unchanged; nullopt when a sum does not fit or cannot be read.
    struct AccountTotals
    {
        qint64 count = 0;
        qint64 sum = 0;
        qint64 clearedSum = 0;
        qint64 largest = 0; // the largest amount, unsigned
    };
    std::optional<AccountTotals> accountTotals(const QString &accountId) const;
    // The sum of the account's cleared or reconciled rows, kept the same way.
    std::optional<qint64> settledSum(const QString &accountId) const;
    // False when nothing may be kept (inside an open transaction); forgets
    // what was kept when the table has changed since.
    bool totalsKeepable() const;
    // The id of the account's opening-balance row, empty when it has none.
    QString openingBalanceRowId(const QString &accountId) const;
    void notifyChanged(const QString &accountId);

    Database *m_database;
    SyncedTable m_table;
    mutable std::optional<Database::TableMark> m_totalsMark;
    mutable QHash<QString, AccountTotals> m_totals;
    mutable QHash<QString, qint64> m_settledSums;
    // How many payees the last payee list held (-1 before the first): it
    // chooses how the next one is read.
    mutable qint64 m_payeeCount = -1;
};
