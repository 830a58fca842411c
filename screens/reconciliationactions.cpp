#include "screens/reconciliationactions.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/recordid.h"
#include "data/transactionrepository.h"

#include <limits>

namespace ReconciliationActions {

std::optional<qint64> narrow(WideSum sum)
{
    if (sum > std::numeric_limits<qint64>::max() || sum <= std::numeric_limits<qint64>::min())
        return std::nullopt;
    return qint64(sum);
}

PreviousBalance previousBalance(AppState *app, const Account &account)
{
    PreviousBalance result;
    const auto reconciled = app->transactionRepository()->reconciledSum(account.id);
    if (!reconciled)
        return result;
    result.latestReconciledDate = reconciled->latestDate;
    result.balance = narrow(WideSum(account.startingBalance) + reconciled->sum);
    return result;
}

QDate defaultStatementDate(const std::optional<Reconciliation> &latest, const QDate &latestReconciledDate)
{
    // A row reconciled after the last statement (by sync, say) moves the
    // guess past it.
    if (latest && !(latestReconciledDate.isValid() && latest->statementDate < latestReconciledDate))
        return latest->statementDate.addMonths(1);
    if (latestReconciledDate.isValid())
        return latestReconciledDate.addMonths(1);
    return QDate();
}

FinishResult finish(AppState *app, const Account &account, const QList<Transaction> &ticked,
    const QDate &statementDate, qint64 statementBalance)
{
    TransactionRepository *transactions = app->transactionRepository();
    UserWrite write(app->database());
    if (write.expectLiveAccount(account.id))
        write.expectUnchanged(transactions, ticked);
    if (!write.canWrite()) {
        if (write.result() == WriteResult::Failed)
            return {FinishStatus::Failed};
        return {FinishStatus::Refused, write.result()};
    }

    // Each ticked row is the stored one, so its amount is the stored amount.
    WideSum cleared = 0;
    for (const Transaction &shown : ticked)
        cleared += shown.amount;
    const PreviousBalance previous = previousBalance(app, account);
    if (!previous.balance)
        return {FinishStatus::TooLarge};
    const std::optional<qint64> clearedBalance = narrow(cleared + *previous.balance);
    if (!clearedBalance)
        return {FinishStatus::TooLarge};
    if (*clearedBalance != statementBalance)
        return {FinishStatus::Unbalanced};

    QStringList ids;
    ids.reserve(ticked.size());
    for (const Transaction &shown : ticked)
        ids.append(shown.id);
    Reconciliation reconciliation;
    reconciliation.id = newRecordId();
    reconciliation.accountId = account.id;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = statementBalance;
    reconciliation.reconciledBalance = *clearedBalance;
    reconciliation.completedAt = QDateTime::currentDateTimeUtc();
    reconciliation.createdAt = reconciliation.completedAt;
    reconciliation.updatedAt = reconciliation.completedAt;
    const bool written = (ids.isEmpty() || transactions->markReconciled(account.id, ids))
        && app->reconciliationRepository()->insert(reconciliation);
    if (write.finish(written) != WriteResult::Written)
        return {FinishStatus::Failed};
    return {FinishStatus::Finished};
}

} // namespace ReconciliationActions
