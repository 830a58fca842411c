#pragma once

#include "benchutil.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/sqlvalues.h"
#include "data/transaction.h"
#include "support/datagenerator.h"

#include <functional>

// Raw SQL for the transaction baselines: the register's SELECT of one
// account, the balance sum, and a plain insert.
namespace Bench {

inline const char kRegisterSql[] =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, CASE WHEN c.parent_id IS NOT NULL "
    "THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE "
    "c.name END AS category_name FROM transactions t LEFT JOIN categories c ON t.category_id = c.id WHERE "
    "t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC";

inline const char kBalanceSql[] =
    "SELECT COALESCE(SUM(amount), 0) FROM transactions WHERE account_id = ? AND deleted_at IS NULL";

inline const char kInsertTransactionSql[] =
    "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
    "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
    "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

inline void insertRawTransaction(RawDb &raw, sqlite3_stmt *statement, const Transaction &t)
{
    using namespace SqlValues;
    RawDb::bindText(statement, 1, t.id);
    RawDb::bindText(statement, 2, t.accountId);
    RawDb::bindText(statement, 3, isoDate(t.date));
    RawDb::bindText(statement, 4, t.payee);
    RawDb::bindText(statement, 5, t.memo);
    sqlite3_bind_int64(statement, 6, t.amount);
    RawDb::bindText(statement, 7, t.categoryId, true);
    RawDb::bindText(statement, 8, t.checkNumber);
    sqlite3_bind_int(statement, 9, t.cleared);
    sqlite3_bind_int(statement, 10, t.reconciled);
    RawDb::bindText(statement, 11, t.transferLinkId);
    RawDb::bindText(statement, 12, t.transferDestAccountId);
    sqlite3_bind_int(statement, 13, t.isSplit);
    RawDb::bindText(statement, 14, t.recurringId);
    sqlite3_bind_int(statement, 15, t.version);
    RawDb::bindText(statement, 16, QStringLiteral("pending"));
    RawDb::bindText(statement, 17, t.serverId);
    RawDb::bindText(statement, 18, isoDateTime(t.createdAt));
    RawDb::bindText(statement, 19, isoDateTime(t.updatedAt));
    if (sqlite3_step(statement) != SQLITE_DONE)
        std::fprintf(stderr, "raw insert failed: %s\n", sqlite3_errmsg(raw.handle()));
    sqlite3_reset(statement);
}

// A database at path with generated accounts (no legacy starting balances)
// and categories; account i gets rowsFor(i) transactions, written raw in one
// SQL transaction. The first account is the last viewed one. `adjust`, when
// given, changes each transaction before it is written, with its position
// among all the rows written.
inline QList<Account> createAccountsWithTransactions(const QString &path, int accountCount,
                                                     const std::function<int(int)> &rowsFor,
                                                     const std::function<void(Transaction &, int)> &adjust = {})
{
    DataGenerator generator;
    QList<Account> accounts = generator.accounts(accountCount);
    for (Account &account : accounts)
        account.startingBalance = 0;
    const QList<Category> categories = generator.categories();
    {
        Database database;
        database.open(path);
        database.migrate();
        AccountRepository accountRepository(&database);
        CategoryRepository categoryRepository(&database);
        PreferencesRepository preferences(&database);
        for (const Account &account : accounts)
            accountRepository.insert(account);
        for (const Category &category : categories)
            categoryRepository.insert(category);
        preferences.set(QStringLiteral("lastViewedAccountId"), accounts[0].id);
    }
    RawDb raw(path);
    sqlite3_stmt *statement = raw.prepare(QString::fromLatin1(kInsertTransactionSql));
    raw.exec("BEGIN");
    int position = 0;
    for (int a = 0; a < accountCount; ++a) {
        QList<Transaction> batch = generator.transactions(accounts[a].id, rowsFor(a), categories);
        for (Transaction &transaction : batch) {
            if (adjust)
                adjust(transaction, position);
            ++position;
            insertRawTransaction(raw, statement, transaction);
        }
    }
    raw.exec("COMMIT");
    sqlite3_finalize(statement);
    return accounts;
}

} // namespace Bench
