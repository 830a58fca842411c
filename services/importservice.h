#pragma once

#include "data/account.h"
#include "services/csvcellreader.h"
#include "services/importtext.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class BulkWriteTransaction;
class CategoryRepository;
class Database;
class SplitLineRepository;
class TransactionRepository;

// Column choices of a CSV import; -1 means "no such column".
struct CsvImportMapping
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    bool hasHeader = false;
    QString dateFormat; // a Qt date format; empty means automatic
};

struct ImportResult
{
    int imported = 0;
    int duplicates = 0;
    int skipped = 0;
    int metadataSkipped = 0;
    int unmappedSkipped = 0;
    int transfersLinked = 0;
    int retroactiveLinked = 0;
    int failed = 0;
    bool aborted = false; // rolled back: nothing of this import was kept
    // Aborted because an account it would write into is deleted (or gone).
    bool accountNotLive = false;
    // Why the store refused the import, for the user ("the disk is full");
    // empty unless a write failed.
    QString failureReason{};
    // The first CSV rows counted in skipped, in file order.
    QList<SkippedRow> skippedRows{};
    static constexpr int listedSkippedRows = 5;
    // Set: a file was refused before anything was written, and why.
    ImportFileRefusal refusal{};
};

struct QifSourceAccount
{
    QString sourceName;
    QString displayName;
    bool noAccountHeader = false;
    AccountType suggestedType = AccountType::Checking;
};

class QifRecordStore;

struct QifAnalysis
{
    QList<QifSourceAccount> accounts;
    int totalRecords = 0;
    // Every account name the records' transfers point at (first spelling of
    // each, letter case aside), so that a caller can map the ones that
    // already exist and a transfer imported now links to one imported before.
    QStringList transferAccounts;

    // The files as they were read, in the order given (a file given twice is
    // read once): the import works from these and does not read them again.
    struct File
    {
        QString path;
        std::shared_ptr<const QifRecordStore> store;
    };
    QList<File> files{};
    // Set: a file was refused, and nothing is listed.
    ImportFileRefusal refusal{};
};

// Brings CSV and QIF files into the register. Each import is one SQL
// transaction and one bulk write: the repositories' change signals come once
// per touched account after it ends. An import whose accounts are not all
// live writes nothing.
class ImportService : public QObject
{
    Q_OBJECT

public:
    ImportService(TransactionRepository *transactions, CategoryRepository *categories, SplitLineRepository *splitLines,
                  Database *database, QObject *parent = nullptr);

    ImportResult importCsv(const QString &filePath, const QString &accountId, const CsvImportMapping &mapping);

    QifAnalysis analyzeQifFiles(const QStringList &paths);
    // accountMapping: source name (any case) to target account id; an empty
    // id or a missing name leaves that source's records out.
    ImportResult importQif(const QifAnalysis &analysis, const QHash<QString, QString> &accountMapping);
    // Analyses the files, then imports them.
    ImportResult importQif(const QStringList &paths, const QHash<QString, QString> &accountMapping);

    static QString duplicateKey(const QDate &date, qint64 amount, const QString &payee);
    static QDate parseDateFlexible(const QString &text);
    // The first automatic format that reads every cell that is a date in
    // some format, so that a file is read one way throughout and a "Total"
    // row changes nothing; empty when none reads them all.
    static QString detectDateFormat(const QStringList &cells);
    // Reads with a Qt date format; a two-digit year lands in 1970-2069.
    static QDate parseDateWithFormat(const QString &text, const QString &format);
    static void prependTransferHint(QString &memo, const QString &name);

Q_SIGNALS:
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

private:
    friend class QifImportRun;

    // Every 100 records: tell the screen and let it paint, user input excluded.
    void reportProgress(int current, int total);
    Currency accountCurrency(const QString &accountId) const;
    // The import was rolled back: says why, counts nothing as imported, and
    // tells the screen that the run is over.
    ImportResult abortImport(ImportResult result, const BulkWriteTransaction &bulk, int total);

    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
    Database *m_database;
};
