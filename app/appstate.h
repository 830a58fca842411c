#pragma once

#include <QObject>
#include <QString>

#include <memory>

class AccountOperations;
class Database;
class AccountRepository;
class TransactionRepository;
class CategoryRepository;
class PreferencesRepository;
class SplitLineRepository;
class RecurringRepository;
class ReconciliationRepository;
class CategoryService;
class RecurringService;
class ReportService;
class BackupService;
class ThemeManager;
class ImportService;
class SyncEngine;
namespace LumoAccount {
class AccountSharingService;
class Client;
struct ClientConfig;
class TokenStore;
}

// Builds and owns every long-lived service; screens reach data through it.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // False when the database cannot be opened, migrated or given its
    // default categories; database()->lastFailure() then says why.
    bool initialize();
    // Keeps the online client's tokens in this store instead of the
    // platform's; set before initialize() (tests keep them in memory).
    void setTokenStore(std::unique_ptr<LumoAccount::TokenStore> store);

    Database *database() const { return m_database; }
    AccountRepository *accountRepository() const { return m_accountRepository; }
    TransactionRepository *transactionRepository() const { return m_transactionRepository; }
    CategoryRepository *categoryRepository() const { return m_categoryRepository; }
    PreferencesRepository *preferencesRepository() const { return m_preferencesRepository; }
    SplitLineRepository *splitLineRepository() const { return m_splitLineRepository; }
    RecurringRepository *recurringRepository() const { return m_recurringRepository; }
    ReconciliationRepository *reconciliationRepository() const { return m_reconciliationRepository; }
    CategoryService *categoryService() const { return m_categoryService; }
    RecurringService *recurringService() const { return m_recurringService; }
    ReportService *reportService() const { return m_reportService; }
    BackupService *backupService() const { return m_backupService; }
    ThemeManager *themeManager() const { return m_themeManager; }
    ImportService *importService() const { return m_importService; }
    LumoAccount::Client *onlineClient() const { return m_onlineClient; }
    SyncEngine *syncEngine() const { return m_syncEngine; }
    LumoAccount::AccountSharingService *sharingService() const { return m_sharingService; }
    AccountOperations *accountOperations() const { return m_accountOperations.get(); }

    // The online client's configuration and the sync service address, from
    // the environment where set, else the built-in defaults.
    static LumoAccount::ClientConfig clientConfigFromEnvironment();
    static QString syncServiceUrlFromEnvironment();

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &id);

    // A backup restore writes rows past the repositories: this raises every
    // repository's change signal, for every account, so each view that
    // follows them reloads and a signed-in user's data is synced.
    void announceRestoredData();

public Q_SLOTS:
    void onLoginSucceeded();

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    void runStartupWiring();
    void applyInterfacePreferences();
    void connectOnlineClient();
    void onStartupTokenRefreshed(bool ok);
    void startAutoSync();

    Database *m_database = nullptr;
    AccountRepository *m_accountRepository = nullptr;
    TransactionRepository *m_transactionRepository = nullptr;
    CategoryRepository *m_categoryRepository = nullptr;
    PreferencesRepository *m_preferencesRepository = nullptr;
    SplitLineRepository *m_splitLineRepository = nullptr;
    RecurringRepository *m_recurringRepository = nullptr;
    ReconciliationRepository *m_reconciliationRepository = nullptr;
    CategoryService *m_categoryService = nullptr;
    RecurringService *m_recurringService = nullptr;
    ReportService *m_reportService = nullptr;
    BackupService *m_backupService = nullptr;
    ThemeManager *m_themeManager = nullptr;
    ImportService *m_importService = nullptr;
    LumoAccount::Client *m_onlineClient = nullptr;
    SyncEngine *m_syncEngine = nullptr;
    LumoAccount::AccountSharingService *m_sharingService = nullptr;
    std::unique_ptr<AccountOperations> m_accountOperations;
    std::unique_ptr<LumoAccount::TokenStore> m_tokenStore;
    QString m_currentAccountId;
};
