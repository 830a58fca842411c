#include "register/registercommitbuilder.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/recordid.h"
#include "register/categoryitems.h"
#include "register/transactionactions.h"

RegisterCommitBuilder::RegisterCommitBuilder(AppState *app, const QString &accountId)
    : m_app(app)
    , m_accountId(accountId)
{
}

RegisterCommitBuilder::Commit RegisterCommitBuilder::build(const RegisterModel &model,
    const std::optional<Transaction> &stored) const
{
    Commit commit;
    commit.isNew = !stored;
    const RegisterModel::EditBuffer &buffer = model.buffer();
    QString payee = buffer.payee.trimmed();
    if (payee.isEmpty()) {
        commit.refusal = Refusal::PayeeMissing;
        return commit;
    }
    const std::optional<qint64> amount = model.bufferAmount();
    if (!amount) {
        commit.refusal = Refusal::AmountMissing;
        return commit;
    }
    commit.unreadableAmount = model.unreadableBufferAmount();
    if (!commit.unreadableAmount.isEmpty()) {
        commit.refusal = Refusal::AmountUnreadable;
        return commit;
    }
    // Typed text that names no category is never dropped in silence: the
    // row waits until the text is chosen from the list or cleared. A split
    // row shows a marker, not a category, and is not checked.
    const QString category = categoryId(buffer);
    if (category.isEmpty() && !buffer.category.trimmed().isEmpty() && !(stored && stored->isSplit)) {
        commit.refusal = Refusal::CategoryUnknown;
        commit.unknownCategory = buffer.category.trimmed();
        return commit;
    }
    QString targetAccountId;
    switch (TransactionActions::resolveTransferTarget(m_app, m_accountId, payee, targetAccountId)) {
    case TransactionActions::TransferAccountNotFound:
        commit.refusal = Refusal::TransferAccountNotFound;
        return commit;
    case TransactionActions::TransferCurrenciesDiffer:
        commit.refusal = Refusal::TransferCurrenciesDiffer;
        return commit;
    default:
        break;
    }

    Transaction &transaction = commit.transaction;
    if (stored) {
        commit.copy = stored;
        transaction = *stored;
        markEdited(transaction);
    } else {
        transaction.id = newRecordId();
        transaction.accountId = m_accountId;
        transaction.createdAt = QDateTime::currentDateTimeUtc();
        transaction.updatedAt = transaction.createdAt;
    }
    transaction.date = model.bufferDate();
    transaction.payee = payee;
    transaction.checkNumber = buffer.checkNumber.trimmed();
    transaction.memo = buffer.memo.trimmed();
    transaction.amount = *amount;
    transaction.categoryId = category;
    const QString mark = buffer.clearedMark.trimmed().toUpper();
    transaction.cleared = mark == QLatin1String("C") || mark == QLatin1String("R");
    transaction.reconciled = mark == QLatin1String("R");
    // An edited row keeps its links: a transfer payee typed over a plain
    // row only names the other account.
    if (!stored && !targetAccountId.isEmpty())
        commit.counterpart = TransactionActions::makeTransferCounterpart(m_app, transaction, targetAccountId);
    return commit;
}

WriteResult RegisterCommitBuilder::write(const Commit &commit) const
{
    if (commit.refusal != Refusal::None)
        return WriteResult::Failed;
    if (commit.isNew)
        return TransactionActions::insertNewTransaction(m_app, commit.transaction, commit.counterpart);
    if (!commit.copy)
        return WriteResult::Failed;
    return TransactionActions::updateTransaction(m_app, commit.transaction, *commit.copy);
}

QString RegisterCommitBuilder::categoryId(const RegisterModel::EditBuffer &buffer) const
{
    if (!buffer.categoryId.isEmpty())
        return buffer.categoryId;
    return categoryIdOfTypedText(m_app->categoryRepository(), buffer.category);
}
