#include "app/appstate.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "account/accountsharingservice.h"
#include "account/apiclient.h"
#include "account/client.h"
#include "account/clientconfig.h"
#include "services/accountoperations.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "sync/syncengine.h"
#include "services/categoryservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "ui/thememanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QUrl>

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qInfo() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->migrate())
        return false;

    m_accountRepository = new AccountRepository(m_database, this);
    m_transactionRepository = new TransactionRepository(m_database, this);
    m_categoryRepository = new CategoryRepository(m_database, this);
    m_preferencesRepository = new PreferencesRepository(m_database, this);
    m_splitLineRepository = new SplitLineRepository(m_database, this);
    m_recurringRepository = new RecurringRepository(m_database, this);
    m_reconciliationRepository = new ReconciliationRepository(m_database, this);
    m_categoryService = new CategoryService(m_categoryRepository, this);
    m_recurringService = new RecurringService(m_recurringRepository, m_transactionRepository, m_accountRepository,
                                              m_database, this);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_transactionRepository, m_categoryRepository, m_splitLineRepository,
                                        m_database, this);
    m_backupService = new BackupService(m_database, this);
    m_accountOperations = std::make_unique<AccountOperations>(m_database, m_accountRepository, m_transactionRepository,
                                                              m_recurringRepository, m_reconciliationRepository);

    const LumoAccount::ClientConfig config = clientConfigFromEnvironment();
    const QString syncUrl = syncServiceUrlFromEnvironment();
    qInfo() << "Auth:" << config.authBaseUrl;
    qInfo() << "Account:" << config.accountApiUrl;
    qInfo() << "Sync:" << syncUrl;
    m_onlineClient = new LumoAccount::Client(config, this);
    m_onlineClient->syncApi()->setBaseUrl(QUrl(syncUrl));
    m_syncEngine = new SyncEngine(m_onlineClient->syncApi(), m_accountRepository, m_transactionRepository,
                                  m_categoryRepository, m_recurringRepository, m_reconciliationRepository,
                                  m_splitLineRepository, m_preferencesRepository, m_database, this);
    m_sharingService = new LumoAccount::AccountSharingService(m_onlineClient->syncApi(), this);
    m_themeManager = new ThemeManager(m_preferencesRepository, this);

    runStartupWiring();

    Q_EMIT databaseReady();
    return true;
}

void AppState::runStartupWiring()
{
    // The last viewed account comes back without a change signal.
    if (const auto last = m_preferencesRepository->get(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;
}

namespace {

// A variable counts only when set and not empty; its bytes are UTF-8.
QString environmentOr(const char *name, const char *fallback)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? QString::fromUtf8(fallback) : QString::fromUtf8(value);
}

} // namespace

LumoAccount::ClientConfig AppState::clientConfigFromEnvironment()
{
    namespace Defaults = LumoAccount::Defaults;
    LumoAccount::ClientConfig config;
    config.authBaseUrl = environmentOr("AUTH_BASE_URL", Defaults::AuthBaseUrl);
    config.realm = environmentOr("AUTH_REALM_SLUG", Defaults::Realm);
    config.accountApiUrl = environmentOr("ACCOUNT_API_URL", Defaults::AccountApiUrl);
    config.clientId = environmentOr("AUTH_CLIENT_ID", Defaults::ClientId);
    config.appId = QString::fromUtf8(Defaults::AppId);
    config.appName = QStringLiteral("Lumora Tallyra");
    config.appVersion = QCoreApplication::applicationVersion();
    config.accountPortalUrl = environmentOr("ACCOUNT_PORTAL_URL", Defaults::AccountPortalUrl);
    return config;
}

QString AppState::syncServiceUrlFromEnvironment()
{
    return environmentOr("SYNC_API_URL", LumoAccount::Defaults::SyncApiUrl);
}

void AppState::setCurrentAccountId(const QString &id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    m_preferencesRepository->set(QStringLiteral("lastViewedAccountId"), id);
    Q_EMIT currentAccountChanged(id);
}
