#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "onlinefixture.h"
#include "support/testmain.h"

#include <QSignalSpy>

using namespace LumoAccount;

class AuthClientTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OnlineFixture> f;

    AuthClient *auth() const { return f->client->authClient(); }
    QString refreshPath() const { return f->services->authApiPath(QStringLiteral("/auth/token/refresh")); }
    int refreshCount() const { return f->server.count(QStringLiteral("POST"), refreshPath()); }

    void signInThroughCallback(const QPair<QString, QString> &tokens)
    {
        auth()->handleCallback(QUrl(QStringLiteral("http://localhost/callback?access_token=%1&refresh_token=%2")
                                        .arg(tokens.first, tokens.second)));
        QCOMPARE(auth()->state(), AuthState::SignedIn);
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<OnlineFixture>();
        qRegisterMetaType<LumoAccount::AuthState>();
        qRegisterMetaType<LumoAccount::LumiClaims>();
    }
    void cleanup() { f.reset(); }

    void startUp_data()
    {
        QTest::addColumn<qint64>("accessLifetime"); // 0: no access token stored
        QTest::addColumn<QString>("refreshKind");   // none, valid, rejected, unreachable
        QTest::addColumn<bool>("refreshes");
        QTest::addColumn<int>("finalState");
        QTest::addColumn<bool>("tokensKept");

        QTest::newRow("valid token") << qint64(3600) << "valid" << false << int(AuthState::SignedIn) << true;
        QTest::newRow("expired, refresh accepted") << qint64(-60) << "valid" << true << int(AuthState::SignedIn) << false;
        QTest::newRow("expired, service unreachable") << qint64(-60) << "unreachable" << true << int(AuthState::SignedIn) << true;
        QTest::newRow("expired, refresh rejected") << qint64(-60) << "rejected" << true << int(AuthState::SignedOut) << false;
        QTest::newRow("only a refresh token") << qint64(0) << "valid" << true << int(AuthState::SignedIn) << false;
        QTest::newRow("expired, no refresh token") << qint64(-60) << "none" << false << int(AuthState::SignedOut) << true;
        QTest::newRow("nothing stored") << qint64(0) << "none" << false << int(AuthState::SignedOut) << true;
    }

    void startUp()
    {
        QFETCH(qint64, accessLifetime);
        QFETCH(QString, refreshKind);
        QFETCH(bool, refreshes);
        QFETCH(int, finalState);
        QFETCH(bool, tokensKept);

        const auto issued = f->services->issueTokens(accessLifetime);
        const QString access = accessLifetime ? issued.first : QString();
        const QString refresh = refreshKind == QLatin1String("none") ? QString() : issued.second;
        if (!access.isEmpty())
            f->store->insert(QLatin1String(AccessTokenKey), access);
        if (!refresh.isEmpty())
            f->store->insert(QLatin1String(RefreshTokenKey), refresh);
        if (refreshKind == QLatin1String("rejected"))
            f->services->revokeRefreshTokens();
        if (refreshKind == QLatin1String("unreachable"))
            f->server.scriptAlways(QStringLiteral("POST"), refreshPath(), FakeResponse::dropped());
        const MemoryTokenStore::Map before = *f->store;

        f->makeClient();
        QSignalSpy states(f->client.get(), &Client::authStateChanged);
        f->client->initialize();
        if (refreshes) {
            QCOMPARE(auth()->state(), AuthState::Initial);
            QVERIFY(!f->client->isAuthenticated());
        }
        QTRY_COMPARE(int(auth()->state()), finalState);
        QCOMPARE(states.count(), 1);
        QCOMPARE(refreshCount() > 0, refreshes);
        if (!refreshes)
            QVERIFY(f->server.requests().isEmpty());
        if (tokensKept)
            QCOMPARE(*f->store, before);
        else if (finalState == int(AuthState::SignedOut))
            QVERIFY(f->store->isEmpty());
        else
            QVERIFY(f->storedRefresh() != refresh);
    }

    void refreshTokenOutcome_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("tokensCleared");
        QTest::newRow("accepted") << "valid" << true << int(AuthState::SignedIn) << false;
        QTest::newRow("rejected") << "rejected" << false << int(AuthState::SignedOut) << true;
        QTest::newRow("server error") << "error" << false << int(AuthState::SignedIn) << false;
    }

    void refreshTokenOutcome()
    {
        QFETCH(QString, kind);
        QFETCH(bool, success);
        QFETCH(int, state);
        QFETCH(bool, tokensCleared);
        f->signIn();
        f->makeClient();
        f->client->initialize();
        bool gotUser = false;
        auth()->fetchCurrentUser([&gotUser](const User &user) { gotUser = !user.id.isEmpty(); });
        QTRY_VERIFY(gotUser);
        if (kind == QLatin1String("rejected"))
            f->services->revokeRefreshTokens();
        if (kind == QLatin1String("error"))
            f->server.script(QStringLiteral("POST"), refreshPath(), FakeResponse::json(500, QJsonObject()));

        int calls = 0;
        bool result = !success;
        auth()->refreshToken([&](bool ok) { ++calls; result = ok; });
        QTRY_COMPARE(calls, 1);
        QCOMPARE(result, success);
        QCOMPARE(int(auth()->state()), state);
        QCOMPARE(f->store->isEmpty(), tokensCleared);
        QCOMPARE(auth()->currentUser().id.isEmpty(), tokensCleared);
    }

    void logoutSendsTheCurrentTokenWithoutRefreshing()
    {
        const auto tokens = f->services->issueTokens(10); // due for refresh
        f->makeClient();
        signInThroughCallback(tokens);
        QSignalSpy completed(auth(), &AuthClient::logoutCompleted);
        QSignalSpy states(auth(), &AuthClient::stateChanged);
        auth()->logout();
        QCOMPARE(completed.count(), 1);
        QCOMPARE(states.count(), 1);
        QCOMPARE(auth()->state(), AuthState::SignedOut);
        QVERIFY(f->store->isEmpty());
        const QString logoutPath = f->services->authApiPath(QStringLiteral("/auth/logout"));
        QTRY_COMPARE(f->server.count(QStringLiteral("POST"), logoutPath), 1);
        QCOMPARE(f->server.requests(QStringLiteral("POST"), logoutPath).constFirst().bearerToken(), tokens.first);
        QCOMPARE(refreshCount(), 0);

        // Signed out already: the request still goes, without a state change.
        auth()->logout();
        QCOMPARE(completed.count(), 2);
        QCOMPARE(states.count(), 1);
        QTRY_COMPARE(f->server.count(QStringLiteral("POST"), logoutPath), 2);
    }

    void signOutDuringRefreshLeavesTheStoreEmpty()
    {
        const auto tokens = f->services->issueTokens(10); // due for refresh
        f->makeClient();
        signInThroughCallback(tokens);
        f->server.script(QStringLiteral("POST"), refreshPath(),
                         FakeResponse::json(200, QJsonObject{{QStringLiteral("access_token"), FakeOnlineServices::makeJwt(QStringLiteral("u"), QDateTime::currentSecsSinceEpoch() + 3600)},
                                                             {QStringLiteral("refresh_token"), QStringLiteral("late")}})
                             .withDelay(300));
        ApiResult result;
        f->client->accountApi()->get(QStringLiteral("/profile"), result.callback());
        QTRY_COMPARE(refreshCount(), 1);
        auth()->logout();
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QVERIFY(!result.ok);
        QVERIFY(f->store->isEmpty());
        QVERIFY(f->client->tokenManager()->refreshToken().isEmpty());
        QCOMPARE(auth()->state(), AuthState::SignedOut);
    }

    void userEndpoints()
    {
        f->signIn();
        f->makeClient();
        f->client->initialize();

        User user;
        auth()->fetchCurrentUser([&user](const User &u) { user = u; });
        QTRY_COMPARE(user.displayName, QStringLiteral("Ann Lee"));
        QCOMPARE(user.createdAt, QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC));

        // A failed fetch hands back the cached user.
        f->server.script(QStringLiteral("GET"), f->services->authApiPath(QStringLiteral("/users/me")),
                         FakeResponse::json(500, QJsonObject()));
        User again;
        auth()->fetchCurrentUser([&again](const User &u) { again = u; });
        QTRY_COMPARE(again.id, QStringLiteral("user-1"));

        // A failed rename reports an empty user, not the old name.
        f->server.script(QStringLiteral("PATCH"), f->services->authApiPath(QStringLiteral("/users/me")),
                         FakeResponse::json(500, QJsonObject()));
        int calls = 0;
        User renamed;
        auth()->updateProfile(QStringLiteral("Ann B"), [&](const User &u) { ++calls; renamed = u; });
        QTRY_COMPARE(calls, 1);
        QVERIFY(renamed.id.isEmpty());
        QCOMPARE(auth()->currentUser().displayName, QStringLiteral("Ann Lee"));

        auth()->updateProfile(QStringLiteral("Ann B"), [&](const User &u) { ++calls; renamed = u; });
        QTRY_COMPARE(calls, 2);
        QCOMPARE(renamed.displayName, QStringLiteral("Ann B"));
        QCOMPARE(f->server.requests().constLast().json(), QJsonObject({{QStringLiteral("display_name"), QStringLiteral("Ann B")}}));

        QList<bool> passwordResults;
        auth()->changePassword(QStringLiteral("wrong"), QStringLiteral("n"), [&](bool ok) { passwordResults << ok; });
        QTRY_COMPARE(passwordResults.size(), 1);
        auth()->changePassword(QStringLiteral("old-secret"), QStringLiteral("n"), [&](bool ok) { passwordResults << ok; });
        QTRY_COMPARE(passwordResults, QList<bool>({false, true}));

        QList<Session> sessions;
        bool listed = false;
        auth()->listSessions([&](const QList<Session> &s) { sessions = s; listed = true; });
        QTRY_VERIFY(listed);
        QCOMPARE(sessions.size(), 1);
        QVERIFY(sessions.first().isCurrent);
        auth()->revokeSession(QStringLiteral("s-1"));
        QTRY_VERIFY(f->services->sessions.isEmpty());
    }

    void claimsFollowTheUsableToken()
    {
        f->services->lumiClaims = QJsonObject{{QStringLiteral("group_id"), QStringLiteral("g-1")},
                                              {QStringLiteral("role"), QStringLiteral("owner")}};
        const auto tokens = f->services->issueTokens();
        f->makeClient();
        QSignalSpy claims(f->client.get(), &Client::claimsUpdated);
        signInThroughCallback(tokens);
        QCOMPARE(claims.count(), 1);
        QCOMPARE(claims.first().first().value<LumiClaims>().groupId, QStringLiteral("g-1"));
        QCOMPARE(f->client->claims().role, QStringLiteral("owner"));
        QCOMPARE(auth()->userId(), f->services->userId() + QStringLiteral("#1"));

        const QString expired = FakeOnlineServices::makeJwt(QStringLiteral("u"), QDateTime::currentSecsSinceEpoch() - 60,
                                                            f->services->lumiClaims);
        f->client->tokenManager()->setTokens(expired, QStringLiteral("r"));
        QVERIFY(f->client->claims().groupId.isEmpty());
        QVERIFY(auth()->userId().isEmpty());
    }
};

TALLYRA_TEST(AuthClientTest)
#include "tst_authclient.moc"
