#include "sync/syncengine.h"

#include "account/apiclient.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/sqlvalues.h"
#include "data/transactionrepository.h"
#include "sync/syncapplier.h"
#include "sync/syncrecords.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <utility>

using namespace SyncRecords;

namespace {

const QString kCursorKey = QStringLiteral("syncCursor");
const QString kLastSyncKey = QStringLiteral("lastSyncTimestamp");
// Records waiting for a parent row; stored with the cursor that passed them.
const QString kKeptKey = QStringLiteral("syncKeptRecords");
// Ids of the accounts the service holds, as a JSON array.
const QString kAccountsFromServiceKey = QStringLiteral("syncAccountsFromService");

QString inFlightKey(const QString &entityType, const QString &id)
{
    return entityType + QLatin1Char('\n') + id;
}

} // namespace

SyncEngine::SyncEngine(LumoAccount::ApiClient *api, AccountRepository *accounts,
                       TransactionRepository *transactions, CategoryRepository *categories,
                       RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                       SplitLineRepository *splitLines, PreferencesRepository *preferences, Database *database,
                       QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_splitLines(splitLines)
    , m_preferences(preferences)
    , m_database(database)
    , m_applier(std::make_unique<SyncApplier>(database, accounts, transactions, categories, recurring,
                                              reconciliations, splitLines))
    , m_transferRepair(std::make_unique<TransferPairRepair>(database, transactions))
    , m_periodicTimer(new QTimer(this))
    , m_debounceTimer(new QTimer(this))
{
    m_debounceTimer->setSingleShot(true);
    m_debounceTimer->setInterval(kDebounceMs);
    connect(m_periodicTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    if (m_api) {
        connect(m_api, &LumoAccount::ApiClient::authenticationRequired, this, [this] { setState(Error); });
    }
    reloadKeptRecords();
    reloadAccountsFromService();
    if (m_database) {
        connect(m_database, &Database::bulkWriteFinished, this, [this] {
            // Let the writer finish unwinding before the sync touches the database.
            if (m_waitingStep)
                QTimer::singleShot(0, this, &SyncEngine::runWaitingStep);
        });
    }
}

SyncEngine::~SyncEngine() = default;

QString SyncEngine::stateToString(SyncState state)
{
    return stateToString(int(state));
}

QString SyncEngine::stateToString(int state)
{
    // Switching on the number keeps an out-of-range value defined behaviour.
    switch (state) {
    case Idle:
        return tr("Synced");
    case Syncing:
        return tr("Syncing...");
    case Error:
        return tr("Sync error");
    case Offline:
        return tr("Offline");
    }
    return tr("Unknown");
}

int SyncEngine::keptRecordCount() const
{
    return m_applier->keptCount();
}

bool SyncEngine::accountCameFromService(const QString &accountId) const
{
    return m_accountsFromService.contains(accountId);
}

void SyncEngine::reloadAccountsFromService()
{
    m_accountsFromService.clear();
    const QJsonArray ids = QJsonDocument::fromJson(m_preferences->value(kAccountsFromServiceKey).toUtf8()).array();
    for (const QJsonValue &id : ids)
        m_accountsFromService.insert(id.toString());
}

bool SyncEngine::rememberAccountsFromService(const QSet<QString> &accountIds)
{
    if (m_accountsFromService.contains(accountIds))
        return true;
    m_accountsFromService.unite(accountIds);
    QStringList sorted(m_accountsFromService.cbegin(), m_accountsFromService.cend());
    sorted.sort();
    const QJsonArray ids = QJsonArray::fromStringList(sorted);
    return m_preferences->set(kAccountsFromServiceKey,
                              QString::fromUtf8(QJsonDocument(ids).toJson(QJsonDocument::Compact)));
}

void SyncEngine::setState(SyncState state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void SyncEngine::syncNow()
{
    // The chain itself decides, not the state: authenticationRequired may
    // turn the state to Error just before the running chain's last reply.
    if (m_running) {
        m_resyncRequested = true;
        return;
    }
    m_running = true;
    m_resyncRequested = false;
    setState(Syncing);
    whenDatabaseFree([this] { startSync(); });
}

void SyncEngine::scheduleSync()
{
    m_debounceTimer->start();
}

void SyncEngine::startAutoSync(int intervalMs)
{
    m_periodicTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync()
{
    m_periodicTimer->stop();
}

void SyncEngine::forceFullSync()
{
    m_fullSyncRequested = true;
    if (!m_running)
        syncNow();
}

void SyncEngine::handleSignOut()
{
    stopAutoSync();
    // A sync scheduled just before sign-out would only fail without a token.
    m_debounceTimer->stop();
    m_signOutRequested = true;
    if (!m_running)
        forgetFeedPosition();
}

void SyncEngine::forgetFeedPosition()
{
    m_signOutRequested = false;
    SqlTransaction transaction(m_database);
    m_preferences->remove(kKeptKey);
    m_preferences->remove(kCursorKey);
    if (!transaction.commit())
        qWarning() << "Sync: could not forget the position in the change feed";
    reloadKeptRecords();
}

void SyncEngine::reloadKeptRecords()
{
    m_storedKept = m_preferences->value(kKeptKey);
    m_applier->restoreKept(m_storedKept);
}

void SyncEngine::prepareFullSync()
{
    // The marked rows and the forgotten cursor are one change. The feed is
    // read again from its start, so the kept records come again too.
    SqlTransaction transaction(m_database);
    const int accounts = m_accounts->markAllPendingForResync();
    const int categories = m_categories->markAllPendingForResync();
    const int transactions = m_transactions->markAllPendingForResync();
    const int recurrings = m_recurring->markAllPendingForResync();
    const int reconciliations = m_reconciliations->markAllPendingForResync();
    qInfo().nospace() << "Force Full Sync: marked pending — accounts: " << accounts << ", categories: " << categories
                      << ", transactions: " << transactions << ", recurrings: " << recurrings
                      << ", reconciliations: " << reconciliations;
    m_preferences->remove(kCursorKey);
    m_preferences->remove(kLastSyncKey);
    m_preferences->remove(kKeptKey);
    if (!transaction.commit())
        qWarning() << "Sync: could not prepare the full sync; syncing as usual";
    reloadKeptRecords();
}

void SyncEngine::whenDatabaseFree(std::function<void()> step)
{
    if (!m_database || !m_database->isBulkWriteInProgress()) {
        step();
        return;
    }
    m_waitingStep = std::move(step);
}

void SyncEngine::runWaitingStep()
{
    if (!m_waitingStep || (m_database && m_database->isBulkWriteInProgress()))
        return;
    std::function<void()> step = std::exchange(m_waitingStep, {});
    step();
}

void SyncEngine::startSync()
{
    if (m_fullSyncRequested) {
        m_fullSyncRequested = false;
        prepareFullSync();
    }
    pushChanges();
}

void SyncEngine::pushChanges()
{
    m_queue.clear();
    m_inFlight.clear();
    m_refused.clear();
    const auto add = [this](QLatin1String type, const auto &row, const QJsonObject &payload) {
        OutgoingChange change;
        change.entityType = type;
        change.id = row.id;
        change.version = row.version;
        change.updatedAt = row.updatedAt;
        change.record = changeRecord(type, row.id, row.version, row.deletedAt.has_value(), payload);
        m_queue.append(change);
    };
    for (const Account &account : m_accounts->listPendingSync())
        add(kAccount, account, accountPayload(account));
    for (const Category &category : m_categories->listPendingSync())
        add(kCategory, category, categoryPayload(category));
    for (const RecurringTransaction &rule : m_recurring->listPendingSync())
        add(kRecurring, rule, recurringPayload(rule));
    for (const Transaction &transaction : m_transactions->listPendingSync()) {
        const QList<SplitLine> lines =
            transaction.isSplit ? m_splitLines->listByTransaction(transaction.id) : QList<SplitLine>();
        add(kTransaction, transaction, transactionPayload(transaction, lines));
    }
    for (const Reconciliation &reconciliation : m_reconciliations->listPendingSync())
        add(kReconciliation, reconciliation, reconciliationPayload(reconciliation));

    if (m_queue.isEmpty()) {
        startPull();
        return;
    }
    qInfo() << "Pushing" << m_queue.size() << "changes (in batches of" << kPushBatchSize << ")";
    pushNextBatch();
}

void SyncEngine::pushNextBatch()
{
    m_inFlight.clear();
    if (m_queue.isEmpty()) {
        startPull();
        return;
    }
    const qsizetype count = std::min<qsizetype>(m_queue.size(), kPushBatchSize);
    QJsonArray changes;
    for (qsizetype i = 0; i < count; ++i) {
        const OutgoingChange &change = m_queue.at(i);
        changes.append(change.record);
        m_inFlight.insert(inFlightKey(change.entityType, change.id), change);
    }
    m_queue.remove(0, count);
    qInfo() << "Push batch:" << count << "changes," << m_queue.size() << "remaining";

    QJsonObject body;
    body.insert(QLatin1String("changes"), changes);
    QPointer<SyncEngine> self(this);
    m_api->post(QStringLiteral("/sync/push"), body, [self](bool ok, int httpStatus, const QJsonObject &reply) {
        if (!self)
            return;
        self->whenDatabaseFree([engine = self.data(), ok, httpStatus, reply] {
            engine->handlePushReply(ok, httpStatus, reply);
        });
    });
}

void SyncEngine::handlePushReply(bool ok, int httpStatus, const QJsonObject &body)
{
    if (!ok) {
        failSync(tr("Push failed (HTTP %1)").arg(httpStatus));
        return;
    }
    int accepted = 0;
    int rejected = 0;
    const QJsonArray results = body.value(QLatin1String("results")).toArray();
    // One commit for the whole batch's marks instead of one per row.
    SqlTransaction marks(m_database);
    QSet<QString> acceptedAccounts;
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        const QString status = readText(result, QLatin1String("status"));
        const QString entityType = readText(result, QLatin1String("entity_type"));
        const QString entityId = readText(result, QLatin1String("entity_id"));
        if (status == QLatin1String("ok")) {
            ++accepted;
            // Only rows of this batch are marked: a result naming any other
            // row says nothing about what that row holds now.
            const auto sent = m_inFlight.constFind(inFlightKey(entityType, entityId));
            if (sent != m_inFlight.constEnd()) {
                markAccepted(*sent, readText(result, QLatin1String("server_id")));
                if (sent->entityType == kAccount)
                    acceptedAccounts.insert(sent->id);
            }
        } else {
            ++rejected;
            const auto sent = m_inFlight.constFind(inFlightKey(entityType, entityId));
            const auto kind = SyncApplier::kindOfEntityType(entityType);
            if (sent != m_inFlight.constEnd() && kind)
                m_refused.append({*kind, sent->id, sent->version, sent->updatedAt});
            qWarning() << "Push result not ok — leaving record pending:" << entityType << entityId
                       << "status=" << status << "message=" << readText(result, QLatin1String("message"));
        }
    }
    // A mark that is not committed leaves its row pending: it goes again.
    if (!rememberAccountsFromService(acceptedAccounts) || !marks.commit()) {
        marks.rollback();
        reloadAccountsFromService();
    }
    if (rejected > 0)
        qWarning() << "Push batch:" << accepted << "ok," << rejected
                   << "errors — failed records remain pending for next sync";
    pushNextBatch();
}

void SyncEngine::markAccepted(const OutgoingChange &change, const QString &serverId)
{
    // A result without a server id keeps the one the row already has.
    QString id = serverId;
    if (id.isEmpty())
        id = readText(change.record.value(QLatin1String("payload")).toObject(), QLatin1String("server_id"));
    // Marked only while the row still holds what was sent: an edit or a
    // reorder made meanwhile stays pending for the next sync.
    if (change.entityType == kAccount)
        m_accounts->markSynced(change.id, id, change.version, change.updatedAt);
    else if (change.entityType == kCategory)
        m_categories->markSynced(change.id, id, change.version, change.updatedAt);
    else if (change.entityType == kRecurring)
        m_recurring->markSynced(change.id, id, change.version, change.updatedAt);
    else if (change.entityType == kTransaction)
        m_transactions->markSynced(change.id, id, change.version, change.updatedAt);
    else if (change.entityType == kReconciliation)
        m_reconciliations->markSynced(change.id, id, change.version, change.updatedAt);
}

void SyncEngine::startPull()
{
    m_pageCounter = 0;
    m_applier->beginSync(m_refused);
    pullChanges(m_preferences->value(kCursorKey, QString()));
}

void SyncEngine::pullChanges(const QString &cursor)
{
    QUrlQuery query;
    if (!cursor.isEmpty()) {
        // A literal "+" would read as a blank on the server.
        QString encoded = cursor;
        encoded.replace(QLatin1Char('%'), QLatin1String("%25")).replace(QLatin1Char('+'), QLatin1String("%2B"));
        query.addQueryItem(QStringLiteral("cursor"), encoded);
    }
    query.addQueryItem(QStringLiteral("limit"), QString::number(kPullPageSize));

    QPointer<SyncEngine> self(this);
    m_api->get(
        QStringLiteral("/sync/pull"),
        [self](bool ok, int httpStatus, const QJsonObject &reply) {
            if (!self)
                return;
            self->whenDatabaseFree([engine = self.data(), ok, httpStatus, reply] {
                engine->handlePullReply(ok, httpStatus, reply);
            });
        },
        query, LumoAccount::ReplyBody::JsonObject);
}

void SyncEngine::handlePullReply(bool ok, int httpStatus, const QJsonObject &body)
{
    if (!ok) {
        failSync(tr("Pull failed (HTTP %1)").arg(httpStatus));
        return;
    }

    // The page, its cursor and the records it leaves waiting are one bulk
    // write: a cursor never points past records that are neither in the
    // database nor kept there, and a page the store refuses part of the way
    // through keeps nothing and leaves the cursor where it was.
    const QString cursor = readText(body, QLatin1String("cursor"));
    QString failure;
    {
        BulkWriteTransaction page(m_database);
        const bool applied = m_applier->applyPage(body, page) && storePageState(cursor, page) && page.commit();
        if (!applied) {
            page.rollback();
            m_applier->rollBackPage();
            reloadAccountsFromService();
            failure = page.failed() ? page.failureReason() : BulkWriteTransaction::reasonFor(0, QString());
        }
    }
    if (!failure.isEmpty()) {
        failSync(tr("Pull failed (%1)").arg(failure));
        return;
    }
    m_storedKept = m_applier->keptState();

    if (body.contains(QLatin1String("integrity")))
        m_applier->checkIntegrity(body.value(QLatin1String("integrity")).toObject());

    const bool hasMore = readFlag(body, QLatin1String("has_more"));
    ++m_pageCounter;
    if (hasMore && cursor.isEmpty()) {
        // Without a cursor the next request would start the feed over.
        qWarning() << "Sync: the server reported more changes but no cursor; continuing with the next sync";
        completeSync();
        return;
    }
    if (hasMore && m_pageCounter < kMaxPullPages) {
        pullChanges(cursor);
        return;
    }
    if (!hasMore && m_pageCounter < kMaxPullPages && rereadFeedForRefusedChanges())
        return;
    completeSync();
}

bool SyncEngine::rereadFeedForRefusedChanges()
{
    // A refused change loses to the server's copy. When that copy came in an
    // earlier sync (the row's own earlier push, before a reorder that keeps
    // the version), only the feed from its start still holds it. Once per
    // refused change, so a change the server refuses for other reasons does
    // not cost a full read every time.
    bool unseen = false;
    for (const SyncApplier::RefusedChange &change : m_applier->unresolvedRefusals()) {
        const QString key = QStringLiteral("%1\n%2\n%3\n%4")
                                .arg(int(change.kind))
                                .arg(change.id)
                                .arg(change.version)
                                .arg(change.updatedAt.toString(Qt::ISODateWithMs));
        if (!m_rereadFor.contains(key)) {
            m_rereadFor.insert(key);
            unseen = true;
        }
    }
    if (!unseen)
        return false;
    qInfo() << "Sync: reading the change feed again from its start for the server's copies of refused changes";
    pullChanges(QString());
    return true;
}

bool SyncEngine::storePageState(const QString &cursor, BulkWriteTransaction &page)
{
    if (!cursor.isEmpty() && !page.record(m_preferences->set(kCursorKey, cursor)))
        return false;
    if (!page.record(rememberAccountsFromService(m_applier->accountsOnPage())))
        return false;
    const QString kept = m_applier->keptState();
    if (kept == m_storedKept)
        return true;
    return page.record(kept.isEmpty() ? m_preferences->remove(kKeptKey) : m_preferences->set(kKeptKey, kept));
}

void SyncEngine::completeSync()
{
    // Pulled legs of one transfer may carry different devices' changes; the
    // repair is an ordinary local change that the next push sends.
    if (m_database)
        m_transferRepair->repairBrokenPairs();
    m_preferences->set(kLastSyncKey, SqlValues::nowUtcIso());
    setState(Idle);
    Q_EMIT syncCompleted();
    Q_EMIT dataChanged();
    finishSync(true);
}

void SyncEngine::failSync(const QString &error)
{
    m_lastError = error;
    setState(Error);
    Q_EMIT syncFailed(error);
    // A re-run requested during a failed sync waits for the next trigger.
    finishSync(false);
}

void SyncEngine::finishSync(bool succeeded)
{
    m_running = false;
    m_queue.clear();
    m_inFlight.clear();
    m_refused.clear();
    m_applier->logKept();
    if (m_signOutRequested)
        forgetFeedPosition();
    // Started from the event loop, never from inside the request callback.
    if (m_fullSyncRequested || (succeeded && m_resyncRequested)) {
        m_resyncRequested = false;
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
    }
}
