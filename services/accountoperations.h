#pragma once

#include "data/account.h"
#include "data/transaction.h"
#include "data/userwrite.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class Database;
class AccountRepository;
class TransactionRepository;
class RecurringRepository;
class ReconciliationRepository;

// An edit made in the account form: what the form showed, and what the
// user typed over it.
struct AccountEdit
{
    struct OpeningBalance
    {
        qint64 amount = 0;
        QDate date;
        // For a new opening-balance row: the caller's translation of
        // "Opening Balance".
        QString payee;
    };

    // The account and its opening balance as the form read them.
    Account shown;
    std::optional<Transaction> shownOpeningBalance;
    // The form's fields: name, type, currency, institution, last 4 digits.
    Account typed;
    // Set when the user changes the opening balance.
    std::optional<OpeningBalance> openingBalance;
};

// The commands that change an account together with the rows that belong to
// it. Each one is a single SQL transaction: it nests inside a caller's
// transaction and bulk write, and on any failed write it leaves the database
// as it was and returns false.
class AccountOperations
{
public:
    AccountOperations(Database *database, AccountRepository *accounts, TransactionRepository *transactions,
                      RecurringRepository *recurring, ReconciliationRepository *reconciliations);

    // Stores the account exactly as given.
    bool createAccount(const Account &account);
    // Stores the account with a starting balance of 0 and moves the given
    // starting balance into its opening-balance transaction (also when it is
    // 0), cleared and reconciled, under the account's derived id. The payee
    // is the caller's translation of "Opening Balance".
    bool createAccountWithOpeningBalance(const Account &account, const QDate &openingDate, const QString &payee);
    // Saves the form's fields over the stored account, and the opening
    // balance when it changes, as one user write: only while the account
    // and its opening-balance row are still what the form showed (the form
    // was confirmed as a whole), and only to a currency that keeps the
    // amounts' value (UserWrite). What a sync recorded meanwhile (server id,
    // sort order, sharing) stays.
    WriteResult saveEdit(const AccountEdit &edit);
    // Writes the account's opening balance: its opening-balance row takes
    // the amount and date; without one, the row under the derived id is
    // written (made live again when deleted) or a new one inserted with the
    // payee. The legacy starting balance is left to the caller.
    bool writeOpeningBalance(const QString &accountId, qint64 amount, const QDate &date, const QString &payee);

    // Soft-deletes the account's transactions, recurring rules and
    // reconciliations, then the account. AccountNotLive for an unknown or
    // already deleted account, which is left as it is.
    WriteResult deleteAccount(const QString &accountId);
    // Brings back a deleted account with the rows deleted together with it
    // (from 10 seconds before its deletion on); rows deleted earlier stay
    // deleted. A live account is left as it is. Transfers stay whole: a
    // restored leg takes the date and negated amount of its live partner; a
    // leg whose partner was deleted on its own stays deleted; a leg whose
    // partner went with its own deleted account comes back, and the partner
    // is matched to it when that account is restored.
    bool restoreAccount(const QString &accountId);

private:
    static QDateTime restoreWindowStart(const Account &account);
    std::optional<QList<Transaction>> transferLegsDeletedSince(const QString &accountId, const QString &since) const;
    bool partnerReturnsWithItsAccount(const Transaction &partner) const;
    bool keepTransferWhole(const Transaction &deletedLeg);
    int liveRowCount(const char *table, const QString &accountId) const;
    int rowsDeletedSince(const char *table, const QString &accountId, const QString &since) const;

    Database *m_database;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
};
