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
#include "account/authclient.h"
#include "account/accountclient.h"
#include "account/clientconfig.h"
#include "account/tokenstore.h"
#include "app/uiprefs.h"
#include "data/money.h"
#include "register/transactionactions.h"
#include "services/accountoperations.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "sync/syncengine.h"
#include "services/categoryservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QColor>
#include <QDebug>
#include <QPointer>
#include <QSettings>
#include <QUrl>

#include <memory>

namespace {

constexpr int kAutoSyncIntervalMs = 300000;

} // namespace

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
    m_categoryService = new CategoryService(m_database, m_categoryRepository, this);
    m_recurringService = new RecurringService(m_recurringRepository, m_transactionRepository, m_accountRepository,
                                              m_database, this);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_transactionRepository, m_categoryRepository, m_splitLineRepository,
                                        m_database, this);
    m_backupService = new BackupService(m_database, this);
    m_accountOperations = std::make_unique<AccountOperations>(m_database, m_accountRepository, m_transactionRepository,
                                                              m_recurringRepository, m_reconciliationRepository);
    // A register without its category tree is not started: the next start
    // writes it whole.
    if (!m_categoryService->ensureDefaultCategories()) {
        qCritical().noquote() << "Cannot write the default categories:" << m_database->lastFailure().reason();
        return false;
    }

    const LumoAccount::ClientConfig config = clientConfigFromEnvironment();
    const QString syncUrl = syncServiceUrlFromEnvironment();
    qInfo() << "Auth:" << config.authBaseUrl;
    qInfo() << "Account:" << config.accountApiUrl;
    qInfo() << "Sync:" << syncUrl;
    m_onlineClient = m_tokenStore ? new LumoAccount::Client(config, std::move(m_tokenStore), this)
                                  : new LumoAccount::Client(config, this);
    m_onlineClient->syncApi()->setBaseUrl(QUrl(syncUrl));
    m_syncEngine = new SyncEngine(m_onlineClient->syncApi(), m_accountRepository, m_transactionRepository,
                                  m_categoryRepository, m_recurringRepository, m_reconciliationRepository,
                                  m_splitLineRepository, m_preferencesRepository, m_database, this);
    m_sharingService = new LumoAccount::AccountSharingService(m_onlineClient->syncApi(), this);

    runStartupWiring();

    Q_EMIT databaseReady();
    return true;
}

void AppState::setTokenStore(std::unique_ptr<LumoAccount::TokenStore> store)
{
    m_tokenStore = std::move(store);
}

void AppState::runStartupWiring()
{
    applyInterfacePreferences();

    TransactionActions::backfillOpeningBalances(this);
    // Pulled accounts may still carry a legacy starting balance.
    connect(m_syncEngine, &SyncEngine::dataChanged, this, [this] { TransactionActions::backfillOpeningBalances(this); });

    connectOnlineClient();

    // The last viewed account comes back without a change signal.
    if (const auto last = m_preferencesRepository->get(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;
}

void AppState::applyInterfacePreferences()
{
    UiPrefs::baseFont() = QApplication::font();

    bool isNumber = false;
    const int scale = m_preferencesRepository->value(QStringLiteral("fontScale"), QStringLiteral("100")).toInt(&isNumber);
    UiPrefs::setFontScalePercent(isNumber ? scale : 100);

    const QColor accent(m_preferencesRepository->value(QStringLiteral("accentColor"), QStringLiteral("#00897B")));
    if (accent.isValid())
        UiPrefs::accentColor() = accent;

    setAmountAutoDecimal(m_preferencesRepository->boolValue(QStringLiteral("amountAutoDecimal"), false));

    m_themeManager = new ThemeManager(m_preferencesRepository, this);
    m_themeManager->setThemeByName(m_preferencesRepository->value(QStringLiteral("theme"), QStringLiteral("system")));

    if (const auto stored = m_preferencesRepository->get(QStringLiteral("weekStartDay"))) {
        const int day = stored->toInt(&isNumber);
        if (isNumber && day >= 1 && day <= 7)
            UiPrefs::weekStartDay() = day;
    }
}

void AppState::connectOnlineClient()
{
    m_onlineClient->initialize();
    LumoAccount::AuthClient *auth = m_onlineClient->authClient();
    connect(auth, &LumoAccount::AuthClient::loginSucceeded, this, &AppState::onLoginSucceeded);
    connect(auth, &LumoAccount::AuthClient::logoutCompleted, m_syncEngine, &SyncEngine::handleSignOut);

    if (m_onlineClient->isAuthenticated()) {
        QPointer<AppState> self(this);
        auth->refreshToken([self](bool ok) {
            if (self)
                self->onStartupTokenRefreshed(ok);
        });
    } else if (auth->state() == LumoAccount::AuthState::Initial) {
        // Only a refresh token was stored: the client is refreshing it now,
        // and its outcome decides whether automatic sync starts.
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = connect(auth, &LumoAccount::AuthClient::stateChanged, this, [this, once](LumoAccount::AuthState state) {
            if (state == LumoAccount::AuthState::Initial)
                return;
            disconnect(*once);
            onStartupTokenRefreshed(state == LumoAccount::AuthState::SignedIn);
        });
    }

    // A signed-out user has nothing to sync: scheduling one would only
    // end in a failure message.
    const auto scheduleWhenSignedIn = [this] {
        if (m_onlineClient->isAuthenticated())
            m_syncEngine->scheduleSync();
    };
    connect(m_accountRepository, &AccountRepository::accountsChanged, m_syncEngine, scheduleWhenSignedIn);
    connect(m_transactionRepository, &TransactionRepository::transactionsChanged, m_syncEngine, scheduleWhenSignedIn);
    connect(m_categoryRepository, &CategoryRepository::categoriesChanged, m_syncEngine, scheduleWhenSignedIn);
}

void AppState::onStartupTokenRefreshed(bool ok)
{
    const bool authenticated = m_onlineClient->isAuthenticated();
    qInfo() << "Startup token refresh:" << (ok ? "ok" : "failed") << "— authenticated=" << authenticated;
    if (!authenticated)
        return;
    qInfo() << "Startup: starting auto-sync + immediate sync";
    startAutoSync();
}

void AppState::onLoginSucceeded()
{
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    m_onlineClient->accountClient()->registerDevice();
    qInfo() << "loginSucceeded: starting auto-sync + immediate sync";
    startAutoSync();
}

void AppState::startAutoSync()
{
    m_syncEngine->startAutoSync(kAutoSyncIntervalMs);
    m_syncEngine->scheduleSync();
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

void AppState::announceRestoredData()
{
    Q_EMIT m_accountRepository->accountsChanged();
    Q_EMIT m_categoryRepository->categoriesChanged();
    Q_EMIT m_recurringRepository->recurringChanged();
    Q_EMIT m_reconciliationRepository->reconciliationsChanged();
    QList<Account> accounts = m_accountRepository->listAll();
    accounts += m_accountRepository->listDeleted();
    for (const Account &account : std::as_const(accounts))
        Q_EMIT m_transactionRepository->transactionsChanged(account.id);
}

void AppState::setCurrentAccountId(const QString &id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    m_preferencesRepository->set(QStringLiteral("lastViewedAccountId"), id);
    Q_EMIT currentAccountChanged(id);
}
