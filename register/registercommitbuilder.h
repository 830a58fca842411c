#pragma once

#include "data/transaction.h"
#include "data/userwrite.h"
#include "register/registermodel.h"

#include <QString>

#include <optional>

class AppState;

// Turns what is typed into the register's row under edit into the rows to
// write, and writes them: a new transaction, with the other account's leg
// when its payee names a transfer, or the edited transaction. It holds no
// widgets: the screen asks it, then shows the outcome.
class RegisterCommitBuilder
{
public:
    // Why the typed row cannot be written; the row keeps what was typed.
    enum class Refusal {
        None,
        PayeeMissing,
        AmountMissing,
        AmountUnreadable,
        CategoryUnknown,
        TransferAccountNotFound,
        TransferCurrenciesDiffer,
    };

    struct Commit
    {
        Refusal refusal = Refusal::None;
        // With AmountUnreadable: the amount text that does not read.
        QString unreadableAmount;
        // With CategoryUnknown: the typed category text that names none.
        QString unknownCategory;
        bool isNew = true;
        // A new record with a fresh id, or the stored one with the typed
        // fields written over it and marked as a local change.
        Transaction transaction;
        // A new transfer's leg in the other account.
        std::optional<Transaction> counterpart;
        // The row as the register showed it, for an edit: the write happens
        // only while it is still what is stored.
        std::optional<Transaction> copy;
    };

    RegisterCommitBuilder(AppState *app, const QString &accountId);

    // The row to write for the model's edit buffer: a new transaction, or
    // `stored` (the row being edited) changed as typed.
    Commit build(const RegisterModel &model, const std::optional<Transaction> &stored = std::nullopt) const;
    // Writes a commit that was not refused: both legs of a transfer or
    // neither, only into live accounts and only over an unchanged row.
    WriteResult write(const Commit &commit) const;

    // The category of the buffer: the id chosen from a list, kept as it is
    // (a soft-deleted category's too), else the category whose label, or
    // failing that whose name, is the typed text; empty when none is.
    QString categoryId(const RegisterModel::EditBuffer &buffer) const;

private:
    AppState *m_app;
    QString m_accountId;
};
