#pragma once

#include "data/account.h"
#include "services/importservice.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class AppState;

// Where the records of one QIF source account go.
struct QifTarget
{
    enum class Choice { CreateAccount, Skip, ExistingAccount };

    QString sourceName;
    QString displayName;
    bool noAccountHeader = false;
    AccountType suggestedType = AccountType::Checking;
    Choice choice = Choice::CreateAccount;
    QString accountId; // with ExistingAccount
};

// A new account for a CSV import, made from the account form.
struct NewCsvAccount
{
    Account account; // its starting balance becomes the opening balance
    QDate openingDate;
    QString openingPayee;
};

struct ImportOutcome
{
    ImportResult result;
    // Set when an account could not be created: nothing was kept.
    bool accountCreationFailed = false;
    QString failedAccountName;
};

// Runs one import with the accounts it needs: new accounts and the import
// are one bulk write, so an import that fails leaves no account behind, and
// a failed write or commit reports the import as aborted, with the reason.
class ImportCommand
{
public:
    explicit ImportCommand(AppState *app);

    ImportOutcome runQif(const QifAnalysis &analysis, const QList<QifTarget> &targets);
    ImportOutcome runCsv(const QString &path, const QString &accountId, const CsvImportMapping &mapping,
                         const std::optional<NewCsvAccount> &newAccount = std::nullopt);

    // The name of the account made for a source: a file without account
    // header names it by the file name up to its first ".".
    static QString newAccountName(const QifTarget &target);
    // The mapping handed to the service. Transfer accounts that are no
    // source of these files are mapped to the live account of that name
    // (letter case aside), so a transfer links to a leg imported earlier.
    static QHash<QString, QString> buildMapping(const QList<QifTarget> &targets, const QStringList &transferAccounts,
                                               const QList<Account> &accounts);

private:
    ImportOutcome runInOneTransaction(const std::function<bool(ImportOutcome &)> &createAccounts,
                                      const std::function<ImportResult()> &import);

    AppState *m_app;
};
