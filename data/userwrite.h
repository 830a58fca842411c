#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/database.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QList>
#include <QString>

#include <optional>

class AccountRepository;
class CategoryRepository;
class RecurringRepository;
class TransactionRepository;

// What came of a write the user made from what a window showed.
enum class WriteResult {
    Written,
    // The row shown was changed or deleted since it was read.
    ChangedElsewhere,
    // An account the write would go into is deleted (or gone).
    AccountNotLive,
    // The store refused the write.
    Failed,
    // The account has transactions or recurring rules, so its currency may
    // change only to one with the same minor unit (the stored amounts, and
    // what the rules post, would change value).
    CurrencyRefused,
};

// One user write, whole or not at all. Windows are many and non-modal and
// each acts on a copy it read earlier, so a write made from a copy happens
// only while the stored row is still that copy (live, same version, same
// content), and rows go only into live accounts (categories under live
// parents). The checks run inside the write's own SQL transaction: nothing
// can come between them and the write. An edit is built on the stored row
// the check read (stored*()), never on the copy, so what a sync recorded
// meanwhile (a server id) is not written back. Sync's applier and backup
// restore are no user writes and keep their own rules.
//
//     UserWrite write(database);
//     if (write.expectUnchanged(transactions, copy))
//         write.finish(transactions->update(edited));
//     return write.result();
class UserWrite
{
public:
    explicit UserWrite(Database *database);

    UserWrite(const UserWrite &) = delete;
    UserWrite &operator=(const UserWrite &) = delete;

    // Each check returns whether it and every check before it held; the
    // first one that fails decides the result, and later ones are skipped.
    bool expectLiveAccount(const QString &accountId);
    // The copy's account is live and its stored row is still the copy.
    bool expectUnchanged(const TransactionRepository *transactions, const Transaction &copy);
    bool expectUnchanged(const RecurringRepository *rules, const RecurringTransaction &copy);
    // The account is live and its stored row is still the copy.
    bool expectUnchanged(const AccountRepository *accounts, const Account &copy);
    // The category is live and its stored row is still the copy.
    bool expectUnchanged(const CategoryRepository *categories, const Category &copy);
    // The account is live and its opening balance is still the copy, or
    // still none when the copy is none: an amount typed over an opening
    // balance must not replace one the user never saw.
    bool expectOpeningBalance(const TransactionRepository *transactions, const QString &accountId,
        const std::optional<Transaction> &copy);
    // A category goes only under a live parent (or none): fails with
    // ChangedElsewhere when the parent was deleted meanwhile.
    bool expectLiveParent(const CategoryRepository *categories, const QString &parentId);
    // Amounts are stored in the currency's minor unit: an account that has
    // transactions or recurring rules changes only to a currency with the
    // same unit. Fails with CurrencyRefused.
    bool expectCurrencyAllowed(const AccountRepository *accounts, const Account &stored, Currency currency);
    // The same for each of many copies, read in one pass (a reconciliation
    // ticks thousands of rows); leaves storedTransaction() empty.
    bool expectUnchanged(const TransactionRepository *transactions, const QList<Transaction> &copies);
    // For rows compared by the caller (read after the UserWrite began):
    // false makes the write ChangedElsewhere.
    bool expectCurrent(bool stillTheCopy);

    // The stored row the last expectUnchanged read, when it held.
    const std::optional<Transaction> &storedTransaction() const { return m_storedTransaction; }
    const std::optional<RecurringTransaction> &storedRule() const { return m_storedRule; }
    const std::optional<Account> &storedAccount() const { return m_storedAccount; }
    const std::optional<Category> &storedCategory() const { return m_storedCategory; }

    bool canWrite() const { return m_result == WriteResult::Written; }
    // Commits when every check held and `written` is true; otherwise rolls
    // back. Returns result().
    WriteResult finish(bool written);
    // Failed while checks held but finish() has not run: a write that was
    // never committed is no success.
    WriteResult result() const { return m_finished || !canWrite() ? m_result : WriteResult::Failed; }

    // The stored row holds what the copy shows: live, the same version and
    // the same value in every column a write from the copy overwrites (a
    // pull may bring other content under an equal version).
    static bool sameRow(const Transaction &stored, const Transaction &copy);
    static bool sameRow(const RecurringTransaction &stored, const RecurringTransaction &copy);
    static bool sameRow(const Account &stored, const Account &copy);
    static bool sameRow(const Category &stored, const Category &copy);

private:
    bool fail(WriteResult result);
    template <typename Record, typename Repository>
    bool expectSameRow(const Repository *repository, const Record &copy, std::optional<Record> &stored);

    Database *m_database;
    SqlTransaction m_sql;
    WriteResult m_result = WriteResult::Written;
    bool m_finished = false;
    std::optional<Transaction> m_storedTransaction;
    std::optional<RecurringTransaction> m_storedRule;
    std::optional<Account> m_storedAccount;
    std::optional<Category> m_storedCategory;
};
