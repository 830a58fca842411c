#include "register/writeresultprompt.h"

#include "register/userprompts.h"

#include <QCoreApplication>

namespace WriteResultPrompt {

bool reportRefusal(WriteResult result, Subject subject, QWidget *parent)
{
    if (result == WriteResult::ChangedElsewhere) {
        QString title;
        QString text;
        switch (subject) {
        case Subject::Transaction:
            title = QCoreApplication::translate("WriteResultPrompt", "Transaction Changed");
            text = QCoreApplication::translate("WriteResultPrompt", "This transaction was changed or deleted elsewhere. It has been reloaded.");
            break;
        case Subject::RecurringRule:
            title = QCoreApplication::translate("WriteResultPrompt", "Recurring Transaction Changed");
            text = QCoreApplication::translate("WriteResultPrompt", "This recurring transaction was changed or deleted elsewhere. It has been reloaded.");
            break;
        case Subject::Account:
            title = QCoreApplication::translate("WriteResultPrompt", "Account Changed");
            text = QCoreApplication::translate("WriteResultPrompt",
                "This account was changed or deleted elsewhere. It has been reloaded.");
            break;
        case Subject::Category:
            title = QCoreApplication::translate("WriteResultPrompt", "Category Changed");
            text = QCoreApplication::translate("WriteResultPrompt",
                "This category was changed or deleted elsewhere. It has been reloaded.");
            break;
        case Subject::Reconciliation:
            title = QCoreApplication::translate("WriteResultPrompt", "Reconciliation Changed");
            text = QCoreApplication::translate("WriteResultPrompt", "A transaction in this reconciliation was changed or deleted elsewhere. "
                      "The reconciliation has been reloaded.");
            break;
        }
        UserPrompts::current()->information(parent, title, text);
        return true;
    }
    if (result == WriteResult::AccountNotLive) {
        UserPrompts::current()->information(parent, QCoreApplication::translate("WriteResultPrompt", "Account Deleted"),
            QCoreApplication::translate("WriteResultPrompt", "This account was deleted elsewhere, so nothing was written to it."));
        return true;
    }
    return false;
}

QString failureReason(const Database *database)
{
    const Database::Failure &failure = database->lastFailure();
    return failure.isFailure() ? failure.reason() : QString();
}

} // namespace WriteResultPrompt
