#include "data/userwrite.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/recurringrepository.h"
#include "data/sqlvalues.h"
#include "data/transactionrepository.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QStringList>

using namespace SqlValues;

UserWrite::UserWrite(Database *database)
    : m_database(database)
    , m_sql(database)
{
    if (!m_sql.isActive())
        m_result = WriteResult::Failed;
}

bool UserWrite::fail(WriteResult result)
{
    if (m_result == WriteResult::Written)
        m_result = result;
    return false;
}

bool UserWrite::expectLiveAccount(const QString &accountId)
{
    if (!canWrite())
        return false;
    if (accountId.isEmpty())
        return fail(WriteResult::AccountNotLive);
    QSqlQuery query = prepare(m_database->db(),
        QStringLiteral("SELECT 1 FROM accounts WHERE id = ? AND deleted_at IS NULL"), {accountId});
    if (!exec(query, "UserWrite::expectLiveAccount"))
        return fail(WriteResult::Failed);
    if (!query.next())
        return fail(WriteResult::AccountNotLive);
    return true;
}

template <typename Record, typename Repository>
bool UserWrite::expectSameRow(const Repository *repository, const Record &copy, std::optional<Record> &stored)
{
    if (!canWrite())
        return false;
    std::optional<Record> found = repository->findById(copy.id);
    if (!found || !sameRow(*found, copy))
        return fail(WriteResult::ChangedElsewhere);
    stored = std::move(found);
    return true;
}

bool UserWrite::expectUnchanged(const TransactionRepository *transactions, const Transaction &copy)
{
    m_storedTransaction.reset();
    return expectLiveAccount(copy.accountId) && expectSameRow(transactions, copy, m_storedTransaction);
}

bool UserWrite::expectUnchanged(const TransactionRepository *transactions, const QList<Transaction> &copies)
{
    m_storedTransaction.reset();
    QSet<QString> liveAccounts;
    QStringList ids;
    ids.reserve(copies.size());
    for (const Transaction &copy : copies) {
        if (!liveAccounts.contains(copy.accountId)) {
            if (!expectLiveAccount(copy.accountId))
                return false;
            liveAccounts.insert(copy.accountId);
        }
        ids.append(copy.id);
    }
    if (!canWrite())
        return false;
    QHash<QString, Transaction> stored;
    stored.reserve(ids.size());
    for (Transaction &row : transactions->findByIds(ids))
        stored.insert(row.id, std::move(row));
    for (const Transaction &copy : copies) {
        const auto found = stored.constFind(copy.id);
        if (found == stored.cend() || !sameRow(*found, copy))
            return fail(WriteResult::ChangedElsewhere);
    }
    return true;
}

bool UserWrite::expectUnchanged(const RecurringRepository *rules, const RecurringTransaction &copy)
{
    m_storedRule.reset();
    return expectLiveAccount(copy.accountId) && expectSameRow(rules, copy, m_storedRule);
}

bool UserWrite::expectUnchanged(const AccountRepository *accounts, const Account &copy)
{
    m_storedAccount.reset();
    return expectLiveAccount(copy.id) && expectSameRow(accounts, copy, m_storedAccount);
}

bool UserWrite::expectUnchanged(const CategoryRepository *categories, const Category &copy)
{
    m_storedCategory.reset();
    return expectSameRow(categories, copy, m_storedCategory);
}

bool UserWrite::expectOpeningBalance(const TransactionRepository *transactions, const QString &accountId,
    const std::optional<Transaction> &copy)
{
    if (!expectLiveAccount(accountId))
        return false;
    const std::optional<Transaction> found = transactions->findOpeningBalance(accountId);
    if (!copy)
        return !found || fail(WriteResult::ChangedElsewhere);
    return (found && found->id == copy->id && sameRow(*found, *copy)) || fail(WriteResult::ChangedElsewhere);
}

bool UserWrite::expectLiveParent(const CategoryRepository *categories, const QString &parentId)
{
    if (!canWrite())
        return false;
    if (parentId.isEmpty())
        return true;
    const std::optional<Category> parent = categories->findById(parentId);
    return (parent && !parent->deletedAt) || fail(WriteResult::ChangedElsewhere);
}

bool UserWrite::expectCurrencyAllowed(const AccountRepository *accounts, const Account &stored, Currency currency)
{
    if (!canWrite())
        return false;
    if (currencyDecimals(currency) == currencyDecimals(stored.currency))
        return true;
    const std::optional<bool> holdsAmounts = accounts->holdsAmounts(stored.id);
    if (!holdsAmounts)
        return fail(WriteResult::Failed);
    return !*holdsAmounts || fail(WriteResult::CurrencyRefused);
}

bool UserWrite::expectCurrent(bool stillTheCopy)
{
    if (!canWrite())
        return false;
    return stillTheCopy || fail(WriteResult::ChangedElsewhere);
}

WriteResult UserWrite::finish(bool written)
{
    if (m_finished)
        return m_result;
    m_finished = true;
    if (canWrite() && !(written && m_sql.commit()))
        m_result = WriteResult::Failed;
    if (!canWrite())
        m_sql.rollback();
    return m_result;
}

bool UserWrite::sameRow(const Transaction &stored, const Transaction &copy)
{
    return !stored.deletedAt && stored.version == copy.version && stored.accountId == copy.accountId
        && stored.date == copy.date && stored.payee == copy.payee && stored.memo == copy.memo
        && stored.amount == copy.amount && stored.categoryId == copy.categoryId
        && stored.checkNumber == copy.checkNumber && stored.cleared == copy.cleared
        && stored.reconciled == copy.reconciled && stored.transferLinkId == copy.transferLinkId
        && stored.transferDestAccountId == copy.transferDestAccountId && stored.isSplit == copy.isSplit
        && stored.recurringId == copy.recurringId;
}

bool UserWrite::sameRow(const RecurringTransaction &stored, const RecurringTransaction &copy)
{
    return !stored.deletedAt && stored.version == copy.version && stored.accountId == copy.accountId
        && stored.payee == copy.payee && stored.memo == copy.memo && stored.amount == copy.amount
        && stored.categoryId == copy.categoryId && stored.frequency == copy.frequency
        && stored.intervalCount == copy.intervalCount && stored.semimonthlyDay1 == copy.semimonthlyDay1
        && stored.semimonthlyDay2 == copy.semimonthlyDay2 && stored.startDate == copy.startDate
        && stored.endDate == copy.endDate && stored.nextDueDate == copy.nextDueDate
        && stored.autoPost == copy.autoPost && stored.leadDays == copy.leadDays && stored.isActive == copy.isActive
        && stored.transferDestAccountId == copy.transferDestAccountId;
}

bool UserWrite::sameRow(const Account &stored, const Account &copy)
{
    return !stored.deletedAt && stored.version == copy.version && stored.name == copy.name
        && stored.accountType == copy.accountType && stored.currency == copy.currency
        && stored.institution == copy.institution && stored.accountNumberLast4 == copy.accountNumberLast4
        && stored.startingBalance == copy.startingBalance;
}

bool UserWrite::sameRow(const Category &stored, const Category &copy)
{
    return !stored.deletedAt && stored.version == copy.version && stored.name == copy.name
        && stored.type == copy.type && stored.parentId == copy.parentId && stored.isTaxRelevant == copy.isTaxRelevant
        && stored.taxCategory == copy.taxCategory && stored.icon == copy.icon && stored.color == copy.color
        && stored.isDefault == copy.isDefault && stored.accountId == copy.accountId;
}
