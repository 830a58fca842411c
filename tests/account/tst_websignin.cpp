#include "account/authclient.h"
#include "account/browser.h"
#include "account/client.h"
#include "account/webauthhandler.h"
#include "onlinefixture.h"
#include "support/testmain.h"

#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

using namespace LumoAccount;

namespace {

// One raw HTTP exchange with the sign-in listener, driven by the event loop.
class RawConnection
{
public:
    bool open(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        return m_socket.waitForConnected(2000);
    }

    void send(const QList<QByteArray> &pieces)
    {
        for (const QByteArray &piece : pieces) {
            m_socket.write(piece);
            m_socket.flush();
            QTest::qWait(30);
        }
    }

    // Everything the listener wrote until it closed the connection.
    QByteArray reply()
    {
        const bool closed = QTest::qWaitFor([this] {
            m_received += m_socket.readAll();
            return m_socket.state() == QAbstractSocket::UnconnectedState;
        }, 3000);
        if (!closed)
            m_received += "(still open)";
        m_received += m_socket.readAll();
        return m_received;
    }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

} // namespace

// Stands in for the system browser: records what it was asked to open and,
// when following, loads the sign-in page and follows its redirect.
class CapturedBrowser : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;
    bool follow = false;
    QByteArray callbackPage;

public Q_SLOTS:
    void openUrl(const QUrl &url)
    {
        opened.append(url);
        if (!follow)
            return;
        QNetworkRequest request(url);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        QNetworkReply *reply = m_network.get(request);
        connect(reply, &QNetworkReply::finished, this, [this, reply] {
            reply->deleteLater();
            QUrl location(QString::fromUtf8(reply->rawHeader("Location")));
            // A browser resolves "localhost"; the listener is on the IPv4 loopback.
            m_connection = std::make_unique<RawConnection>();
            if (!m_connection->open(quint16(location.port())))
                return;
            m_connection->send({"GET " + location.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority)
                                + " HTTP/1.1\r\nHost: localhost\r\n\r\n"});
            callbackPage = m_connection->reply();
        });
    }

private:
    QNetworkAccessManager m_network;
    std::unique_ptr<RawConnection> m_connection;
};

class WebSignInTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OnlineFixture> f;
    std::unique_ptr<CapturedBrowser> browser;

    AuthClient *auth() const { return f->client->authClient(); }

    quint16 listenerPort() const
    {
        const QUrlQuery query(browser->opened.constLast());
        return quint16(QUrl(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded)).port());
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<OnlineFixture>();
        f->makeClient();
        browser = std::make_unique<CapturedBrowser>();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), browser.get(), "openUrl");
    }

    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        f.reset();
        browser.reset();
    }

    void browserSignInEndToEnd()
    {
        browser->follow = true;
        QSignalSpy succeeded(auth(), &AuthClient::loginSucceeded);
        QSignalSpy failed(auth(), &AuthClient::loginFailed);
        QSignalSpy states(auth(), &AuthClient::stateChanged);
        auth()->login();
        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, 60000);
        QTRY_VERIFY(!browser->callbackPage.isEmpty());

        QCOMPARE(failed.count(), 0);
        QCOMPARE(states.count(), 1);
        QCOMPARE(auth()->state(), AuthState::SignedIn);
        QVERIFY(browser->callbackPage.startsWith("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"));
        QVERIFY(browser->callbackPage.contains("<h2>Authentication complete!</h2>"));

        const QUrl opened = browser->opened.constFirst();
        QCOMPARE(opened.path(), QStringLiteral("/auth/lumora/account/login"));
        QCOMPARE(QUrlQuery(opened).queryItemValue(QStringLiteral("client_id")), QLatin1String(FakeOnlineServices::ClientId));

        // The stored tokens are the ones the service issued: it accepts them.
        QVERIFY(!f->storedAccess().isEmpty());
        QVERIFY(!f->storedRefresh().isEmpty());
        User user;
        auth()->fetchCurrentUser([&user](const User &u) { user = u; });
        QTRY_COMPARE(user.id, QStringLiteral("user-1"));
    }

    // With no browser to open, the sign-in address goes to the failure
    // handler (the interface shows it); opened by hand, it still signs in.
    void signInWithoutABrowserCanBeOpenedByHand()
    {
        QList<QUrl> reported;
        setBrowserOpener([](const QUrl &) { return false; });
        setBrowserFailureHandler([&reported](const QUrl &url) { reported.append(url); });
        const auto restore = qScopeGuard([] {
            setBrowserOpener({});
            setBrowserFailureHandler({});
        });
        QSignalSpy succeeded(auth(), &AuthClient::loginSucceeded);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No browser could open")));
        auth()->login();
        QCOMPARE(reported.size(), 1);
        QCOMPARE(reported.first().path(), QStringLiteral("/auth/lumora/account/login"));
        QVERIFY(browser->opened.isEmpty());

        browser->follow = true;
        browser->openUrl(reported.first());
        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, 60000);
        QCOMPARE(auth()->state(), AuthState::SignedIn);
    }

    void redirectUriOnThePreferredPort()
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, WebAuthHandler::PreferredPort))
            QSKIP("port 19876 is taken");
        probe.close();
        auth()->login();
        QCOMPARE(browser->opened.size(), 1);
        QVERIFY2(browser->opened.constFirst().toEncoded().contains(
                     "&redirect_uri=http%3A%2F%2Flocalhost%3A19876%2Fcallback"),
                 browser->opened.constFirst().toEncoded().constData());
    }

    void preferredPortTakenFallsBackToAFreeOne()
    {
        QTcpServer blocker;
        blocker.listen(QHostAddress::LocalHost, WebAuthHandler::PreferredPort); // may already be taken
        browser->follow = true;
        QSignalSpy succeeded(auth(), &AuthClient::loginSucceeded);
        auth()->login();
        QVERIFY(listenerPort() != WebAuthHandler::PreferredPort);
        QVERIFY(listenerPort() != 0);
        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, 60000);
    }

    void strayRequests_data()
    {
        QTest::addColumn<QList<QList<QByteArray>>>("requests"); // each split into pieces
        // "-": anything but a success page (a 404, or closed unanswered once
        // the attempt is over).
        QTest::addColumn<QList<QByteArray>>("statusLines");
        QTest::addColumn<int>("succeeded");
        QTest::addColumn<int>("failed");

        const QByteArray good = "GET /callback?access_token=a1&refresh_token=r1 HTTP/1.1\r\nHost: localhost\r\n\r\n";
        const QByteArray ok = "HTTP/1.1 200 OK";
        const QByteArray notFound = "HTTP/1.1 404 Not Found";
        const QByteArray badRequest = "HTTP/1.1 400 Bad Request";
        using Pieces = QList<QByteArray>;
        QTest::newRow("site icon first")
            << QList<Pieces>{{"GET /favicon.ico HTTP/1.1\r\n\r\n"}, {good}}
            << QList<QByteArray>{notFound, ok} << 1 << 0;
        QTest::newRow("wrong path first")
            << QList<Pieces>{{"GET /callbackx?access_token=a&refresh_token=r HTTP/1.1\r\n\r\n"}, {good}}
            << QList<QByteArray>{notFound, ok} << 1 << 0;
        QTest::newRow("post to the callback")
            << QList<Pieces>{{"POST /callback?access_token=a&refresh_token=r HTTP/1.1\r\n\r\n"}, {good}}
            << QList<QByteArray>{notFound, ok} << 1 << 0;
        QTest::newRow("request line in pieces")
            << QList<Pieces>{{"GE", "T /callback?access_token=a1&re", "fresh_token=r1 HTTP/1.1\r\nHost: x\r\n\r\n"}}
            << QList<QByteArray>{ok} << 1 << 0;
        QTest::newRow("garbage line")
            << QList<Pieces>{{QByteArray("\x00\xff\r\n\r\n", 6)}, {good}}
            << QList<QByteArray>{badRequest, ok} << 1 << 0;
        QTest::newRow("request line over the limit")
            << QList<Pieces>{{"GET /callback?access_token=a2&refresh_token=r2" + QByteArray(20000, 'x')
                              + " HTTP/1.1\r\n\r\n"},
                             {good}}
            << QList<QByteArray>{badRequest, ok} << 1 << 0;
        QTest::newRow("second callback")
            << QList<Pieces>{{good}, {good}}
            << QList<QByteArray>{ok, "-"} << 1 << 0;
        QTest::newRow("only an access token")
            << QList<Pieces>{{"GET /callback?access_token=a1 HTTP/1.1\r\n\r\n"}, {good}}
            << QList<QByteArray>{ok, "-"} << 0 << 1;
    }

    void strayRequests()
    {
        QFETCH(QList<QList<QByteArray>>, requests);
        QFETCH(QList<QByteArray>, statusLines);
        QFETCH(int, succeeded);
        QFETCH(int, failed);

        QSignalSpy successes(auth(), &AuthClient::loginSucceeded);
        QSignalSpy failures(auth(), &AuthClient::loginFailed);
        auth()->login();
        const quint16 port = listenerPort();

        // Every connection is open before the first request, as a browser's may be.
        std::vector<std::unique_ptr<RawConnection>> connections;
        for (qsizetype i = 0; i < requests.size(); ++i) {
            connections.push_back(std::make_unique<RawConnection>());
            QVERIFY(connections.back()->open(port));
        }
        QList<QByteArray> replies;
        for (qsizetype i = 0; i < requests.size(); ++i) {
            connections.at(size_t(i))->send(requests.at(i));
            replies.append(connections.at(size_t(i))->reply());
        }
        for (qsizetype i = 0; i < statusLines.size(); ++i) {
            const bool matches = statusLines.at(i) == "-"
                ? !replies.at(i).startsWith("HTTP/1.1 200") && !replies.at(i).contains("(still open)")
                : replies.at(i).startsWith(statusLines.at(i));
            QVERIFY2(matches, replies.at(i).constData());
        }

        QTest::qWait(20);
        QCOMPARE(successes.count(), succeeded);
        QCOMPARE(failures.count(), failed);
        if (failed) {
            QCOMPARE(failures.first().first().toString(), QStringLiteral("No tokens received"));
            QVERIFY(replies.first().contains("Authentication failed"));
            QVERIFY(f->store->isEmpty());
            QCOMPARE(auth()->state(), AuthState::Initial);
        } else {
            QCOMPARE(f->storedAccess(), QStringLiteral("a1"));
            QCOMPARE(f->storedRefresh(), QStringLiteral("r1"));
        }
    }

    void callbackUrlTokens_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("access");
        QTest::addColumn<QString>("refresh");
        QTest::newRow("query") << "http://localhost:1/callback?access_token=a&refresh_token=r" << "a" << "r";
        QTest::newRow("fragment") << "http://localhost:1/callback#access_token=a&refresh_token=r" << "a" << "r";
        QTest::newRow("fragment wins") << "http://localhost:1/callback?access_token=q&refresh_token=q#access_token=a&refresh_token=r" << "a" << "r";
        QTest::newRow("fragment without access uses the query") << "http://localhost:1/callback?access_token=q&refresh_token=q#refresh_token=r" << "q" << "q";
        QTest::newRow("encoded values") << "http://localhost:1/callback?access_token=a%2Bb%3D&refresh_token=r" << "a+b=" << "r";
    }

    void callbackUrlTokens()
    {
        QFETCH(QString, url);
        QFETCH(QString, access);
        QFETCH(QString, refresh);
        const CallbackTokens tokens = callbackTokens(QUrl(url));
        QCOMPARE(tokens.accessToken, access);
        QCOMPARE(tokens.refreshToken, refresh);
    }

    void signingInAgainKeepsTheState()
    {
        QSignalSpy states(auth(), &AuthClient::stateChanged);
        QSignalSpy succeeded(auth(), &AuthClient::loginSucceeded);
        auth()->handleCallback(QUrl(QStringLiteral("http://localhost/callback?access_token=a&refresh_token=r")));
        auth()->handleCallback(QUrl(QStringLiteral("http://localhost/callback?access_token=b&refresh_token=s")));
        QCOMPARE(states.count(), 1);
        QCOMPARE(succeeded.count(), 2);
        QCOMPARE(f->storedAccess(), QStringLiteral("b"));
    }
};

TALLYRA_TEST(WebSignInTest)
#include "tst_websignin.moc"
