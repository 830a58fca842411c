#include "register/transactionactions.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/recordid.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "register/spliteditordialog.h"
#include "register/transactionformdialog.h"
#include "register/userprompts.h"
#include "register/writeresultprompt.h"
#include "services/accountoperations.h"
#include "sync/syncengine.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDialog>
#include <QSet>
#include <QTextDocument>

#include <functional>

namespace TransactionActions {

namespace {

// Why the last write failed, for the user.
QString failureReason(AppState *app)
{
    return app->database()->lastFailure().reason();
}

void reportSaveFailure(AppState *app, QWidget *parent)
{
    UserPrompts::current()->warning(parent, QCoreApplication::translate("TransactionActions", "Save Failed"),
        Qt::convertFromPlainText(QCoreApplication::translate("TransactionActions",
            "The transaction could not be saved: %1. Nothing was changed.\n\nYour entries are still in the form.")
                .arg(failureReason(app)),
            Qt::WhiteSpaceNormal));
}

// What a save from a dialog came to; empty when it was refused before any
// write and the user is asked to change something first.
using Attempt = std::optional<WriteResult>;
const Attempt kRefused = std::nullopt;

// Writes over the stored row only while it still holds what the copy shows
// and its account is live; a prompt ran before, and anything may have
// changed while it was open. `write` gets the guard, for checks of its own,
// and the stored row.
WriteResult writeOverCopy(AppState *app, const Transaction &copy,
    const std::function<bool(UserWrite &, const Transaction &)> &write)
{
    UserWrite guard(app->database());
    if (guard.expectUnchanged(app->transactionRepository(), copy))
        guard.finish(write(guard, *guard.storedTransaction()));
    return guard.result();
}

// Shows the dialog until what it holds is saved or the user cancels. A
// refused or failed save reopens it with everything the user typed; a save
// over a row that changed meanwhile, or into a deleted account, ends it.
bool runUntilSaved(AppState *app, QDialog &dialog, QWidget *parent, const std::function<Attempt()> &save)
{
    for (;;) {
        if (UserPrompts::current()->runDialog(&dialog) != QDialog::Accepted)
            return false;
        const Attempt attempt = save();
        if (!attempt)
            continue;
        if (*attempt == WriteResult::Written)
            return true;
        if (WriteResultPrompt::reportRefusal(*attempt, WriteResultPrompt::Subject::Transaction, parent))
            return false;
        reportSaveFailure(app, parent);
    }
}

Attempt refuseTransfer(QWidget *parent, const QString &text)
{
    UserPrompts::current()->warning(parent, QCoreApplication::translate("TransactionActions", "Transfer"), text);
    return kRefused;
}

// The server id is no edit: a push may have stored one while the copy was
// on screen, and writing the copy's would lose it.
Transaction keptBookkeeping(Transaction edited, const Transaction &stored)
{
    edited.serverId = stored.serverId;
    return edited;
}

QString openingBalancePayee()
{
    return QCoreApplication::translate("TransactionActions", "Opening Balance");
}

// Clears the legacy starting balance once it lives in a transaction.
bool clearStartingBalance(AppState *app, const QString &accountId)
{
    std::optional<Account> account = app->accountRepository()->findById(accountId);
    if (!account || account->startingBalance == 0)
        return true;
    account->startingBalance = 0;
    markEdited(*account);
    return app->accountRepository()->update(*account);
}

bool migrateStartingBalance(AppState *app, const Account &account, const QDate &date)
{
    SqlTransaction sql(app->database());
    return sql.isActive()
        && app->accountOperations()->writeOpeningBalance(account.id, account.startingBalance, date,
            openingBalancePayee())
        && clearStartingBalance(app, account.id) && sql.commit();
}

// Inside a guarded write: the edited row and its transfer partner. The
// other leg of a transfer takes the date and negated amount; it is written
// only into a live account (a pull may have deleted that account before its
// rows), otherwise nothing is written and the guard says why.
bool writeEdited(AppState *app, UserWrite &guard, const Transaction &edited)
{
    TransactionRepository *transactions = app->transactionRepository();
    std::optional<Transaction> partner;
    if (!edited.transferLinkId.isEmpty())
        partner = transactions->findById(edited.transferLinkId);
    const bool partnerFollows = partner && !partner->deletedAt
        && (partner->amount != -edited.amount || partner->date != edited.date);
    if (partnerFollows && !guard.expectLiveAccount(partner->accountId))
        return false;
    if (!transactions->update(edited))
        return false;
    if (!partnerFollows)
        return true;
    partner->amount = -edited.amount;
    partner->date = edited.date;
    markEdited(*partner);
    return transactions->update(*partner);
}

bool writeEditedWithSplitLines(AppState *app, UserWrite &guard, const Transaction &edited,
    const QList<SplitLine> &lines)
{
    return writeEdited(app, guard, edited) && saveSplitLines(app, edited, lines);
}

std::optional<Transaction> liabilityOpeningBalance(AppState *app, const QString &accountId)
{
    const std::optional<Account> account = app->accountRepository()->findById(accountId);
    if (!account || !isLiabilityType(account->accountType))
        return std::nullopt;
    std::optional<Transaction> opening = app->transactionRepository()->findOpeningBalance(accountId);
    if (!opening || opening->amount <= 0)
        return std::nullopt;
    return opening;
}

} // namespace

bool refuseEntryProblem(const QString &problem, QWidget *parent)
{
    if (problem.isEmpty())
        return false;
    // The problem quotes what was typed, which is never markup.
    UserPrompts::current()->warning(parent, QCoreApplication::translate("TransactionActions", "Check the Entries"),
        Qt::convertFromPlainText(problem, Qt::WhiteSpaceNormal));
    return true;
}

// The table refuses a split line without a category, so the user is asked
// to finish the lines instead of seeing a failed save.
bool splitLinesHaveCategories(const QList<SplitLine> &lines, QWidget *parent)
{
    for (const SplitLine &line : lines) {
        if (line.categoryId.isEmpty()) {
            UserPrompts::current()->warning(parent,
                QCoreApplication::translate("TransactionActions", "Split Transaction"),
                QCoreApplication::translate("TransactionActions", "Choose a category for every split line."));
            return false;
        }
    }
    return true;
}

QString transferPrefix()
{
    return QStringLiteral("[Transfer] ");
}

QStringList withTransferPayees(QStringList payees, const QList<Account> &accounts, const QString &ownAccountId)
{
    QSet<QString> known(payees.cbegin(), payees.cend());
    for (const Account &account : accounts) {
        if (account.id == ownAccountId)
            continue;
        const QString transfer = transferPrefix() + account.name;
        if (!known.contains(transfer)) {
            known.insert(transfer);
            payees.append(transfer);
        }
    }
    return payees;
}

QString dollarText(qint64 amount, Currency currency)
{
    const QString number = formatAmount(amount, currency);
    if (number.startsWith(u'-'))
        return QStringLiteral("-$") + number.mid(1);
    return QStringLiteral("$") + number;
}

Currency accountCurrency(AppState *app, const QString &accountId)
{
    const std::optional<Account> account = app->accountRepository()->findById(accountId);
    return account ? account->currency : Currency::USD;
}

bool confirmDelete(AppState *app, Transaction transaction, QWidget *parent)
{
    UserPrompts *prompts = UserPrompts::current();
    // A row without an id is the balance still held on the account record.
    if (transaction.id.isEmpty() || app->transactionRepository()->isOpeningBalance(transaction)) {
        prompts->information(parent, QCoreApplication::translate("TransactionActions", "Opening Balance"),
            QCoreApplication::translate("TransactionActions", "The opening balance can't be removed. Every account has one.\n\n"
                       "To clear it, set it to zero in the account's settings."));
        return false;
    }

    const QString amount = dollarText(qAbs(transaction.amount), accountCurrency(app, transaction.accountId));
    const QString question = transaction.transferLinkId.isEmpty()
        ? QCoreApplication::translate("TransactionActions", "Delete \"%1\" for %2?").arg(transaction.payee, amount)
        : QCoreApplication::translate("TransactionActions", "Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
              .arg(transaction.payee, amount);
    if (!prompts->askYesNo(parent, QCoreApplication::translate("TransactionActions", "Delete Transaction"), question))
        return false;

    const WriteResult result = deleteTransaction(app, transaction);
    if (result == WriteResult::Written)
        return true;
    if (WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Transaction, parent))
        return false;
    prompts->warning(parent, QCoreApplication::translate("TransactionActions", "Delete Failed"),
        QCoreApplication::translate("TransactionActions", "The transaction could not be deleted, so nothing was changed."));
    return false;
}

WriteResult updateTransaction(AppState *app, const Transaction &edited, const Transaction &copy)
{
    return writeOverCopy(app, copy, [&](UserWrite &guard, const Transaction &stored) {
        return writeEdited(app, guard, keptBookkeeping(edited, stored));
    });
}

WriteResult deleteTransaction(AppState *app, const Transaction &copy)
{
    TransactionRepository *transactions = app->transactionRepository();
    UserWrite guard(app->database());
    if (!guard.expectUnchanged(transactions, copy))
        return guard.result();
    bool written = true;
    if (!copy.transferLinkId.isEmpty()) {
        // A partner that is already gone does not hold up this leg.
        const std::optional<Transaction> partner = transactions->findById(copy.transferLinkId);
        written = !partner || partner->deletedAt || transactions->softDelete(partner->id);
    }
    return guard.finish(written && transactions->softDelete(copy.id));
}

bool duplicateTransaction(AppState *app, Transaction transaction, QWidget *parent, QStringList *savedIds)
{
    // The balance still held on the account is no transaction to copy.
    if (transaction.id.isEmpty())
        return false;
    Transaction copy = transaction;
    copy.date = QDate::currentDate();
    copy.checkNumber.clear();
    copy.cleared = false;
    copy.reconciled = false;
    if (!copy.transferLinkId.isEmpty() && !copy.transferDestAccountId.isEmpty()) {
        if (const std::optional<Account> other = app->accountRepository()->findById(copy.transferDestAccountId))
            copy.payee = transferPrefix() + other->name;
    }
    copy.transferLinkId.clear();
    copy.transferDestAccountId.clear();
    return newTransaction(app, transaction.accountId, &copy, parent, QString(), savedIds);
}

bool editTransaction(AppState *app, Transaction transaction, QWidget *parent)
{
    return editTransaction(app, transaction, TypedEntry{transaction, QString()}, parent);
}

bool editTransaction(AppState *app, Transaction transaction, const TypedEntry &typed, QWidget *parent)
{
    if (transaction.id.isEmpty())
        return false;
    TransactionFormDialog dialog(app, transaction, parent);
    if (typed.values.id != transaction.id) {
        dialog.prefill(typed.values);
        if (typed.values.categoryId.isEmpty())
            dialog.showTypedCategory(typed.categoryText);
    }
    return runUntilSaved(app, dialog, parent, [&]() -> Attempt {
        if (refuseEntryProblem(dialog.entryProblem(), parent))
            return kRefused;
        const QList<SplitLine> lines = dialog.splitLines();
        if (!splitLinesHaveCategories(lines, parent))
            return kRefused;
        return writeOverCopy(app, transaction, [&](UserWrite &guard, const Transaction &stored) {
            return writeEditedWithSplitLines(app, guard, keptBookkeeping(dialog.transaction(), stored), lines);
        });
    });
}

bool editSplits(AppState *app, Transaction transaction, QWidget *parent)
{
    if (transaction.id.isEmpty())
        return false;
    const QList<SplitLine> current = app->splitLineRepository()->listByTransaction(transaction.id);
    SplitEditorDialog dialog(app, transaction.amount, current, accountCurrency(app, transaction.accountId), parent);
    return runUntilSaved(app, dialog, parent, [&]() -> Attempt {
        if (refuseEntryProblem(dialog.entryProblem(), parent))
            return kRefused;
        const QList<SplitLine> lines = dialog.splitLines();
        if (!splitLinesHaveCategories(lines, parent))
            return kRefused;
        Transaction edited = transaction;
        edited.isSplit = !lines.isEmpty();
        if (edited.isSplit)
            edited.categoryId.clear();
        markEdited(edited);
        return writeOverCopy(app, transaction, [&](UserWrite &guard, const Transaction &stored) {
            return writeEditedWithSplitLines(app, guard, keptBookkeeping(edited, stored), lines);
        });
    });
}

bool toggleCleared(AppState *app, Transaction transaction, QWidget *parent)
{
    if (transaction.reconciled)
        return false;
    return flipCleared(app, transaction, parent);
}

bool flipCleared(AppState *app, Transaction transaction, QWidget *parent)
{
    if (transaction.id.isEmpty())
        return false;
    Transaction flipped = transaction;
    flipped.cleared = !flipped.cleared;
    markEdited(flipped);
    const WriteResult result = writeOverCopy(app, transaction, [&](UserWrite &, const Transaction &stored) {
        return app->transactionRepository()->update(keptBookkeeping(flipped, stored));
    });
    if (result != WriteResult::Written
        && !WriteResultPrompt::reportRefusal(result, WriteResultPrompt::Subject::Transaction, parent))
        UserPrompts::current()->warning(parent, QCoreApplication::translate("TransactionActions", "Save Failed"),
            Qt::convertFromPlainText(
                QCoreApplication::translate("TransactionActions", "The cleared mark could not be saved: %1.")
                    .arg(failureReason(app)),
                Qt::WhiteSpaceNormal));
    return result == WriteResult::Written;
}

bool newTransaction(AppState *app, const QString &accountId, const Transaction *seed, QWidget *parent,
    const QString &typedCategory, QStringList *savedIds)
{
    if (accountId.isEmpty())
        return false;
    TransactionFormDialog dialog(app, accountId, parent);
    if (seed)
        dialog.prefill(*seed);
    if (!typedCategory.trimmed().isEmpty())
        dialog.showTypedCategory(typedCategory);

    return runUntilSaved(app, dialog, parent, [&]() -> Attempt {
        if (refuseEntryProblem(dialog.entryProblem(), parent))
            return kRefused;
        Transaction transaction = dialog.transaction();
        const QList<SplitLine> lines = dialog.splitLines();
        QString targetAccountId;
        const int resolution = resolveTransferTarget(app, accountId, transaction.payee, targetAccountId);
        if (resolution == TransferAccountNotFound)
            return refuseTransfer(parent, QCoreApplication::translate("TransactionActions", "Transfer account not found"));
        if (resolution == TransferCurrenciesDiffer) {
            return refuseTransfer(parent,
                QCoreApplication::translate("TransactionActions", "Transfers require both accounts to use the same currency"));
        }
        if (resolution == TransferTargetFound && !lines.isEmpty()) {
            return refuseTransfer(parent,
                QCoreApplication::translate("TransactionActions", "A transfer can't be split across categories"));
        }
        if (!splitLinesHaveCategories(lines, parent))
            return kRefused;
        std::optional<Transaction> counterpart;
        if (resolution == TransferTargetFound)
            counterpart = makeTransferCounterpart(app, transaction, targetAccountId);
        const WriteResult result = insertNewTransaction(app, transaction, counterpart, lines);
        if (result == WriteResult::Written && savedIds) {
            *savedIds = QStringList{transaction.id};
            if (counterpart)
                savedIds->append(counterpart->id);
        }
        return result;
    });
}

int resolveTransferTarget(AppState *app, const QString &sourceAccountId, QString &payee, QString &targetAccountId)
{
    targetAccountId.clear();
    if (!payee.startsWith(transferPrefix(), Qt::CaseSensitive))
        return NotATransfer;
    const QString name = payee.mid(transferPrefix().size());

    // A transfer into the account itself would only move money in a circle.
    for (const Account &account : app->accountRepository()->listAll()) {
        if (account.name == name && account.id != sourceAccountId) {
            targetAccountId = account.id;
            break;
        }
    }
    if (targetAccountId.isEmpty())
        return TransferAccountNotFound;

    const std::optional<Account> source = app->accountRepository()->findById(sourceAccountId);
    const std::optional<Account> target = app->accountRepository()->findById(targetAccountId);
    if (source && target && source->currency != target->currency) {
        targetAccountId.clear();
        return TransferCurrenciesDiffer;
    }
    payee = QCoreApplication::translate("TransactionActions", "Transfer to %1").arg(name);
    return TransferTargetFound;
}

Transaction makeTransferCounterpart(AppState *app, Transaction &transaction, const QString &targetAccountId)
{
    const std::optional<Account> source = app->accountRepository()->findById(transaction.accountId);
    const std::optional<Account> target = app->accountRepository()->findById(targetAccountId);
    const QString sourceName = source ? source->name : QString();
    const QString targetName = target ? target->name : QString();

    transaction.payee = QCoreApplication::translate("TransactionActions", "Transfer to %1").arg(targetName);

    Transaction counterpart;
    counterpart.id = newRecordId();
    counterpart.accountId = targetAccountId;
    counterpart.date = transaction.date;
    counterpart.payee = QCoreApplication::translate("TransactionActions", "Transfer from %1").arg(sourceName);
    counterpart.amount = -transaction.amount;
    counterpart.memo = transaction.memo;
    counterpart.cleared = transaction.cleared;
    counterpart.reconciled = transaction.reconciled;
    counterpart.transferLinkId = transaction.id;
    counterpart.transferDestAccountId = transaction.accountId;
    counterpart.createdAt = transaction.createdAt;
    counterpart.updatedAt = transaction.updatedAt;

    transaction.transferLinkId = counterpart.id;
    transaction.transferDestAccountId = targetAccountId;
    return counterpart;
}

WriteResult insertNewTransaction(AppState *app, const Transaction &transaction,
    const std::optional<Transaction> &counterpart, const QList<SplitLine> &splitLines)
{
    TransactionRepository *transactions = app->transactionRepository();
    UserWrite guard(app->database());
    if (!guard.expectLiveAccount(transaction.accountId) || (counterpart && !guard.expectLiveAccount(counterpart->accountId)))
        return guard.result();
    return guard.finish((!counterpart || transactions->insert(*counterpart)) && transactions->insert(transaction)
        && (splitLines.isEmpty() || saveSplitLines(app, transaction, splitLines)));
}

bool saveSplitLines(AppState *app, const Transaction &transaction, const QList<SplitLine> &lines)
{
    QList<SplitLine> owned = lines;
    for (SplitLine &line : owned)
        line.transactionId = transaction.id;
    return app->splitLineRepository()->replaceForTransaction(transaction.id, owned);
}

bool setOpeningBalance(AppState *app, const QString &accountId, qint64 amount, const QDate &date)
{
    UserWrite guard(app->database());
    if (!guard.expectLiveAccount(accountId))
        return false;
    const bool written =
        app->accountOperations()->writeOpeningBalance(accountId, amount, date, openingBalancePayee());
    return guard.finish(written && clearStartingBalance(app, accountId)) == WriteResult::Written;
}

int backfillOpeningBalances(AppState *app)
{
    TransactionRepository *transactions = app->transactionRepository();
    int migrated = 0;
    for (const Account &account : app->accountRepository()->listAll()) {
        // An account the sync service knows has its opening balance there;
        // it arrives by pull, maybe a page or a sync later. A row made up
        // here in the meantime would carry the derived id at version 1 and
        // could overwrite the real one on every device. A local edit leaves
        // the account pending, maybe without a server id, so the engine's
        // own record decides as well.
        if (!account.serverId.isEmpty() || account.syncStatus != SyncStatus::Pending
            || (app->syncEngine() && app->syncEngine()->accountCameFromService(account.id)))
            continue;
        const QString id = TransactionRepository::openingBalanceId(account.id);
        const std::optional<Transaction> existing = transactions->findById(id);
        // The usual case, decided by one key lookup: the probe reads every
        // row of the account, and this runs at every start.
        if (existing && !existing->deletedAt && TransactionRepository::isOpeningBalancePayee(existing->payee))
            continue;
        const OpeningBalanceProbe probe = transactions->openingBalanceProbe(account.id);
        if (probe.hasOpeningBalancePayee)
            continue;

        if (existing && !existing->deletedAt) {
            // A live row under the derived id is the user's (or another
            // device's) opening balance under another payee: keep it.
            qDebug() << "Opening balance backfill skipped for account" << account.id << "— its row is live";
            continue;
        }

        QDate date = probe.earliestDate.isValid() ? probe.earliestDate.addDays(-1) : account.createdAt.date();
        if (!date.isValid())
            date = QDate::currentDate();
        if (!migrateStartingBalance(app, account, date)) {
            qWarning() << "Opening balance backfill failed for account" << account.id << "— leaving startingBalance intact";
            continue;
        }
        ++migrated;
    }
    if (migrated > 0)
        qInfo() << "Migrated" << migrated << "account(s) to a real Opening Balance transaction";
    return migrated;
}

std::optional<Transaction> positiveLiabilityOpeningBalance(AppState *app, const QString &accountId)
{
    return liabilityOpeningBalance(app, accountId);
}

WriteResult fixLiabilityOpeningBalanceSign(AppState *app, const Transaction &shown)
{
    Transaction corrected = shown;
    corrected.amount = -corrected.amount;
    markEdited(corrected);
    return writeOverCopy(app, shown, [&](UserWrite &guard, const Transaction &stored) {
        // The account may have become a checking account meanwhile, where
        // a credit is no mistake.
        const std::optional<Transaction> offered = liabilityOpeningBalance(app, shown.accountId);
        return guard.expectCurrent(offered && offered->id == shown.id)
            && app->transactionRepository()->update(keptBookkeeping(corrected, stored));
    });
}

} // namespace TransactionActions
