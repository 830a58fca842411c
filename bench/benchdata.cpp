// Data store figures against the same work done through the sqlite3 C API:
// register rows of a 100k-transaction account, full-text search over 1M
// transactions, and 100k inserts in one transaction.

#include "benchtransactions.h"
#include "benchutil.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/sqlvalues.h"
#include "data/transactionrepository.h"
#include "support/datagenerator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

using namespace Bench;

namespace {

// A migrated database file with the given accounts and categories.
std::unique_ptr<Database> createDatabase(const QString &path, const QList<Account> &accounts,
                                         const QList<Category> &categories)
{
    auto database = std::make_unique<Database>();
    database->open(path);
    database->migrate();
    AccountRepository accountRepository(database.get());
    CategoryRepository categoryRepository(database.get());
    for (const Account &a : accounts)
        accountRepository.insert(a);
    for (const Category &c : categories)
        categoryRepository.insert(c);
    return database;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    DataGenerator generator;
    const QList<Account> accounts = generator.accounts(10);
    const QList<Category> categories = generator.categories();
    const QList<Transaction> register100k = generator.transactions(accounts[0].id, 100000, categories);

    // 3. 100k inserts in one SQL transaction.
    double repositoryInsertMs = 0;
    {
        auto database = createDatabase(dir.filePath(QStringLiteral("insert.db")), accounts, categories);
        TransactionRepository repository(database.get());
        repositoryInsertMs = medianMs(1, [&] {
            BulkWriteScope bulk(database.get());
            SqlTransaction transaction(database.get());
            for (const Transaction &t : register100k)
                repository.insert(t);
            transaction.commit();
        });
    }
    double rawInsertMs = 0;
    {
        createDatabase(dir.filePath(QStringLiteral("raw.db")), accounts, categories);
        RawDb raw(dir.filePath(QStringLiteral("raw.db")));
        sqlite3_stmt *statement = raw.prepare(QString::fromLatin1(kInsertTransactionSql));
        rawInsertMs = medianMs(1, [&] {
            raw.exec("BEGIN");
            for (const Transaction &t : register100k)
                insertRawTransaction(raw, statement, t);
            raw.exec("COMMIT");
        });
        sqlite3_finalize(statement);
    }

    // 1. Register rows of the 100k account. The two readings take turns, the
    // order swapped each round, so both meet the same machine and heap.
    double registerMs = 0;
    double rawRegisterMs = 0;
    {
        Database database;
        database.open(dir.filePath(QStringLiteral("insert.db")));
        TransactionRepository repository(&database);
        const QString accountId = accounts[0].id;
        RawDb raw(dir.filePath(QStringLiteral("insert.db")));
        sqlite3_stmt *statement = raw.prepare(QString::fromLatin1(kRegisterSql));
        RawDb::bindText(statement, 1, accountId);
        const auto readRegister = [&] {
            return medianMs(1, [&] {
                if (repository.listRegister(accountId).size() != 100000)
                    std::fprintf(stderr, "unexpected register size\n");
            });
        };
        const auto readRaw = [&] { return medianMs(1, [&] { raw.readAll(statement); }); };
        std::vector<double> registerTimes;
        std::vector<double> rawTimes;
        for (int round = 0; round < 9; ++round) {
            if (round % 2 == 0) {
                registerTimes.push_back(readRegister());
                rawTimes.push_back(readRaw());
            } else {
                rawTimes.push_back(readRaw());
                registerTimes.push_back(readRegister());
            }
        }
        std::sort(registerTimes.begin(), registerTimes.end());
        std::sort(rawTimes.begin(), rawTimes.end());
        registerMs = registerTimes[registerTimes.size() / 2];
        rawRegisterMs = rawTimes[rawTimes.size() / 2];
        sqlite3_finalize(statement);
    }
    printRatio("listRegister_100k_vs_raw", registerMs, rawRegisterMs, 1.5);
    printMs("listRegister_100k", registerMs);

    // 2. Full-text search over 1M transactions.
    {
        const QString path = dir.filePath(QStringLiteral("search.db"));
        createDatabase(path, accounts, categories);
        {
            RawDb raw(path);
            sqlite3_stmt *statement = raw.prepare(QString::fromLatin1(kInsertTransactionSql));
            raw.exec("BEGIN");
            for (int a = 0; a < 10; ++a) {
                const QList<Transaction> batch = generator.transactions(accounts[a].id, 100000, categories);
                for (const Transaction &t : batch)
                    insertRawTransaction(raw, statement, t);
            }
            raw.exec("COMMIT");
            sqlite3_finalize(statement);
        }
        Database database;
        database.open(path);
        TransactionRepository repository(&database);
        const QString word = QStringLiteral("coffee");
        const double searchMs = medianMs(9, [&] {
            if (repository.search(word, {}).size() != 200)
                std::fprintf(stderr, "unexpected search size\n");
        });
        RawDb raw(path);
        sqlite3_stmt *statement = raw.prepare(QStringLiteral(
            "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
            "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
            "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, CASE WHEN c.parent_id IS NOT NULL "
            "THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE "
            "c.name END AS category_name FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid LEFT "
            "JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND transactions_fts MATCH ? "
            "ORDER BY t.date DESC, t.created_at DESC LIMIT 200"));
        RawDb::bindText(statement, 1, TransactionRepository::buildFtsQuery(word));
        const double rawSearchMs = medianMs(9, [&] { raw.readAll(statement); });
        sqlite3_finalize(statement);
        printRatio("search_common_word_1M_vs_raw", searchMs, rawSearchMs, 2.0);
        printMs("search_common_word_1M_median", searchMs);
    }

    printRatio("insert_100k_one_transaction_vs_raw", repositoryInsertMs, rawInsertMs, 2.0);
    printMs("insert_100k_one_transaction", repositoryInsertMs);
    return 0;
}
