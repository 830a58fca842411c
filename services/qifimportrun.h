#pragma once

#include "data/account.h"
#include "data/splitline.h"
#include "data/transaction.h"
#include "services/importcategories.h"
#include "services/importservice.h"
#include "services/qifparser.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

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

// One call of ImportService::importQif: takes the files as the analysis read
// them, pairs transfers, decides duplicates and unmapped records, then
// writes everything as one bulk write that the first failed write ends.
// The records stay packed in the analysis' stores: each pass unpacks one at
// a time, and the run keeps a byte per record besides what transfer legs
// need to find their partners.
class QifImportRun
{
public:
    QifImportRun(ImportService *service, const QHash<QString, QString> &accountMapping);
    ~QifImportRun();

    ImportResult execute(const QifAnalysis &analysis);

    static QString retroactiveKey(const QString &accountName, const QDate &date, qint64 amount);

private:
    enum class State : quint8 { Pending, Unmapped, Unreadable, Duplicate, Stored };

    // One record of the batch as a pass sees it.
    struct Item
    {
        int index = 0;
        const QifTransaction &record;
        const QString &targetAccountId;
    };

    // A record that names the other account of a transfer, and so may be one
    // leg of a pair in the batch.
    struct Leg
    {
        int item = 0;
        qint64 day = 0;
        qint64 amount = 0; // cents, as in the file
        int from = 0;      // the account names, letter case aside
        int to = 0;
        QString targetAccountId;
        int partner = -1; // the other leg
        QString newId;    // fixed once paired, so that each leg can name the other
    };

    struct File
    {
        std::shared_ptr<const QifRecordStore> store;
        QStringList targets; // by source of the store
    };

    void readFiles(const QifAnalysis &analysis);
    // Calls visit for every record of the batch in order, until it returns false.
    template <typename Visit> void forEachItem(Visit visit) const;
    void findLegs();
    void pairLegs();
    int foldedName(const QString &name);
    bool expectLiveTargets(UserWrite &write) const;
    AccountImportCache &loadAccountCache(const QString &accountId);
    // Each returns false when a write failed, which ends the import.
    bool createListCategories();
    void decideSkippedItems();
    void dissolvePairsWithSkippedLeg();
    bool importItem(const Item &item);
    // The category of that name (and type, with sameType), created when
    // missing; empty when it could not be stored.
    QString categoryId(const QString &name, CategoryType typeWhenNew = CategoryType::Expense, bool sameType = false);
    Transaction buildTransaction(const Item &item, const QString &id, const QString &payee, qint64 amount);
    // Link to a row an earlier import stored without its partner, or mark
    // this row with the hint; fills partner when a link was made.
    void linkOrMarkTransfer(const Item &item, Transaction &transaction, std::optional<Transaction> &partner);
    QList<SplitLine> buildSplitLines(const Item &item, const Transaction &transaction);
    bool insertSplitLines(const QList<SplitLine> &lines);
    QString payeeOf(const QifTransaction &record) const;
    ImportResult abort(const BulkWriteTransaction &bulk, const char *reason);

    ImportService *m_service;
    QHash<QString, QString> m_mapping;
    ImportResult m_result;
    QList<File> m_files;
    int m_total = 0;
    std::vector<State> m_states; // by record of the batch
    std::vector<Leg> m_legs;     // in batch order
    qsizetype m_nextLeg = 0;     // the write pass' place among them
    QHash<QString, int> m_foldedNames;
    QList<QifCategoryEntry> m_listCategories;
    QHash<QString, AccountImportCache> m_caches;
    std::unique_ptr<ImportCategories> m_categories;
    BulkWriteTransaction *m_bulk = nullptr; // while the writes run
};
