#include "support/testmain.h"

#include "app/appstate.h"
#include "app/uiprefs.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/clientconfig.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "support/environmentoverride.h"
#include "support/fakeonlineservices.h"
#include "support/fakeserver.h"
#include "support/memorytokenstore.h"
#include "support/onlineenvironment.h"
#include "sync/syncengine.h"
#include "ui/thememanager.h"

#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

namespace {

constexpr int kAutoSyncInterval = 300000;

// A data folder of its own, with preferences stored before start-up, and
// the online services on a fake server.
struct StartupFixture
{
    QTemporaryDir dir;
    EnvironmentOverride dataDir{"TALLYRA_DATA_DIR", dir.path().toUtf8()};
    OnlineEnvironment online;
    FakeServer &server = online.server;
    std::unique_ptr<FakeOnlineServices> &services = online.services;
    std::shared_ptr<MemoryTokenStore::Map> tokens = std::make_shared<MemoryTokenStore::Map>();
    std::unique_ptr<AppState> state;

    StartupFixture()
    {
        if (!online.start())
            qFatal("fake server did not start");
    }

    void storePreference(const QString &key, const QString &value)
    {
        Database database;
        QVERIFY(database.open(databasePath()) && database.migrate());
        PreferencesRepository preferences(&database);
        QVERIFY(preferences.set(key, value));
    }

    void storeTokens(const QString &access, const QString &refresh)
    {
        if (!access.isEmpty())
            tokens->insert(QLatin1String(LumoAccount::AccessTokenKey), access);
        tokens->insert(QLatin1String(LumoAccount::RefreshTokenKey), refresh);
    }

    bool start()
    {
        state = std::make_unique<AppState>();
        state->setTokenStore(std::make_unique<MemoryTokenStore>(tokens));
        return state->initialize();
    }

    LumoAccount::AuthClient *auth() const { return state->onlineClient()->authClient(); }
    int refreshRequests() const
    {
        return server.count(QStringLiteral("POST"), services->authApiPath(QStringLiteral("/auth/token/refresh")));
    }

    // The engine's timers that are running, by interval: the periodic
    // automatic sync and the debounce after local changes.
    QList<int> runningSyncTimers() const
    {
        QList<int> intervals;
        for (const QTimer *timer : state->syncEngine()->findChildren<QTimer *>()) {
            if (timer->isActive())
                intervals << timer->interval();
        }
        return intervals;
    }

    bool autoSyncRunning() const { return runningSyncTimers().contains(kAutoSyncInterval); }
    bool syncScheduled() const { return runningSyncTimers().contains(SyncEngine::kDebounceMs); }

    void makeLocalChange(const QString &id)
    {
        Account account;
        account.id = id;
        account.name = id;
        account.createdAt = QDateTime::currentDateTimeUtc();
        account.updatedAt = account.createdAt;
        QVERIFY(state->accountRepository()->insert(account));
    }
};

void resetInterfaceValues()
{
    UiPrefs::setFontScalePercent(100);
    UiPrefs::accentColor() = QColor(QStringLiteral("#00897B"));
    UiPrefs::weekStartDay() = int(QLocale::system().firstDayOfWeek());
    setAmountAutoDecimal(false);
}

QString effectiveValue(const AppState &state, const QString &key)
{
    if (key == QLatin1String("fontScale"))
        return QString::number(UiPrefs::fontScalePercent());
    if (key == QLatin1String("accentColor"))
        return UiPrefs::accentColor().name(QColor::HexRgb).toUpper();
    if (key == QLatin1String("weekStartDay"))
        return QString::number(UiPrefs::weekStartDay());
    if (key == QLatin1String("amountAutoDecimal"))
        return UiPrefs::amountAutoDecimal() ? QStringLiteral("on") : QStringLiteral("off");
    if (key == QLatin1String("theme"))
        return ThemeManager::themeToString(state.themeManager()->theme());
    return QString();
}

} // namespace

class AppStateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void appStateInitializesAndRemembersAccount()
    {
        QTemporaryDir dir;
        const QByteArray saved = qgetenv("TALLYRA_DATA_DIR");
        qputenv("TALLYRA_DATA_DIR", dir.path().toUtf8());
        {
            AppState state;
            QSignalSpy ready(&state, &AppState::databaseReady);
            QVERIFY(state.initialize());
            QCOMPARE(ready.count(), 1);
            QVERIFY(state.syncEngine() && state.onlineClient() && state.importService() && state.sharingService());
            QSignalSpy changed(&state, &AppState::currentAccountChanged);
            state.setCurrentAccountId(QStringLiteral("acc-1"));
            state.setCurrentAccountId(QStringLiteral("acc-1"));
            QCOMPARE(changed.count(), 1);
        }
        {
            AppState state;
            QSignalSpy changed(&state, &AppState::currentAccountChanged);
            QVERIFY(state.initialize());
            QCOMPARE(state.currentAccountId(), QStringLiteral("acc-1"));
            QCOMPARE(changed.count(), 0);
        }
        qputenv("TALLYRA_DATA_DIR", saved);
    }

    void appStateFailsOnUnusableDirectory()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QByteArray saved = qgetenv("TALLYRA_DATA_DIR");
        qputenv("TALLYRA_DATA_DIR", dir.filePath(QStringLiteral("file/below")).toUtf8());
        AppState state;
        QSignalSpy ready(&state, &AppState::databaseReady);
        QVERIFY(!state.initialize());
        QCOMPARE(ready.count(), 0);
        QVERIFY(!state.accountRepository());
        qputenv("TALLYRA_DATA_DIR", saved);
    }
    void storedInterfacePreferencesAndTheirFallbacks_data()
    {
        const QString localeDay = QString::number(int(QLocale::system().firstDayOfWeek()));
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("scale above the range") << "fontScale" << "250" << "160";
        QTest::newRow("scale below the range") << "fontScale" << "50" << "70";
        QTest::newRow("scale not a number") << "fontScale" << "abc" << "100";
        QTest::newRow("scale in range") << "fontScale" << "120" << "120";
        QTest::newRow("accent names no colour") << "accentColor" << "not-a-colour" << "#00897B";
        QTest::newRow("accent as hex") << "accentColor" << "#1E88E5" << "#1E88E5";
        QTest::newRow("week start zero") << "weekStartDay" << "0" << localeDay;
        QTest::newRow("week start eight") << "weekStartDay" << "8" << localeDay;
        QTest::newRow("week start text") << "weekStartDay" << "x" << localeDay;
        QTest::newRow("week start Sunday") << "weekStartDay" << "7" << "7";
        QTest::newRow("auto decimal on") << "amountAutoDecimal" << "true" << "on";
        QTest::newRow("theme dark") << "theme" << "dark" << "dark";
        QTest::newRow("theme light") << "theme" << "light" << "light";
        QTest::newRow("unknown theme is system") << "theme" << "Dark" << "system";
    }

    void storedInterfacePreferencesAndTheirFallbacks()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        resetInterfaceValues();
        StartupFixture f;
        f.storePreference(key, stored);
        QVERIFY(f.start());
        QCOMPARE(effectiveValue(*f.state, key), expected);
        resetInterfaceValues();
    }

    void startUpSeedsCategoriesAndConvertsLegacyStartingBalances()
    {
        StartupFixture f;
        {
            Database database;
            QVERIFY(database.open(databasePath()) && database.migrate());
            AccountRepository accounts(&database);
            Account legacy;
            legacy.id = QStringLiteral("legacy");
            legacy.name = QStringLiteral("Legacy");
            legacy.startingBalance = 4200;
            legacy.createdAt = QDateTime(QDate(2023, 5, 1), QTime(8, 0), Qt::UTC);
            legacy.updatedAt = legacy.createdAt;
            QVERIFY(accounts.insert(legacy));
        }
        QVERIFY(f.start());
        QVERIFY(!f.state->categoryRepository()->listAll().isEmpty());
        QCOMPARE(f.state->accountRepository()->findById(QStringLiteral("legacy"))->startingBalance, qint64(0));
        QCOMPARE(f.state->transactionRepository()->balance(QStringLiteral("legacy"), 0), qint64(4200));
    }

    void startUpTokenRefreshDecidesAutomaticSync_data()
    {
        QTest::addColumn<QString>("stored"); // "none", "both", "refresh only", "revoked"
        QTest::addColumn<bool>("refreshAsked");
        QTest::addColumn<bool>("syncs");
        QTest::newRow("no tokens: nothing is asked") << "none" << false << false;
        QTest::newRow("both tokens: refreshed, then syncs") << "both" << true << true;
        QTest::newRow("refresh token only: refreshed, then syncs") << "refresh only" << true << true;
        QTest::newRow("refresh rejected: signed out") << "revoked" << true << false;
    }

    void startUpTokenRefreshDecidesAutomaticSync()
    {
        QFETCH(QString, stored);
        QFETCH(bool, refreshAsked);
        QFETCH(bool, syncs);
        StartupFixture f;
        if (stored != QLatin1String("none")) {
            const auto issued = f.services->issueTokens();
            f.storeTokens(stored == QLatin1String("refresh only") ? QString() : issued.first, issued.second);
            if (stored == QLatin1String("revoked"))
                f.services->revokeRefreshTokens();
        }
        QVERIFY(f.start());
        if (refreshAsked)
            QTRY_COMPARE(f.refreshRequests(), 1);
        if (syncs) {
            QTRY_VERIFY(f.autoSyncRunning());
            QVERIFY(f.state->onlineClient()->isAuthenticated());
        } else {
            QTRY_COMPARE(f.auth()->state(), LumoAccount::AuthState::SignedOut);
            QCOMPARE(f.refreshRequests(), refreshAsked ? 1 : 0);
            QVERIFY(!f.autoSyncRunning());
            // Nothing to sync for a signed-out user, so nothing can fail.
            f.makeLocalChange(QStringLiteral("while-signed-out"));
            QVERIFY(!f.syncScheduled());
        }
    }

    void signInStartsSyncAndSignOutStopsIt()
    {
        StartupFixture f;
        QSettings().remove(QStringLiteral("auth/hasSignedInBefore"));
        QVERIFY(f.start());
        f.makeLocalChange(QStringLiteral("before-sign-in"));
        QVERIFY(f.runningSyncTimers().isEmpty());

        QSignalSpy syncStates(f.state->syncEngine(), &SyncEngine::stateChanged);
        const auto issued = f.services->issueTokens();
        f.auth()->handleCallback(QUrl(QStringLiteral("http://localhost/callback?access_token=%1&refresh_token=%2")
                                          .arg(issued.first, issued.second)));
        QVERIFY(f.state->onlineClient()->isAuthenticated());
        QVERIFY(f.autoSyncRunning());
        QVERIFY(!syncStates.isEmpty());
        QCOMPARE(syncStates.first().first().value<SyncEngine::SyncState>(), SyncEngine::Syncing);
        QVERIFY(QSettings().value(QStringLiteral("auth/hasSignedInBefore")).toBool());
        QTRY_COMPARE(f.server.count(QStringLiteral("POST"), f.services->accountPath(QStringLiteral("/devices/register"))), 1);

        f.makeLocalChange(QStringLiteral("while-signed-in"));
        QVERIFY(f.syncScheduled());

        QTRY_VERIFY(f.state->syncEngine()->state() != SyncEngine::Syncing);
        f.state->preferencesRepository()->set(QStringLiteral("syncCursor"), QStringLiteral("c1"));
        QSignalSpy signedOut(f.auth(), &LumoAccount::AuthClient::logoutCompleted);
        f.auth()->logout();
        QTRY_COMPARE(signedOut.count(), 1);
        QVERIFY(!f.autoSyncRunning());
        // The change made just before sign-out is not synced without a token,
        // and the signed-out user's place in the feed is forgotten.
        QVERIFY(!f.syncScheduled());
        QVERIFY(!f.state->preferencesRepository()->get(QStringLiteral("syncCursor")));
    }

    void onlineAddressesComeFromTheEnvironment()
    {
        qputenv("SYNC_API_URL", "");
        qputenv("AUTH_BASE_URL", "http://127.0.0.1:9/auth");
        qputenv("AUTH_REALM_SLUG", "family");
        QCOMPARE(AppState::syncServiceUrlFromEnvironment(), QString::fromUtf8(LumoAccount::Defaults::SyncApiUrl));
        const LumoAccount::ClientConfig config = AppState::clientConfigFromEnvironment();
        QCOMPARE(config.authBaseUrl, QStringLiteral("http://127.0.0.1:9/auth"));
        QCOMPARE(config.realm, QStringLiteral("family"));
        QCOMPARE(config.accountApiUrl, QString::fromUtf8(LumoAccount::Defaults::AccountApiUrl));
        QVERIFY(config.accountApiUrl.endsWith(QStringLiteral("/account/v1")));
        QVERIFY(config.platform.isEmpty());
        qunsetenv("SYNC_API_URL");
        qunsetenv("AUTH_BASE_URL");
        qunsetenv("AUTH_REALM_SLUG");
    }
};

TALLYRA_TEST(AppStateTest)
#include "test_appstate.moc"
