#pragma once

#include "data/account.h"
#include "data/splitline.h"
#include "data/transaction.h"
#include "data/userwrite.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class AppState;
class QWidget;

// Operations on one transaction shared by the register, the search screen,
// the main window and start-up. Every write of several rows is one SQL
// transaction: it happens whole or not at all.
namespace TransactionActions {

// A payee starting with this (case-sensitive, never translated) names the
// other account of a transfer.
QString transferPrefix();

// The payees followed by "[Transfer] <name>" for every account but the own
// one, each entry once: the payee completion of the register and the form.
QStringList withTransferPayees(QStringList payees, const QList<Account> &accounts, const QString &ownAccountId);

enum TransferResolution {
    NotATransfer = 0,
    TransferTargetFound = 1,
    TransferAccountNotFound = 2,
    TransferCurrenciesDiffer = 3,
};

// The actions that prompt take the record by value: a reload while the
// prompt runs may replace the rows it was shown from. A record without an
// id (the opening balance still held on the account) is refused: false,
// nothing written. Deleting, editing, splitting and the cleared mark write
// only while the stored row still matches the copy and its account is live
// (UserWrite); otherwise they write nothing, tell the user and return false,
// and the caller shows what is stored.

// Asks, then deletes the transaction and its transfer partner. The opening
// balance is never deleted. True when deleted.
bool confirmDelete(AppState *app, Transaction transaction, QWidget *parent = nullptr);
// Opens the new-transaction form seeded with a copy dated today; true when
// the copy was saved. savedIds, when given, receives the ids written.
bool duplicateTransaction(AppState *app, Transaction transaction, QWidget *parent = nullptr,
    QStringList *savedIds = nullptr);
// True when the form was accepted and the change saved.
bool editTransaction(AppState *app, Transaction transaction, QWidget *parent = nullptr);
// What was typed into a register row and not saved yet: the form shows it
// over what is stored, the category text as typed when it names none.
struct TypedEntry
{
    Transaction values;
    QString categoryText;
};
// The same, the form showing the typing over the stored values.
bool editTransaction(AppState *app, Transaction transaction, const TypedEntry &typed, QWidget *parent);
// True when the split editor was accepted and the change saved.
bool editSplits(AppState *app, Transaction transaction, QWidget *parent = nullptr);
// False, writing nothing, for a reconciled transaction, one without an id or
// a failed write (reported).
bool toggleCleared(AppState *app, Transaction transaction, QWidget *parent = nullptr);
// The same, on a reconciled transaction too (the register's row menu).
bool flipCleared(AppState *app, Transaction transaction, QWidget *parent = nullptr);
// Opens the new-transaction form (prefilled from seed when given); a
// "[Transfer] " payee saves both legs. True when saved; savedIds, when
// given, receives the ids written (both legs of a transfer).
bool newTransaction(AppState *app, const QString &accountId, const Transaction *seed = nullptr,
    QWidget *parent = nullptr, const QString &typedCategory = QString(), QStringList *savedIds = nullptr);

// Says what a form holds that it cannot save as it stands ("Check the
// Entries" over parent); false, saying nothing, for an empty problem. A form
// that refuses its own OK passes itself, so it stays where it is, with
// everything typed.
bool refuseEntryProblem(const QString &problem, QWidget *parent);
// Split lines must each name a category: says so over parent and returns
// false when one does not.
bool splitLinesHaveCategories(const QList<SplitLine> &lines, QWidget *parent);

// For a "[Transfer] Name" payee: finds the live account called Name (never
// the source account itself) and rewrites payee to "Transfer to Name".
int resolveTransferTarget(AppState *app, const QString &sourceAccountId, QString &payee, QString &targetAccountId);
// Links transaction (which must have its final id) to a new mirrored leg in
// the target account and returns that leg, still unsaved.
Transaction makeTransferCounterpart(AppState *app, Transaction &transaction, const QString &targetAccountId);
// Inserts a new transaction, its transfer counterpart first when given, and
// its split lines, all or nothing, and only into live accounts.
WriteResult insertNewTransaction(AppState *app, const Transaction &transaction,
    const std::optional<Transaction> &counterpart = std::nullopt, const QList<SplitLine> &splitLines = {});
// Writes the edited transaction while its stored row is still `copy` (the
// row the edit was made from); the other leg of a transfer takes its date
// and the negated amount. Both or neither.
WriteResult updateTransaction(AppState *app, const Transaction &edited, const Transaction &copy);
// Soft-deletes the transaction and its live transfer partner, both or
// neither, while its stored row is still `copy`.
WriteResult deleteTransaction(AppState *app, const Transaction &copy);
// Replaces the transaction's split lines with lines, all or nothing.
bool saveSplitLines(AppState *app, const Transaction &transaction, const QList<SplitLine> &lines);

bool setOpeningBalance(AppState *app, const QString &accountId, qint64 amount, const QDate &date);
// Turns legacy starting balances into opening-balance transactions; returns
// how many accounts were migrated.
int backfillOpeningBalances(AppState *app);
std::optional<Transaction> positiveLiabilityOpeningBalance(AppState *app, const QString &accountId);
// Turns the sign of the opening balance that positiveLiabilityOpeningBalance
// gave, while it is stored as shown and still offered for the repair.
WriteResult fixLiabilityOpeningBalanceSign(AppState *app, const Transaction &shown);

// An amount with the dollar sign, in the digits of the account's currency.
QString dollarText(qint64 amount, Currency currency);
// The currency of the account; USD when it cannot be read.
Currency accountCurrency(AppState *app, const QString &accountId);

} // namespace TransactionActions
