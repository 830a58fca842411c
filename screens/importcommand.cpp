#include "screens/importcommand.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "services/accountoperations.h"

#include <QDateTime>
#include <QSet>
#include <QUuid>

namespace {

Account accountForSource(const QifTarget &target)
{
    Account account;
    account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    account.name = ImportCommand::newAccountName(target);
    account.accountType = target.suggestedType;
    account.currency = Currency::USD;
    account.version = 1;
    account.syncStatus = SyncStatus::Pending;
    account.createdAt = QDateTime::currentDateTimeUtc();
    account.updatedAt = account.createdAt;
    return account;
}

} // namespace

ImportCommand::ImportCommand(AppState *app)
    : m_app(app)
{
}

QString ImportCommand::newAccountName(const QifTarget &target)
{
    if (target.sourceName == target.displayName)
        return target.sourceName;
    const QString fileName = target.sourceName.mid(target.sourceName.lastIndexOf(u'/') + 1);
    const QString stem = fileName.left(fileName.indexOf(u'.'));
    return stem.isEmpty() ? target.displayName : stem;
}

QHash<QString, QString> ImportCommand::buildMapping(const QList<QifTarget> &targets,
                                                    const QStringList &transferAccounts,
                                                    const QList<Account> &accounts)
{
    QHash<QString, QString> mapping;
    QSet<QString> sources;
    for (const QifTarget &target : targets) {
        sources.insert(target.sourceName.toLower());
        mapping.insert(target.sourceName,
                       target.choice == QifTarget::Choice::ExistingAccount ? target.accountId : QString());
    }
    QHash<QString, QString> accountByName;
    for (const Account &account : accounts) {
        if (!account.deletedAt && !accountByName.contains(account.name.toLower()))
            accountByName.insert(account.name.toLower(), account.id);
    }
    for (const QString &name : transferAccounts) {
        const QString folded = name.toLower();
        if (sources.contains(folded) || !accountByName.contains(folded))
            continue;
        sources.insert(folded);
        mapping.insert(name, accountByName.value(folded));
    }
    return mapping;
}

ImportOutcome ImportCommand::runInOneTransaction(const std::function<bool(ImportOutcome &)> &createAccounts,
                                                const std::function<ImportResult()> &import)
{
    ImportOutcome outcome;
    // Outermost, so the write lock is taken before anything is read; the
    // import's own bulk write runs inside it.
    BulkWriteTransaction bulk(m_app->database());
    const auto aborted = [&] {
        outcome.result.aborted = true;
        outcome.result.failureReason = bulk.failureReason();
        return outcome;
    };
    if (!bulk.isActive())
        return aborted();
    if (!bulk.record(createAccounts(outcome))) {
        outcome.accountCreationFailed = true;
        return outcome;
    }
    outcome.result = import();
    if (!outcome.result.aborted && !bulk.commit())
        return aborted();
    return outcome;
}

ImportOutcome ImportCommand::runQif(const QifAnalysis &analysis, const QList<QifTarget> &targets)
{
    QList<QifTarget> resolved = targets;
    const auto createAccounts = [&](ImportOutcome &outcome) {
        for (QifTarget &target : resolved) {
            if (target.choice != QifTarget::Choice::CreateAccount)
                continue;
            const Account account = accountForSource(target);
            if (!m_app->accountOperations()->createAccount(account)) {
                outcome.failedAccountName = account.name;
                return false;
            }
            target.choice = QifTarget::Choice::ExistingAccount;
            target.accountId = account.id;
        }
        return true;
    };
    const auto import = [&] {
        const QHash<QString, QString> mapping =
            buildMapping(resolved, analysis.transferAccounts, m_app->accountRepository()->listAll());
        return m_app->importService()->importQif(analysis, mapping);
    };
    return runInOneTransaction(createAccounts, import);
}

ImportOutcome ImportCommand::runCsv(const QString &path, const QString &accountId, const CsvImportMapping &mapping,
                                    const std::optional<NewCsvAccount> &newAccount)
{
    const auto createAccount = [&](ImportOutcome &outcome) {
        if (!newAccount
            || m_app->accountOperations()->createAccountWithOpeningBalance(newAccount->account, newAccount->openingDate,
                                                                          newAccount->openingPayee))
            return true;
        outcome.failedAccountName = newAccount->account.name;
        return false;
    };
    return runInOneTransaction(createAccount,
                               [&] { return m_app->importService()->importCsv(path, accountId, mapping); });
}
