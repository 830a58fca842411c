#include "account/filetokenstore.h"
#include "account/jwt.h"
#include "account/tokenmanager.h"
#include "support/fakeonlineservices.h"
#include "support/memorytokenstore.h"
#include "support/smallfilesystem.h"
#include "support/testmain.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace LumoAccount;

namespace {

QString tokenWithPayload(const QByteArray &payload)
{
    return QStringLiteral("h.") + QString::fromLatin1(payload.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)) + QStringLiteral(".s");
}

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

// A refresh handler the test completes by hand.
struct ManualRefresh
{
    int calls = 0;
    QString lastToken;
    TokenManager::SuccessContinuation succeed;
    TokenManager::FailureContinuation fail;

    TokenManager::RefreshHandler handler()
    {
        return [this](const QString &token, TokenManager::SuccessContinuation onSuccess,
                      TokenManager::FailureContinuation onFailure) {
            ++calls;
            lastToken = token;
            succeed = onSuccess;
            fail = onFailure;
        };
    }
};

} // namespace

class TokenTest : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<MemoryTokenStore::Map> values;
    std::unique_ptr<TokenManager> manager;
    ManualRefresh refresh;

    void setUpManager(const QString &access, const QString &refreshToken)
    {
        values = std::make_shared<MemoryTokenStore::Map>();
        manager = std::make_unique<TokenManager>(std::make_unique<MemoryTokenStore>(values));
        refresh = ManualRefresh();
        manager->setRefreshHandler(refresh.handler());
        manager->setTokens(access, refreshToken);
    }

private Q_SLOTS:
    void payloadReading_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<qint64>("expiry");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("groupId");
        QTest::addColumn<QString>("role");

        const QJsonObject lumi{{QStringLiteral("group_id"), QStringLiteral("g-7")}, {QStringLiteral("role"), QStringLiteral("owner")}};
        QTest::newRow("well formed") << FakeOnlineServices::makeJwt(QStringLiteral("u-1"), 1700000000, lumi)
                                     << qint64(1700000000) << "u-1" << "g-7" << "owner";
        QTest::newRow("expiry beyond 2038") << FakeOnlineServices::makeJwt(QStringLiteral("u"), 4102444800)
                                            << qint64(4102444800) << "u" << "" << "";
        QTest::newRow("one part") << "abc" << qint64(0) << "" << "" << "";
        QTest::newRow("payload not json") << tokenWithPayload("not json") << qint64(0) << "" << "" << "";
        QTest::newRow("payload is an array") << tokenWithPayload("[1,2]") << qint64(0) << "" << "" << "";
        QTest::newRow("fractional exp") << tokenWithPayload("{\"exp\":1700000000.5,\"sub\":\"s\"}") << qint64(0) << "s" << "" << "";
        QTest::newRow("text exp and number sub") << tokenWithPayload("{\"exp\":\"1700000000\",\"sub\":5}") << qint64(0) << "" << "" << "";
        QTest::newRow("padded payload") << QStringLiteral("h.") + QString::fromLatin1(QByteArray("{\"sub\":\"ab\"}").toBase64(QByteArray::Base64UrlEncoding)) + QStringLiteral(".s")
                                        << qint64(0) << "ab" << "" << "";
        QTest::newRow("empty lumi") << tokenWithPayload("{\"custom\":{\"lumi\":{}}}") << qint64(0) << "" << "" << "";
        QTest::newRow("lumi without role") << tokenWithPayload("{\"custom\":{\"lumi\":{\"group_id\":\"g\"}}}") << qint64(0) << "" << "g" << "";
    }

    void payloadReading()
    {
        QFETCH(QString, token);
        QFETCH(qint64, expiry);
        QFETCH(QString, subject);
        QFETCH(QString, groupId);
        QFETCH(QString, role);
        QCOMPARE(jwtExpiry(token), expiry);
        QCOMPARE(jwtSubject(token), subject);
        const LumiClaims claims = parseClaims(token);
        QCOMPARE(claims.groupId, groupId);
        QCOMPARE(claims.role, role);
    }

    void usabilityMargin_data()
    {
        QTest::addColumn<qint64>("secondsLeft");
        QTest::addColumn<bool>("hasRefreshToken");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<bool>("due");
        QTest::newRow("31 s left") << qint64(31) << true << true << false;
        QTest::newRow("29 s left") << qint64(29) << true << false << true;
        QTest::newRow("expired, no refresh token") << qint64(-60) << false << false << false;
        QTest::newRow("hour left, no refresh token") << qint64(3600) << false << true << false;
    }

    void usabilityMargin()
    {
        QFETCH(qint64, secondsLeft);
        QFETCH(bool, hasRefreshToken);
        QFETCH(bool, usable);
        QFETCH(bool, due);
        const QString token = FakeOnlineServices::makeJwt(QStringLiteral("u"), now() + secondsLeft);
        setUpManager(token, hasRefreshToken ? QStringLiteral("r") : QString());
        QCOMPARE(manager->validAccessToken(), usable ? token : QString());
        QCOMPARE(manager->needsRefresh(), due);
    }

    void waitingCallersShareOneRefresh()
    {
        setUpManager(QString(), QStringLiteral("r1"));
        QList<RefreshResult> results;
        for (int i = 0; i < 3; ++i)
            manager->refresh([&results](RefreshResult r) { results.append(r); });
        manager->refresh({}); // an empty callback only joins
        QCOMPARE(refresh.calls, 1);
        QCOMPARE(refresh.lastToken, QStringLiteral("r1"));
        QVERIFY(results.isEmpty());

        refresh.succeed(QStringLiteral("a2"), QStringLiteral("r2"));
        QCOMPARE(results, QList<RefreshResult>(3, RefreshResult::Success));
        QCOMPARE(values->value(QLatin1String(AccessTokenKey)), QStringLiteral("a2"));
        QCOMPARE(values->value(QLatin1String(RefreshTokenKey)), QStringLiteral("r2"));
    }

    void emptyCallbackStillStartsARefresh()
    {
        setUpManager(QString(), QStringLiteral("r1"));
        manager->refresh({});
        QCOMPARE(refresh.calls, 1);
    }

    void callbackMayStartTheNextRefresh()
    {
        setUpManager(QString(), QStringLiteral("r1"));
        int seen = 0;
        manager->refresh([&](RefreshResult) {
            ++seen;
            manager->refresh({}); // would dead-lock if the mutex were still held
        });
        refresh.fail(false);
        QCOMPARE(seen, 1);
        QCOMPARE(refresh.calls, 2);
    }

    void withoutRefreshTokenEveryCallerFailsAtOnce()
    {
        setUpManager(QStringLiteral("a"), QString());
        QList<int> order;
        manager->refresh([&](RefreshResult r) { QCOMPARE(r, RefreshResult::AuthFailed); order.append(1); });
        manager->refresh([&](RefreshResult r) { QCOMPARE(r, RefreshResult::AuthFailed); order.append(2); });
        QCOMPARE(order, QList<int>({1, 2}));
        QCOMPARE(refresh.calls, 0);
    }

    void outcomeOfARefreshAnswer_data()
    {
        QTest::addColumn<int>("answer"); // 0 tokens, 1 rejected, 2 transient
        QTest::addColumn<QString>("newAccess");
        QTest::addColumn<QString>("newRefresh");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("storedAccess");
        QTest::addColumn<QString>("storedRefresh");
        QTest::newRow("both tokens") << 0 << "a2" << "r2" << int(RefreshResult::Success) << "a2" << "r2";
        QTest::newRow("no refresh token keeps the old one") << 0 << "a2" << "" << int(RefreshResult::Success) << "a2" << "r1";
        QTest::newRow("no access token is transient") << 0 << "" << "r2" << int(RefreshResult::TransientError) << "a1" << "r1";
        QTest::newRow("rejected keeps tokens") << 1 << "" << "" << int(RefreshResult::AuthFailed) << "a1" << "r1";
        QTest::newRow("transient keeps tokens") << 2 << "" << "" << int(RefreshResult::TransientError) << "a1" << "r1";
    }

    void outcomeOfARefreshAnswer()
    {
        QFETCH(int, answer);
        QFETCH(QString, newAccess);
        QFETCH(QString, newRefresh);
        QFETCH(int, result);
        QFETCH(QString, storedAccess);
        QFETCH(QString, storedRefresh);
        setUpManager(QStringLiteral("a1"), QStringLiteral("r1"));
        int got = -1;
        manager->refresh([&got](RefreshResult r) { got = int(r); });
        if (answer == 0)
            refresh.succeed(newAccess, newRefresh);
        else
            refresh.fail(answer == 1);
        QCOMPARE(got, result);
        QCOMPARE(manager->accessToken(), storedAccess);
        QCOMPARE(manager->refreshToken(), storedRefresh);
        QCOMPARE(values->value(QLatin1String(AccessTokenKey)), storedAccess);
        QCOMPARE(values->value(QLatin1String(RefreshTokenKey)), storedRefresh);
    }

    void refreshEndingAfterSignOutStoresNothing()
    {
        setUpManager(QStringLiteral("a1"), QStringLiteral("r1"));
        int got = -1;
        manager->refresh([&got](RefreshResult r) { got = int(r); });
        manager->clearTokens();
        refresh.succeed(QStringLiteral("a2"), QStringLiteral("r2"));
        QCOMPARE(got, int(RefreshResult::AuthFailed));
        QVERIFY(manager->accessToken().isEmpty());
        QVERIFY(manager->refreshToken().isEmpty());
        QVERIFY(values->isEmpty());
    }

    // A refresh that ends after sign-out and a new sign-in must neither
    // overwrite the new pair nor, refused, send the new user away.
    void refreshEndingAfterANewSignIn_data()
    {
        QTest::addColumn<int>("answer"); // 0 tokens, 1 rejected, 2 transient
        QTest::addColumn<int>("expiresIn"); // of the new access token
        QTest::addColumn<int>("result");
        QTest::newRow("refused, new token usable") << 1 << 3600 << int(RefreshResult::Success);
        QTest::newRow("transient, new token usable") << 2 << 3600 << int(RefreshResult::Success);
        QTest::newRow("new tokens, new token usable") << 0 << 3600 << int(RefreshResult::Success);
        QTest::newRow("refused, new token expiring") << 1 << 10 << int(RefreshResult::TransientError);
    }

    void refreshEndingAfterANewSignIn()
    {
        QFETCH(int, answer);
        QFETCH(int, expiresIn);
        QFETCH(int, result);
        setUpManager(QStringLiteral("a1"), QStringLiteral("r1"));
        QList<int> got;
        manager->refresh([&got](RefreshResult r) { got.append(int(r)); });
        manager->clearTokens();
        const QString access = FakeOnlineServices::makeJwt(QStringLiteral("u"), now() + expiresIn);
        manager->setTokens(access, QStringLiteral("r-new"));
        manager->refresh([&got](RefreshResult r) { got.append(int(r)); });
        if (answer == 0)
            refresh.succeed(QStringLiteral("a2"), QStringLiteral("r2"));
        else
            refresh.fail(answer == 1);
        QCOMPARE(got, QList<int>(2, result));
        QCOMPARE(manager->accessToken(), access);
        QCOMPARE(values->value(QLatin1String(RefreshTokenKey)), QStringLiteral("r-new"));
    }

    void fileStoreKeepsSecretsPrivate()
    {
        QTemporaryDir base;
        FileTokenStore store(QStringLiteral("test.app"), base.path());
        const QString secret = QStringLiteral("tök€n-\U0001F511");
        QVERIFY(store.write(QLatin1String(AccessTokenKey), secret));
        QVERIFY(store.write(QLatin1String(RefreshTokenKey), QStringLiteral("r")));
        QCOMPARE(store.directory(), base.path() + QStringLiteral("/Lumora/test.app"));

        const QFileInfo folder(store.directory());
        QCOMPARE(folder.permissions() & 0x0777 /* user, group, other bits */,
                 QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        const QFileInfo file(store.directory() + QLatin1Char('/') + QLatin1String(AccessTokenKey));
        QCOMPARE(file.permissions() & 0x0777, QFile::ReadUser | QFile::WriteUser);

        FileTokenStore reopened(QStringLiteral("test.app"), base.path());
        QCOMPARE(reopened.read(QLatin1String(AccessTokenKey)), std::optional<QString>(secret));
        reopened.clear();
        QCOMPARE(reopened.read(QLatin1String(AccessTokenKey)), std::nullopt);
        QCOMPARE(reopened.read(QLatin1String(RefreshTokenKey)), std::nullopt);
        QVERIFY(!reopened.remove(QLatin1String(AccessTokenKey)));
    }

    // A token that cannot be written on a full disk is reported, and the
    // stored one stays whole instead of giving way to an empty file.
    void fileStoreOnAFullDiskKeepsTheStoredToken()
    {
        SmallFileSystem disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system is not allowed here");
        FileTokenStore store(QStringLiteral("test.app"), disk.path());
        QVERIFY(store.write(QLatin1String(RefreshTokenKey), QStringLiteral("r-old")));
        QVERIFY(disk.fill());

        QVERIFY(!store.write(QLatin1String(RefreshTokenKey), QStringLiteral("r-new")));
        QCOMPARE(store.read(QLatin1String(RefreshTokenKey)), std::optional<QString>(QStringLiteral("r-old")));
    }

    void fileStoreTightensAnOpenFolder()
    {
        QTemporaryDir base;
        const QString folder = base.path() + QStringLiteral("/Lumora/test.app");
        QVERIFY(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                          | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther);
        FileTokenStore store(QStringLiteral("test.app"), base.path());
        QVERIFY(store.write(QLatin1String(RefreshTokenKey), QStringLiteral("r")));
        QCOMPARE(QFileInfo(folder).permissions() & 0x0777,
                 QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    }

    void fileStoreLivesInTheConfigLocation()
    {
        // The test main points the config location at a temporary folder.
        FileTokenStore store(QStringLiteral("test.app"));
        QCOMPARE(store.directory(),
                 QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)
                     + QStringLiteral("/Lumora/test.app"));
        QVERIFY(store.directory().startsWith(TestRegistry::rootPath()));
        QVERIFY(!FileTokenStore(QStringLiteral("..")).write(QLatin1String(AccessTokenKey), QStringLiteral("x")));
    }
};

TALLYRA_TEST(TokenTest)
#include "tst_tokens.moc"
