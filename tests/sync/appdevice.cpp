#include "appdevice.h"

#include "account/apiclient.h"
#include "account/client.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/recordid.h"
#include "data/transactionrepository.h"
#include "register/transactionactions.h"
#include "services/accountoperations.h"
#include "support/environmentoverride.h"
#include "support/memorytokenstore.h"
#include "sync/syncengine.h"
#include "syncfixture.h"

#include <QSignalSpy>
#include <QSqlQuery>

AppDevice::AppDevice(const QString &syncUrl)
    : m_syncUrl(syncUrl)
{
}

AppDevice::~AppDevice() = default;

bool AppDevice::start()
{
    m_state.reset();
    // Both are read while the state initializes, and only then.
    const EnvironmentOverride dataDir("TALLYRA_DATA_DIR", m_dir.path().toUtf8());
    const EnvironmentOverride syncUrl("SYNC_API_URL", m_syncUrl.toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<MemoryTokenStore>());
    if (!m_state->initialize())
        return false;
    LumoAccount::ApiClient *api = m_state->onlineClient()->syncApi();
    api->setTransferTimeout(30000);
    api->setRequestDeadline(60000);
    return true;
}

bool AppDevice::restart()
{
    return start();
}

bool AppDevice::sync(int timeoutMs)
{
    SyncEngine *engine = m_state->syncEngine();
    QSignalSpy completed(engine, &SyncEngine::syncCompleted);
    QSignalSpy failed(engine, &SyncEngine::syncFailed);
    engine->syncNow();
    waitUntil([&] { return !completed.isEmpty() || !failed.isEmpty(); }, timeoutMs);
    return completed.count() == 1 && failed.isEmpty();
}

QString AppDevice::addAccount(const QString &name, qint64 openingBalance, const QDate &openingDate)
{
    Account account;
    account.id = newRecordId();
    account.name = name;
    account.startingBalance = openingBalance;
    account.createdAt = QDateTime::currentDateTimeUtc();
    account.updatedAt = account.createdAt;
    if (!m_state->accountOperations()->createAccountWithOpeningBalance(account, openingDate,
                                                                        QStringLiteral("Opening Balance")))
        return QString();
    return account.id;
}

QString AppDevice::addTransaction(const QString &accountId, const QDate &date, const QString &payee, qint64 amount)
{
    Transaction transaction;
    transaction.id = newRecordId();
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    transaction.createdAt = QDateTime::currentDateTimeUtc();
    transaction.updatedAt = transaction.createdAt;

    QString targetId;
    std::optional<Transaction> counterpart;
    const int resolution = TransactionActions::resolveTransferTarget(m_state.get(), accountId, transaction.payee, targetId);
    if (resolution == TransactionActions::TransferTargetFound)
        counterpart = TransactionActions::makeTransferCounterpart(m_state.get(), transaction, targetId);
    else if (resolution != TransactionActions::NotATransfer)
        return QString();
    if (TransactionActions::insertNewTransaction(m_state.get(), transaction, counterpart) != WriteResult::Written)
        return QString();
    return transaction.id;
}

bool AppDevice::editTransaction(const QString &id, const std::function<void(Transaction &)> &change)
{
    const std::optional<Transaction> stored = transaction(id);
    if (!stored)
        return false;
    Transaction edited = *stored;
    change(edited);
    markEdited(edited);
    return TransactionActions::updateTransaction(m_state.get(), edited, *stored) == WriteResult::Written;
}

std::optional<Transaction> AppDevice::transaction(const QString &id) const
{
    return m_state->transactionRepository()->findById(id);
}

std::optional<Transaction> AppDevice::openingBalance(const QString &accountId) const
{
    return transaction(TransactionRepository::openingBalanceId(accountId));
}

int AppDevice::liveTransactionCount(const QString &accountId) const
{
    return int(m_state->transactionRepository()->listByAccount(accountId).size());
}

int AppDevice::pendingCount() const
{
    QSqlQuery query(*m_state->database()->db());
    query.exec(QStringLiteral(
        "SELECT (SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending')"
        " + (SELECT COUNT(*) FROM categories WHERE sync_status = 'pending')"
        " + (SELECT COUNT(*) FROM recurring_transactions WHERE sync_status = 'pending')"
        " + (SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending')"
        " + (SELECT COUNT(*) FROM reconciliations WHERE sync_status = 'pending')"));
    return query.next() ? query.value(0).toInt() : -1;
}

bool AppDevice::exec(const QString &sql) const
{
    QSqlQuery query(*m_state->database()->db());
    return query.exec(sql);
}
