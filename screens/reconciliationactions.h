#pragma once

#include "data/account.h"
#include "data/reconciliation.h"
#include "data/transaction.h"
#include "data/userwrite.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class AppState;

// The arithmetic and the one write of a reconciliation, apart from the
// screen that shows them.
namespace ReconciliationActions {

// Sums of many amounts are kept in 128 bits, so that no order of ticks can
// overflow them; only what is shown or stored must fit in an amount.
using WideSum = __int128;
// The sum as an amount; nullopt when it does not fit (INT64_MIN is not one).
std::optional<qint64> narrow(WideSum sum);

struct PreviousBalance
{
    // The starting balance plus every live reconciled row; nullopt when it
    // cannot be computed (too large, or the database failed).
    std::optional<qint64> balance;
    // The latest date among those rows; invalid when there is none.
    QDate latestReconciledDate;
};
PreviousBalance previousBalance(AppState *app, const Account &account);

// The date a new statement most likely has: a month after the last one, or
// after the latest reconciled row when that is later; invalid when neither
// exists.
QDate defaultStatementDate(const std::optional<Reconciliation> &latest, const QDate &latestReconciledDate);

enum class FinishStatus {
    Finished,
    // A ticked row is no longer the copy shown, or the account was deleted:
    // nothing was written. The refusal says which.
    Refused,
    // The stored rows do not add up to the statement balance.
    Unbalanced,
    TooLarge,
    Failed,
};

struct FinishResult
{
    FinishStatus status = FinishStatus::Failed;
    // With Refused: ChangedElsewhere or AccountNotLive.
    WriteResult refusal = WriteResult::Failed;
};

// In one SQL transaction: checks that the account is live and every ticked
// row is still the copy shown, recomputes the balances from the stored rows,
// and only at a difference of zero marks the rows reconciled and stores the
// reconciliation.
FinishResult finish(AppState *app, const Account &account, const QList<Transaction> &ticked,
    const QDate &statementDate, qint64 statementBalance);

} // namespace ReconciliationActions
