#pragma once

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include "sync/syncapplier.h"
#include "sync/transferpairrepair.h"

#include <functional>
#include <memory>

class AccountRepository;
class BulkWriteTransaction;
class CategoryRepository;
class Database;
class PreferencesRepository;
class QTimer;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;

namespace LumoAccount {
class ApiClient;
}

// Keeps the local database and the online sync service in step: a sync
// pushes every pending row, then pulls the server's changes page by page.
// Everything runs on the GUI thread through timer and request callbacks.
class SyncEngine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(SyncState state READ state NOTIFY stateChanged)

public:
    enum SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };
    Q_ENUM(SyncState)

    static constexpr int kDebounceMs = 2000;
    static constexpr int kPushBatchSize = 500;
    static constexpr int kPullPageSize = 200;
    static constexpr int kMaxPullPages = 50;

    // The database is the one the repositories work on: pulled pages are
    // applied in its transactions, and no sync step runs while it holds a
    // bulk write (an import) open.
    SyncEngine(LumoAccount::ApiClient *api, AccountRepository *accounts, TransactionRepository *transactions,
               CategoryRepository *categories, RecurringRepository *recurring,
               ReconciliationRepository *reconciliations, SplitLineRepository *splitLines,
               PreferencesRepository *preferences, Database *database, QObject *parent = nullptr);
    ~SyncEngine() override;

    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }

    void syncNow();
    void scheduleSync();
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    // Marks every live row pending again, forgets the cursor and the last
    // sync time, and syncs. During a running sync it waits for its end, so
    // that sync cannot store a cursor after it was forgotten.
    void forceFullSync();

    static QString stateToString(SyncState state);
    // A state that arrives as a number: "Unknown" for values outside SyncState.
    static QString stateToString(int state);

    // Sign-out: stops automatic sync and forgets the signed-out user's place
    // in the change feed, the kept records with the cursor (a later sign-in
    // reads the feed from the start, so nothing kept is lost). During a
    // running sync it waits for its end.
    void handleSignOut();

    // Server records kept because they could not be applied yet; they are
    // stored with the cursor and survive a restart.
    int keptRecordCount() const;

    // True for an account that a pull brought or the service accepted from
    // a push: its data lives on the service and arrives by pull, so nothing
    // made up here may stand in for it. Kept in the database; no local edit
    // undoes it.
    bool accountCameFromService(const QString &accountId) const;

Q_SIGNALS:
    void stateChanged(SyncState state);
    void syncCompleted();
    void syncFailed(const QString &error);
    void dataChanged();

private:
    struct OutgoingChange
    {
        QString entityType;
        QString id;
        int version = 0;
        QDateTime updatedAt;
        QJsonObject record;
    };

    void startSync();
    void pushChanges();
    void pushNextBatch();
    void handlePushReply(bool ok, int httpStatus, const QJsonObject &body);
    void markAccepted(const OutgoingChange &change, const QString &serverId);
    void startPull();
    void pullChanges(const QString &cursor);
    void handlePullReply(bool ok, int httpStatus, const QJsonObject &body);
    void completeSync();
    void failSync(const QString &error);
    void finishSync(bool succeeded);
    void setState(SyncState state);
    void prepareFullSync();
    void forgetFeedPosition();
    void reloadKeptRecords();
    bool storePageState(const QString &cursor, BulkWriteTransaction &page);
    // Adds the accounts to the stored list; false when the write failed.
    bool rememberAccountsFromService(const QSet<QString> &accountIds);
    void reloadAccountsFromService();
    bool rereadFeedForRefusedChanges();
    // Runs the step now, or once the database's bulk write has ended.
    void whenDatabaseFree(std::function<void()> step);
    void runWaitingStep();

    LumoAccount::ApiClient *m_api;
    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    RecurringRepository *m_recurring;
    ReconciliationRepository *m_reconciliations;
    SplitLineRepository *m_splitLines;
    PreferencesRepository *m_preferences;
    Database *m_database;
    std::unique_ptr<SyncApplier> m_applier;
    std::unique_ptr<TransferPairRepair> m_transferRepair;

    QTimer *m_periodicTimer;
    QTimer *m_debounceTimer;
    SyncState m_state = Idle;
    QString m_lastError;
    int m_pageCounter = 0;
    bool m_running = false;
    bool m_resyncRequested = false;
    bool m_fullSyncRequested = false;
    bool m_signOutRequested = false;
    QList<OutgoingChange> m_queue;
    QList<SyncApplier::RefusedChange> m_refused;
    // Refused changes the feed has already been read again for.
    QSet<QString> m_rereadFor;
    // The kept records as last stored.
    QString m_storedKept;
    QSet<QString> m_accountsFromService;
    QHash<QString, OutgoingChange> m_inFlight;
    std::function<void()> m_waitingStep;
};
