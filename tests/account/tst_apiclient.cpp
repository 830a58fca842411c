#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "onlinefixture.h"
#include "support/testmain.h"

#include <QNetworkRequest>
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

    // The writes of the request layer: POST and PATCH, each with an empty
    // and a small body.
    struct Write
    {
        QString method;
        const char *bodyName;
        QJsonObject body;
    };
    static QList<Write> writes()
    {
        const QJsonObject small{{QStringLiteral("email"), QStringLiteral("eve@example.test")}};
        return {{QStringLiteral("POST"), "empty", {}}, {QStringLiteral("POST"), "small", small},
                {QStringLiteral("PATCH"), "empty", {}}, {QStringLiteral("PATCH"), "small", small}};
    }

    // Answers the method on the echo path and on every "chain/<n>" after it
    // with a redirect to the next step, after the delay.
    void redirectWithoutEnd(const QString &method, int status, int delayMs = 0)
    {
        f->server.scriptAlways(method, echoPath, FakeResponse::redirect(QUrl(QStringLiteral("chain/1")), status));
        f->server.route(method, f->services->syncPath(QStringLiteral("/chain/{}")),
                        [status, delayMs](const FakeRequest &request) {
                            const int next = request.captures.constFirst().toInt() + 1;
                            return FakeResponse::redirect(QUrl(QString::number(next)), status).withDelay(delayMs);
                        });
    }

    // Answers the method and path as a service that creates something would,
    // counting how often it did.
    void countWork(const QString &method, const QString &path, int *worked)
    {
        f->server.route(method, path, [worked](const FakeRequest &) {
            ++*worked;
            return FakeResponse::json(201, QJsonObject{{QStringLiteral("id"), QStringLiteral("new-1")}});
        });
    }
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
        QTest::newRow("200 text that is not JSON") << FakeResponse::html(200, "<html>sign in first</html>") << false << 0 << QJsonObject() << true;
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
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.status, status);
        QCOMPARE(result.body, body);
        QCOMPARE(errors.count(), networkError ? 1 : 0);
    }

    void brokenCompressedBodyIsNoAnswer_data()
    {
        QTest::addColumn<QByteArray>("encoding");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("gzip garbage") << QByteArray("gzip") << QByteArray("{\"value\":42} not gzip at all");
        // A valid gzip header whose deflate stream breaks off.
        QTest::newRow("gzip cut short") << QByteArray("gzip")
                                        << QByteArray::fromHex("1f8b0800000000000003ab56cae94c4d");
        QTest::newRow("deflate garbage") << QByteArray("deflate") << QByteArray("\xff\xfe\xfd\xfc plain");
    }

    void brokenCompressedBodyIsNoAnswer()
    {
        QFETCH(QByteArray, encoding);
        QFETCH(QByteArray, bytes);
        f->signIn();
        FakeResponse response = FakeResponse::json(200, QJsonObject());
        response.body = bytes;
        response.headers.append({"Content-Encoding", encoding});
        f->server.scriptAlways(QStringLiteral("GET"), echoPath, response);
        QSignalSpy errors(sync(), &ApiClient::networkError);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QVERIFY(!result.ok);
        QCOMPARE(result.status, 0);
        QVERIFY(result.body.isEmpty());
        QCOMPARE(errors.count(), 1);
    }

    void tricklingAnswerEndsAtTheDeadline()
    {
        f->signIn();
        // One byte every 100 ms keeps the transfer time-out from ever firing.
        const QJsonObject payload{{QStringLiteral("value"), QString(200, QLatin1Char('x'))}};
        f->server.scriptAlways(QStringLiteral("GET"), echoPath, FakeResponse::trickle(200, payload, 100));
        sync()->setTransferTimeout(5000);
        sync()->setRequestDeadline(1500);
        QSignalSpy errors(sync(), &ApiClient::networkError);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QVERIFY(!result.ok);
        QCOMPARE(result.status, 0);
        QCOMPARE(errors.count(), 1);
    }

    // Redirects are steps of one request: the deadline bounds them all.
    void aRedirectChainEndsAtTheDeadline()
    {
        f->signIn();
        redirectWithoutEnd(QStringLiteral("GET"), 302, 300);
        sync()->setTransferTimeout(5000);
        sync()->setRequestDeadline(1500);
        QSignalSpy errors(sync(), &ApiClient::networkError);
        ApiResult result;
        sync()->get(QStringLiteral("/echo"), result.callback());
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QCOMPARE(result.status, 0);
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.constFirst().constFirst().toString(), QStringLiteral("Request deadline exceeded"));
        QVERIFY(f->server.requests().size() < QNetworkRequest().maximumRedirectsAllowed());
    }

    // A POST or PATCH whose connection ends without an answer is not sent
    // again, whatever its body and whichever connection it went on: the
    // service may have done the work before the connection ended. The caller
    // learns that no answer came.
    void writesAreNotResent_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<FakeResponse>("ending");
        QTest::addColumn<bool>("afterTheWork");
        QTest::addColumn<bool>("keptAlive");
        for (const Write &write : writes()) {
            for (const bool reset : {true, false}) {
                for (const bool afterTheWork : {false, true}) {
                    for (const bool keptAlive : {false, true}) {
                        QTest::addRow("%s, %s body, connection %s %s the work, %s connection",
                                      qPrintable(write.method), write.bodyName, reset ? "reset" : "closed",
                                      afterTheWork ? "after" : "before", keptAlive ? "kept-alive" : "new")
                            << write.method << write.body
                            << (reset ? FakeResponse::dropped() : FakeResponse::closed()) << afterTheWork
                            << keptAlive;
                    }
                }
            }
        }
    }

    void writesAreNotResent()
    {
        QFETCH(QString, method);
        QFETCH(QJsonObject, body);
        QFETCH(FakeResponse, ending);
        QFETCH(bool, afterTheWork);
        QFETCH(bool, keptAlive);
        f->signIn();
        int worked = 0;
        countWork(method, echoPath, &worked);
        f->server.setKeepAlive(keptAlive);
        if (keptAlive) {
            ApiResult first;
            sync()->get(QStringLiteral("/echo"), first.callback());
            QTRY_COMPARE_WITH_TIMEOUT(first.calls, 1, 60000);
            QCOMPARE(first.status, 200);
        }
        if (afterTheWork)
            f->server.scriptAfterHandling(method, echoPath, ending);
        else
            f->server.script(method, echoPath, ending);

        QSignalSpy errors(sync(), &ApiClient::networkError);
        ApiResult result;
        sync()->sendRequest(method, QStringLiteral("/echo"), body, result.callback(), QUrlQuery(), true);
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QVERIFY(!result.ok);
        QCOMPARE(result.status, 0);
        QVERIFY(result.body.isEmpty());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.constFirst().constFirst().toString(),
                 QStringLiteral("Connection closed before the reply; the request was not sent again"));
        // The network layer resends, if at all, before it ends the reply.
        const QList<FakeRequest> arrived = f->server.requests(method, echoPath);
        QCOMPARE(arrived.size(), 1);
        QCOMPARE(worked, afterTheWork ? 1 : 0);
        QCOMPARE(arrived.constFirst().json(), body);
        if (keptAlive)
            QCOMPARE(arrived.constFirst().connection, f->server.requests().constFirst().connection);
    }

    // The body goes whole, and an empty object as no body at all.
    void bodiesArriveWhole_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QJsonObject>("body");
        const QJsonObject large{{QStringLiteral("text"), QString(200000, QLatin1Char('x'))}};
        for (const char *method : {"POST", "PATCH"}) {
            const QString verb = QString::fromLatin1(method);
            QTest::newRow(QByteArray(method + QByteArray(", empty")).constData()) << verb << QJsonObject();
            QTest::newRow(QByteArray(method + QByteArray(", small")).constData())
                << verb << QJsonObject{{QStringLiteral("a"), 1}};
            QTest::newRow(QByteArray(method + QByteArray(", 200 kB")).constData()) << verb << large;
        }
    }

    void bodiesArriveWhole()
    {
        QFETCH(QString, method);
        QFETCH(QJsonObject, body);
        f->signIn();
        f->server.scriptAlways(method, echoPath, FakeResponse::json(200, QJsonObject{{"ok", true}}));
        ApiResult result;
        if (method == QLatin1String("POST"))
            sync()->post(QStringLiteral("/echo"), body, result.callback());
        else
            sync()->patch(QStringLiteral("/echo"), body, result.callback());
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QVERIFY(result.ok);
        const FakeRequest arrived = f->server.requests(method, echoPath).constFirst();
        QCOMPARE(arrived.header("content-type"), QByteArray("application/json"));
        if (body.isEmpty())
            QVERIFY(arrived.body.isEmpty());
        else
            QCOMPARE(arrived.json(), body);
    }

    void redirects_data()
    {
        QTest::addColumn<int>("redirectStatus");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("target"); // "same", "other port", "other host"
        QTest::addColumn<bool>("followed");

        for (const int status : {301, 302, 307, 308}) {
            for (const char *method : {"GET", "POST"}) {
                const QString verb = QLatin1String(method);
                const QByteArray name = QByteArray::number(status) + ' ' + method;
                QTest::newRow(QByteArray(name + " same origin").constData())
                    << status << verb << QStringLiteral("same") << true;
                QTest::newRow(QByteArray(name + " other port").constData())
                    << status << verb << QStringLiteral("other port") << false;
                QTest::newRow(QByteArray(name + " other host").constData())
                    << status << verb << QStringLiteral("other host") << false;
            }
        }
    }

    void redirects()
    {
        QFETCH(int, redirectStatus);
        QFETCH(QString, method);
        QFETCH(QString, target);
        QFETCH(bool, followed);

        FakeServer other;
        QVERIFY(other.start());
        const auto tokens = f->signIn();
        const QString landing = f->services->syncPath(QStringLiteral("/landing"));
        const auto answer = [](const FakeRequest &request) {
            return FakeResponse::json(200, QJsonObject{{QStringLiteral("token"), request.bearerToken()},
                                                       {QStringLiteral("body"), QString::fromUtf8(request.body)}});
        };
        for (FakeServer *server : {&f->server, &other}) {
            server->route(QStringLiteral("GET"), landing, answer);
            server->route(QStringLiteral("POST"), landing, answer);
        }
        QUrl location(f->server.url(landing));
        if (target == QLatin1String("other port"))
            location = QUrl(other.url(landing));
        else if (target == QLatin1String("other host"))
            location.setHost(QStringLiteral("localhost"));
        f->server.scriptAlways(method, echoPath, FakeResponse::redirect(location, redirectStatus));

        ApiResult result;
        const QJsonObject sent{{QStringLiteral("secret"), QStringLiteral("ledger")}};
        if (method == QLatin1String("GET"))
            sync()->get(QStringLiteral("/echo"), result.callback());
        else
            sync()->post(QStringLiteral("/echo"), sent, result.callback());
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QTest::qWait(50);

        QCOMPARE(other.requests().size(), 0);
        if (!followed) {
            QVERIFY(!result.ok);
            QCOMPARE(result.status, 0);
            // Nothing reached the other host name either (it is this server).
            QCOMPARE(f->server.requests().size(), 1);
            return;
        }
        QCOMPARE(result.status, 200);
        QCOMPARE(result.body.value(QLatin1String("token")).toString(), tokens.first);
        const FakeRequest arrived = f->server.requests().constLast();
        QCOMPARE(arrived.path, landing);
        // 307 and 308 repeat the method and the body; 301 and 302 may turn a POST into a GET.
        if (method == QLatin1String("POST") && (redirectStatus == 307 || redirectStatus == 308)) {
            QCOMPARE(arrived.method, QStringLiteral("POST"));
            QCOMPARE(arrived.json(), sent);
        }
    }

    // A 307 or 308 says that the service did not act: the write goes to the
    // new address once, with its method and body, and nowhere else.
    void writeRedirectsAreFollowedOnce_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<int>("redirectStatus");
        QTest::addColumn<bool>("absolute");
        for (const Write &write : writes()) {
            for (const int status : {307, 308}) {
                for (const bool absolute : {true, false}) {
                    QTest::addRow("%s, %s body, %d to a %s address", qPrintable(write.method), write.bodyName,
                                  status, absolute ? "full" : "relative")
                        << write.method << write.body << status << absolute;
                }
            }
        }
    }

    void writeRedirectsAreFollowedOnce()
    {
        QFETCH(QString, method);
        QFETCH(QJsonObject, body);
        QFETCH(int, redirectStatus);
        QFETCH(bool, absolute);
        f->signIn();
        const QString landing = f->services->syncPath(QStringLiteral("/landing"));
        int worked = 0;
        countWork(method, landing, &worked);
        const QUrl location = absolute ? QUrl(f->server.url(landing)) : QUrl(QStringLiteral("landing"));
        f->server.scriptAlways(method, echoPath, FakeResponse::redirect(location, redirectStatus));

        ApiResult result;
        sync()->sendRequest(method, QStringLiteral("/echo"), body, result.callback(), QUrlQuery(), true);
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QVERIFY(result.ok);
        QCOMPARE(result.status, 201);
        QCOMPARE(result.body.value(QLatin1String("id")).toString(), QStringLiteral("new-1"));
        QCOMPARE(worked, 1);
        const QList<FakeRequest> arrived = f->server.requests();
        QCOMPARE(arrived.size(), 2);
        QCOMPARE(arrived.at(0).path, echoPath);
        QCOMPARE(arrived.at(1).path, landing);
        for (const FakeRequest &request : arrived) {
            QCOMPARE(request.method, method);
            QCOMPARE(request.json(), body);
            QCOMPARE(request.body.isEmpty(), body.isEmpty());
        }
    }

    // A redirect back to an address already asked, or a chain too long, ends
    // the request as no answer: the caller and the network error signal see it.
    void redirectLoopsEnd_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<int>("redirectStatus");
        QTest::addColumn<QString>("shape"); // "itself", "two addresses", "endless chain"
        QTest::addColumn<int>("requests");
        const int longest = QNetworkRequest().maximumRedirectsAllowed();
        QList<Write> asked = writes();
        asked.prepend({QStringLiteral("GET"), "no", {}});
        for (const Write &write : asked) {
            // A write answered 302 goes on as a GET.
            const QList<int> statuses = write.method == QLatin1String("GET") ? QList<int>{302, 307, 308}
                                                                             : QList<int>{307, 308};
            for (const int status : statuses) {
                const auto row = [&](const char *shape, int requests) {
                    QTest::addRow("%s, %s body, %d to %s", qPrintable(write.method), write.bodyName, status, shape)
                        << write.method << write.body << status << QString::fromLatin1(shape) << requests;
                };
                row("itself", 1);
                row("two addresses", 2);
                row("endless chain", longest + 1);
            }
        }
    }

    void redirectLoopsEnd()
    {
        QFETCH(QString, method);
        QFETCH(QJsonObject, body);
        QFETCH(int, redirectStatus);
        QFETCH(QString, shape);
        QFETCH(int, requests);
        f->signIn();
        const QString other = f->services->syncPath(QStringLiteral("/other"));
        if (shape == QLatin1String("itself")) {
            f->server.scriptAlways(method, echoPath, FakeResponse::redirect(QUrl(f->server.url(echoPath)), redirectStatus));
        } else if (shape == QLatin1String("two addresses")) {
            f->server.scriptAlways(method, echoPath, FakeResponse::redirect(QUrl(QStringLiteral("other")), redirectStatus));
            f->server.scriptAlways(method, other, FakeResponse::redirect(QUrl(f->server.url(echoPath)), redirectStatus));
        } else {
            redirectWithoutEnd(method, redirectStatus);
        }

        QSignalSpy errors(sync(), &ApiClient::networkError);
        ApiResult result;
        sync()->sendRequest(method, QStringLiteral("/echo"), body, result.callback(), QUrlQuery(), true);
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QVERIFY(!result.ok);
        QCOMPARE(result.status, 0);
        QVERIFY(result.body.isEmpty());
        QCOMPARE(errors.count(), 1);
        QCOMPARE(f->server.requests().size(), requests);
        for (const FakeRequest &request : f->server.requests()) {
            QCOMPARE(request.method, method);
            QCOMPARE(request.json(), body);
        }
    }

    void redirectedRefreshNeverLeavesTheOrigin()
    {
        FakeServer other;
        QVERIFY(other.start());
        const auto tokens = f->signIn(10); // due for refresh
        const QString refreshPath = f->services->authApiPath(QStringLiteral("/auth/token/refresh"));
        for (const int status : {301, 307, 308}) {
            f->server.script(QStringLiteral("POST"), refreshPath,
                             FakeResponse::redirect(QUrl(other.url(refreshPath)), status));
            ApiResult result;
            sync()->get(QStringLiteral("/echo"), result.callback());
            QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
            QCOMPARE(result.status, 0);
        }
        QCOMPARE(other.requests().size(), 0);
        QCOMPARE(f->server.count(QStringLiteral("GET"), echoPath), 0);
        QCOMPARE(f->storedRefresh(), tokens.second);
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
        QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 60000);
        QCOMPARE(result.status, 0);
        QCOMPARE(authRequired.count(), 0);
        QCOMPARE(f->server.count(QStringLiteral("GET"), echoPath), 0);
        QCOMPARE(f->storedAccess(), tokens.first);
        QCOMPARE(f->storedRefresh(), tokens.second);
    }
};

TALLYRA_TEST(ApiClientTest)
#include "tst_apiclient.moc"
