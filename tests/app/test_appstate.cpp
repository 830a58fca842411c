#include "support/testmain.h"

#include "app/appstate.h"
#include "account/clientconfig.h"
#include "data/accountrepository.h"

#include <QSignalSpy>
#include <QTemporaryDir>

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
