#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "onlinefixture.h"
#include "support/testmain.h"

#include <QSignalSpy>
#include <QTcpServer>

using namespace LumoAccount;

Q_DECLARE_METATYPE(FakeResponse)

class ApiClientTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OnlineFixture> f;
    QString echoPath;

    ApiClient *sync() const { return f->client->syncApi(); }
    int refreshCount() const
    {
        return f->server.count(QStringLiteral("POST"),
                               f->services->authApiPath(QStringLiteral("/auth/token/refresh")));
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<OnlineFixture>();
        echoPath = f->services->syncPath(QStringLiteral("/echo"));
        FakeOnlineServices *services = f->services.get();
        f->server.route(QStringLiteral("GET"), echoPath, [services](const FakeRequest &request) {
            if (!services->authorized(request))
                return FakeResponse::json(401, QJsonObject{{QStringLiteral("error"), QStringLiteral("unauthorized")}});
            return FakeResponse::json(200, QJsonObject{{QStringLiteral("token"), request.bearerToken()}});
        });
        f->makeClient(1000);
    }

    void cleanup() { f.reset(); }

    void replyShapes_data()
    {
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("status");
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<bool>("networkError");

        const QJsonObject payload{{QStringLiteral("value"), 42}};
        const QJsonObject error{{QStringLiteral("error"), QStringLiteral("gone")}};
        QTest::newRow("200 object") << FakeResponse::json(200, payload) << true << 200 << payload << false;
        QTest::newRow("204 empty") << FakeResponse::empty(204) << true << 204 << QJsonObject() << false;
        QTest::newRow("502 html") << FakeResponse::html(502, "<html>bad gateway</html>") << false << 502 << QJsonObject() << false;
        QTest::newRow("200 array") << FakeResponse::json(200, QJsonArray{1, 2}) << true << 200 << QJsonObject() << false;
        QTest::newRow("404 keeps error body") << FakeResponse::json(404, error) << false << 404 << error << false;
        QTest::newRow("truncated 200") << FakeResponse::truncated(200, payload) << false << 0 << QJsonObject() << true;
        QTest::newRow("dropped connection") << FakeResponse::dropped() << false << 0 << QJsonObject() << true;
        QTest::newRow("no reply") << FakeResponse::noReply() << false << 0 << QJsonObject() << true;
        QTest::newRow("answer after time-out") << FakeResponse::json(200, payload).withDelay(4000) << false << 0 << QJsonObject() << true;
    }

    void replyShapes()
    {
        QFETCH(FakeResponse, response);
        QFETCH(bool, ok);
        QFETCH(int, status);
        QFETCH(QJsonObject, body);
        QFETCH(bool, networkError);

        f->signIn();
        f->server.scriptAlways(QStringLiteral("GET"), echoPath, response);
        QSignalSpy errors(sync(), &ApiClient::networkError);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 5000);
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.status, status);
        QCOMPARE(result.body, body);
        QCOMPARE(errors.count(), networkError ? 1 : 0);
    }

    void refusedConnectionGivesStatusZero()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        const quint16 port = closed.serverPort();
        closed.close();
        sync()->setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/v1").arg(port)));
        QSignalSpy errors(sync(), &ApiClient::networkError);
        ApiResult result;
        sync()->getPublic(QStringLiteral("/x"), result.callback());
        QTRY_COMPARE(result.calls, 1);
        QVERIFY(!result.ok);
        QCOMPARE(result.status, 0);
        QCOMPARE(errors.count(), 1);
    }

    void emptyBodyIsSentAsNoBodyWithTheHeaders()
    {
        const auto tokens = f->signIn();
        ApiResult result;
        sync()->post(QStringLiteral("/echo-post"), QJsonObject(), result.callback());
        QTRY_COMPARE(result.calls, 1);
        const FakeRequest request = f->server.requests().constLast();
        QCOMPARE(request.method, QStringLiteral("POST"));
        QCOMPARE(request.path, f->services->syncPath(QStringLiteral("/echo-post")));
        QVERIFY(request.body.isEmpty());
        QCOMPARE(request.header("content-type"), QByteArray("application/json"));
        QCOMPARE(request.header("accept"), QByteArray("application/json"));
        QCOMPARE(request.header("x-app-id"), QByteArray("test.tallyra.app"));
        QCOMPARE(request.header("x-app-version"), QByteArray("1.1.7"));
        QCOMPARE(request.header("x-platform"), Client::resolvePlatform(QString()).toUtf8());
        QCOMPARE(request.bearerToken(), tokens.first);

        sync()->patch(QStringLiteral("/echo-post"), QJsonObject{{QStringLiteral("a"), 1}}, ApiCallback());
        QTRY_COMPARE(f->server.requests().size(), 2);
        QCOMPARE(f->server.requests().constLast().method, QStringLiteral("PATCH"));
        QCOMPARE(f->server.requests().constLast().body, QByteArray("{\"a\":1}"));
    }

    void publicRequestAndEmptyAppInfoSendNoSuchHeaders()
    {
        f->signIn();
        sync()->setAppInfo(QString(), QString(), QString());
        ApiResult result;
        sync()->getPublic(QStringLiteral("/echo"), result.callback(),
                          QUrlQuery(QStringLiteral("cursor=5&limit=200")));
        QTRY_COMPARE(result.calls, 1);
        QCOMPARE(result.status, 401); // no token, and no second try
        QCOMPARE(refreshCount(), 0);
        const FakeRequest request = f->server.requests().constLast();
        QCOMPARE(request.query.queryItemValue(QStringLiteral("limit")), QStringLiteral("200"));
        for (const QByteArray name : {"authorization", "x-app-id", "x-app-version", "x-platform"})
            QVERIFY2(!request.hasHeader(name), name.constData());
    }

    void pathTextIsEncodedIntoOneSegment()
    {
        f->signIn();
        sync()->get(QStringLiteral("/accounts/a b?c#d%/members"), ApiCallback());
        QTRY_COMPARE(f->server.requests().size(), 1);
        QCOMPARE(f->server.requests().constFirst().path,
                 f->services->syncPath(QStringLiteral("/accounts/a b?c#d%/members")));
    }

    void unknownMethodFailsInsideTheCall()
    {
        ApiResult result;
        sync()->sendRequest(QStringLiteral("get"), QStringLiteral("/echo"), QJsonObject(),
                            result.callback(), QUrlQuery(), false);
        QCOMPARE(result.calls, 1);
        QCOMPARE(result.status, 0);
        QVERIFY(!result.ok);
    }

    void expiredTokenIsRefreshedOnceForThreeCalls()
    {
        f->signIn(10); // inside the 30 s margin: due for refresh
        ApiResult results[3];
        for (ApiResult &result : results)
            sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_VERIFY(results[0].calls && results[1].calls && results[2].calls);
        QCOMPARE(refreshCount(), 1);
        const QString newToken = f->storedAccess();
        for (const ApiResult &result : results) {
            QCOMPARE(result.calls, 1);
            QCOMPARE(result.status, 200);
            QCOMPARE(result.body.value(QLatin1String("token")).toString(), newToken);
        }
        QCOMPARE(f->server.count(QStringLiteral("GET"), echoPath), 3);
    }

    void unauthorizedIsRefreshedAndResentOnce()
    {
        const auto old = f->signIn();
        f->server.script(QStringLiteral("GET"), echoPath, FakeResponse::json(401, QJsonObject()));
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE(result.calls, 1);
        QCOMPARE(result.status, 200);
        QCOMPARE(refreshCount(), 1);
        const QList<FakeRequest> sent = f->server.requests(QStringLiteral("GET"), echoPath);
        QCOMPARE(sent.size(), 2);
        QCOMPARE(sent.at(0).bearerToken(), old.first);
        QCOMPARE(sent.at(1).bearerToken(), f->storedAccess());
        QVERIFY(f->storedAccess() != old.first);
    }

    void unauthorizedResendReachesTheCaller()
    {
        f->signIn();
        const QJsonObject denied{{QStringLiteral("error"), QStringLiteral("forbidden here")}};
        f->server.scriptAlways(QStringLiteral("GET"), echoPath, FakeResponse::json(401, denied));
        QSignalSpy authRequired(sync(), &ApiClient::authenticationRequired);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE(result.calls, 1);
        QTest::qWait(50);
        QCOMPARE(result.calls, 1);
        QCOMPARE(result.status, 401);
        QCOMPARE(result.body, denied);
        QCOMPARE(refreshCount(), 1);
        QCOMPARE(f->server.count(QStringLiteral("GET"), echoPath), 2);
        QCOMPARE(authRequired.count(), 0);
    }

    void rejectedRefreshDuringRequestLeavesTheState()
    {
        f->signIn();
        f->client->initialize();
        QCOMPARE(f->client->authClient()->state(), AuthState::SignedIn);
        f->services->revokeRefreshTokens();
        f->server.script(QStringLiteral("GET"), echoPath, FakeResponse::json(401, QJsonObject()));
        QSignalSpy authRequired(sync(), &ApiClient::authenticationRequired);
        QSignalSpy states(f->client->authClient(), &AuthClient::stateChanged);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE(result.calls, 1);
        QCOMPARE(result.status, 401);
        QVERIFY(result.body.isEmpty());
        QCOMPARE(authRequired.count(), 1);
        QCOMPARE(states.count(), 0);
        QCOMPARE(f->client->authClient()->state(), AuthState::SignedIn);
        QVERIFY(!f->storedRefresh().isEmpty());
    }

    void noRefreshTokenSendsWithoutBearerAndAsksForSignIn()
    {
        f->storeTokens(FakeOnlineServices::makeJwt(QStringLiteral("u"), 1000), QString());
        f->client->tokenManager()->loadTokens();
        QSignalSpy authRequired(sync(), &ApiClient::authenticationRequired);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE(result.calls, 1);
        QCOMPARE(result.status, 401);
        QVERIFY(!f->server.requests().constFirst().hasHeader("authorization"));
        QCOMPARE(authRequired.count(), 1);
        QCOMPARE(refreshCount(), 0);
    }

    void transientRefreshFailureKeepsTokens_data()
    {
        QTest::addColumn<FakeResponse>("refreshReply");
        QTest::newRow("server error") << FakeResponse::json(503, QJsonObject());
        QTest::newRow("no reply") << FakeResponse::noReply();
        QTest::newRow("ok without access token")
            << FakeResponse::json(200, QJsonObject{{QStringLiteral("refresh_token"), QStringLiteral("r2")}});
    }

    void transientRefreshFailureKeepsTokens()
    {
        QFETCH(FakeResponse, refreshReply);
        const auto tokens = f->signIn(10);
        f->server.script(QStringLiteral("POST"),
                         f->services->authApiPath(QStringLiteral("/auth/token/refresh")), refreshReply);
        QSignalSpy authRequired(sync(), &ApiClient::authenticationRequired);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 5000);
        QCOMPARE(result.status, 0);
        QCOMPARE(authRequired.count(), 0);
        QCOMPARE(f->server.count(QStringLiteral("GET"), echoPath), 0);
        QCOMPARE(f->storedAccess(), tokens.first);
        QCOMPARE(f->storedRefresh(), tokens.second);
    }
};

TALLYRA_TEST(ApiClientTest)
#include "tst_apiclient.moc"
