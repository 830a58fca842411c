#pragma once

#include "data/account.h"
#include "data/splitline.h"
#include "data/transaction.h"
#include "services/importcategories.h"
#include "services/importservice.h"
#include "services/qifparser.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <memory>

class BulkWriteTransaction;
class UserWrite;

// What one import knows of an account it writes to or links into: the
// duplicate keys of its rows, and its rows that wait for a transfer partner,
// indexed by (hint name, date, amount).
struct AccountImportCache
{
    Currency currency = Currency::USD;
    QHash<QString, int> keys; // how many live rows hold each duplicate key
    QHash<QString, QStringList> candidates;
    QHash<QString, Transaction> candidateRows;
};

struct QifImportItem
{
    enum class State { Pending, Unmapped, Unreadable, Duplicate, Stored };

    QifTransaction record;
    QString targetAccountId;
    int pairIndex = -1;
    QString newId;

    State state = State::Pending;
    QString payee;
    qint64 amount = 0; // in the target account's unit
};

// One call of ImportService::importQif: reads the files, pairs transfers,
// decides duplicates and unmapped records, then writes everything as one
// bulk write that the first failed write ends.
class QifImportRun
{
public:
    QifImportRun(ImportService *service, const QHash<QString, QString> &accountMapping);
    ~QifImportRun();

    ImportResult execute(const QStringList &paths);

    // Links the two legs of each transfer found in the batch; returns the
    // number of pairs.
    static int pairBatchTransfers(QList<QifImportItem> &items);
    static QString retroactiveKey(const QString &accountName, const QDate &date, qint64 amount);

private:
    void readFiles(const QStringList &paths);
    bool expectLiveTargets(UserWrite &write) const;
    AccountImportCache &loadAccountCache(const QString &accountId);
    // Each returns false when a write failed, which ends the import.
    bool createListCategories();
    void decideSkippedItems();
    void dissolvePairsWithSkippedLeg();
    bool importItem(int index);
    // The category of that name (and type, with sameType), created when
    // missing; empty when it could not be stored.
    QString categoryId(const QString &name, CategoryType typeWhenNew = CategoryType::Expense, bool sameType = false);
    Transaction buildTransaction(const QifImportItem &item);
    // Link to a row an earlier import stored without its partner, or mark
    // this row with the hint; fills partner when a link was made.
    void linkOrMarkTransfer(const QifImportItem &item, Transaction &transaction, std::optional<Transaction> &partner);
    QList<SplitLine> buildSplitLines(const QifImportItem &item, const Transaction &transaction);
    bool insertSplitLines(const QList<SplitLine> &lines);
    QString payeeOf(const QifTransaction &record) const;
    ImportResult abort(const BulkWriteTransaction &bulk, const char *reason);

    ImportService *m_service;
    QHash<QString, QString> m_mapping;
    ImportResult m_result;
    QList<QifImportItem> m_items;
    QList<QifCategoryEntry> m_listCategories;
    QHash<QString, AccountImportCache> m_caches;
    std::unique_ptr<ImportCategories> m_categories;
    BulkWriteTransaction *m_bulk = nullptr; // while the writes run
};
