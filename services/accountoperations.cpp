#include "services/accountoperations.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sqlvalues.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"

#include <QDebug>

using namespace SqlValues;

namespace {

// Rows deleted with the account carry its deletion time, give or take the
// few seconds the cascade took.
constexpr int kRestoreWindowSeconds = 10;

const char *const kCascadeTables[] = {"transactions", "recurring_transactions", "reconciliations"};

Transaction openingBalanceRecord(const QString &accountId, qint64 amount, const QDate &date, const QString &payee)
{
    Transaction record;
    record.id = TransactionRepository::openingBalanceId(accountId);
    record.accountId = accountId;
    record.date = date;
    record.payee = payee;
    record.amount = amount;
    record.cleared = true;
    record.reconciled = true;
    record.version = 1;
    record.syncStatus = SyncStatus::Pending;
    record.createdAt = QDateTime::currentDateTimeUtc();
    record.updatedAt = record.createdAt;
    return record;
}

} // namespace

AccountOperations::AccountOperations(Database *database, AccountRepository *accounts,
                                     TransactionRepository *transactions, RecurringRepository *recurring,
                                     ReconciliationRepository *reconciliations)
    : m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

bool AccountOperations::createAccount(const Account &account)
{
    SqlTransaction sql(m_database);
    return sql.isActive() && m_accounts->insert(account) && sql.commit();
}

bool AccountOperations::createAccountWithOpeningBalance(const Account &account, const QDate &openingDate,
                                                        const QString &payee)
{
    Account stored = account;
    stored.startingBalance = 0;
    SqlTransaction sql(m_database);
    return sql.isActive() && m_accounts->insert(stored)
        && m_transactions->insert(openingBalanceRecord(account.id, account.startingBalance, openingDate, payee))
        && sql.commit();
}

WriteResult AccountOperations::saveEdit(const AccountEdit &edit)
{
    UserWrite write(m_database);
    if (!write.expectUnchanged(m_accounts, edit.shown)
        || !write.expectOpeningBalance(m_transactions, edit.shown.id, edit.shownOpeningBalance)
        || !write.expectCurrencyAllowed(m_accounts, *write.storedAccount(), edit.typed.currency))
        return write.result();

    Account updated = *write.storedAccount();
    updated.name = edit.typed.name;
    updated.accountType = edit.typed.accountType;
    updated.currency = edit.typed.currency;
    updated.institution = edit.typed.institution;
    updated.accountNumberLast4 = edit.typed.accountNumberLast4;
    bool written = true;
    if (const std::optional<AccountEdit::OpeningBalance> &opening = edit.openingBalance) {
        written = writeOpeningBalance(updated.id, opening->amount, opening->date, opening->payee);
        // The balance lives in the transaction now.
        updated.startingBalance = 0;
    }
    markEdited(updated);
    return write.finish(written && m_accounts->update(updated));
}

bool AccountOperations::writeOpeningBalance(const QString &accountId, qint64 amount, const QDate &date,
                                            const QString &payee)
{
    SqlTransaction sql(m_database);
    if (!sql.isActive())
        return false;
    if (std::optional<Transaction> opening = m_transactions->findOpeningBalance(accountId)) {
        opening->amount = amount;
        opening->date = date;
        markEdited(*opening);
        return m_transactions->update(*opening) && sql.commit();
    }
    // The derived id may already be taken by a deleted row; that row becomes
    // the opening balance again, with its history and server id.
    Transaction record = openingBalanceRecord(accountId, amount, date, payee);
    const std::optional<Transaction> existing = m_transactions->findById(record.id);
    if (!existing)
        return m_transactions->insert(record) && sql.commit();
    record.version = existing->version + 1;
    record.createdAt = existing->createdAt;
    record.serverId = existing->serverId;
    return m_transactions->update(record)
        && m_transactions->applyServerDeletion(record.id, std::nullopt, record.accountId) && sql.commit();
}

WriteResult AccountOperations::deleteAccount(const QString &accountId)
{
    // The list the user picked from may be out of date: a pull may have
    // deleted the account already.
    UserWrite write(m_database);
    if (!write.expectLiveAccount(accountId))
        return write.result();
    const int transactions = m_transactions->softDeleteByAccount(accountId);
    const int recurring = m_recurring->softDeleteByAccount(accountId);
    const int reconciliations = m_reconciliations->softDeleteByAccount(accountId);
    // The repositories report a failed bulk update as 0 rows, which reads the
    // same as an empty table: what is still live tells them apart.
    for (const char *table : kCascadeTables) {
        if (liveRowCount(table, accountId) != 0)
            return write.finish(false);
    }
    if (write.finish(m_accounts->softDelete(accountId)) != WriteResult::Written)
        return write.result();
    qInfo() << "Cascade delete account" << accountId << "→ transactions:" << transactions
            << "recurrings:" << recurring << "reconciliations:" << reconciliations;
    return WriteResult::Written;
}

bool AccountOperations::restoreAccount(const QString &accountId)
{
    // What the list of deleted accounts showed may be out of date: the
    // account and its deletion time are read inside the write.
    SqlTransaction sql(m_database);
    if (!sql.isActive())
        return false;
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account)
        return false;
    if (!account->deletedAt)
        return true;

    const QString since = isoDateTime(restoreWindowStart(*account));
    // Read before the restore writes them: a leg that stays deleted is put
    // back exactly as it was.
    std::optional<QList<Transaction>> legs = transferLegsDeletedSince(accountId, since);
    if (!legs)
        return false;
    m_transactions->restoreByAccount(accountId, since);
    m_recurring->restoreByAccount(accountId, since);
    m_reconciliations->restoreByAccount(accountId, since);
    for (const char *table : kCascadeTables) {
        if (rowsDeletedSince(table, accountId, since) != 0)
            return false;
    }
    for (const Transaction &leg : std::as_const(*legs)) {
        if (!keepTransferWhole(leg))
            return false;
    }
    return m_accounts->restore(accountId) && sql.commit();
}

QDateTime AccountOperations::restoreWindowStart(const Account &account)
{
    return account.deletedAt->toUTC().addSecs(-kRestoreWindowSeconds);
}

std::optional<QList<Transaction>> AccountOperations::transferLegsDeletedSince(const QString &accountId,
                                                                              const QString &since) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT id FROM transactions WHERE account_id = ? AND deleted_at >= ? "
                                             "AND COALESCE(transfer_link_id, '') <> ''"),
                              {accountId, since});
    if (!exec(query, "AccountOperations::transferLegsDeletedSince"))
        return std::nullopt;
    QStringList ids;
    while (query.next())
        ids.append(query.value(0).toString());
    QList<Transaction> legs;
    for (const QString &id : std::as_const(ids)) {
        std::optional<Transaction> leg = m_transactions->findById(id);
        if (!leg)
            return std::nullopt;
        legs.append(*leg);
    }
    return legs;
}

bool AccountOperations::partnerReturnsWithItsAccount(const Transaction &partner) const
{
    const std::optional<Account> account = m_accounts->findById(partner.accountId);
    return account && account->deletedAt && partner.deletedAt
        && *partner.deletedAt >= restoreWindowStart(*account);
}

bool AccountOperations::keepTransferWhole(const Transaction &deletedLeg)
{
    const std::optional<Transaction> partner = m_transactions->findById(deletedLeg.transferLinkId);
    // Nothing to match: the leg comes back as it was deleted.
    if (!partner)
        return true;
    if (!partner->deletedAt) {
        // The partner may have been edited while this account was deleted.
        std::optional<Transaction> leg = m_transactions->findById(deletedLeg.id);
        if (!leg)
            return false;
        if (leg->amount == -partner->amount && leg->date == partner->date)
            return true;
        leg->amount = -partner->amount;
        leg->date = partner->date;
        markEdited(*leg);
        return m_transactions->update(*leg);
    }
    // A partner deleted with its own account comes back with it, and is
    // matched to this leg then.
    if (partnerReturnsWithItsAccount(*partner))
        return true;
    // The partner was deleted on its own: the transfer was deleted, and the
    // leg stays as it was.
    return m_transactions->update(deletedLeg)
        && m_transactions->applyServerDeletion(deletedLeg.id, deletedLeg.deletedAt, deletedLeg.accountId);
}

int AccountOperations::liveRowCount(const char *table, const QString &accountId) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT COUNT(*) FROM %1 WHERE account_id = ? AND deleted_at IS NULL")
                                  .arg(QLatin1String(table)),
                              {accountId});
    // A count that cannot be read counts as rows left behind.
    if (!exec(query, "AccountOperations::liveRowCount") || !query.next())
        return -1;
    return query.value(0).toInt();
}

int AccountOperations::rowsDeletedSince(const char *table, const QString &accountId, const QString &since) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT COUNT(*) FROM %1 WHERE account_id = ? AND deleted_at >= ?")
                                  .arg(QLatin1String(table)),
                              {accountId, since});
    if (!exec(query, "AccountOperations::rowsDeletedSince") || !query.next())
        return -1;
    return query.value(0).toInt();
}
