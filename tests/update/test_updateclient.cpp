#include "support/testmain.h"

#include "feedfiles.h"

#include "update/client.h"
#include "update/manifest.h"
#include "update/version.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace LumoUpdate;

namespace {

const QString kFeedPath = QStringLiteral("/tallyra/stable/latest.json");

QJsonObject validArtifact(const QString &version = QStringLiteral("1.2.0"))
{
    return QJsonObject{
        {QStringLiteral("version"), version},
        {QStringLiteral("released_at"), QStringLiteral("2026-11-02T10:00:00Z")},
        {QStringLiteral("url"), QStringLiteral("https://downloads.example.invalid/tallyra-1.2.0.exe")},
        {QStringLiteral("size"), 1048576},
        {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))},
    };
}

QJsonObject manifestWith(const QJsonObject &artifacts)
{
    return QJsonObject{
        {QStringLiteral("schema"), 1},
        {QStringLiteral("app"), QStringLiteral("tallyra")},
        {QStringLiteral("channel"), QStringLiteral("stable")},
        {QStringLiteral("artifacts"), artifacts},
    };
}

QByteArray toJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QByteArray feedFor(const QString &platform, const QJsonObject &artifact)
{
    return toJson(manifestWith({{platform, artifact}}));
}

// A feed offering the artifact to the system the tests run on.
QByteArray feedOffering(const QJsonObject &artifact)
{
    return feedFor(currentPlatformKey(), artifact);
}

// One check's outcome: "available <version>", "uptodate" or "failed <reason>".
struct Outcome
{
    QString kind;
    QString detail;
    int signals = 0;
};

Outcome runCheck(Client &client)
{
    Outcome outcome;
    // A context object scopes the handlers to this call: a client may run
    // several checks.
    QObject scope;
    QObject::connect(&client, &Client::updateAvailable, &scope, [&](const Artifact &artifact) {
        outcome = {QStringLiteral("available"), artifact.version, outcome.signals + 1};
    });
    QObject::connect(&client, &Client::upToDate, &scope,
                     [&] { outcome = {QStringLiteral("uptodate"), QString(), outcome.signals + 1}; });
    QObject::connect(&client, &Client::checkFailed, &scope, [&](const QString &reason) {
        outcome = {QStringLiteral("failed"), reason, outcome.signals + 1};
    });
    client.check();
    if (!QTest::qWaitFor([&] { return outcome.signals > 0; }, 5000))
        outcome.kind = QStringLiteral("no answer");
    return outcome;
}

} // namespace

class UpdateClientTest : public QObject
{
    Q_OBJECT

private:
    FakeServer *m_server = nullptr;

    UpdateConfig config(const QString &version = QStringLiteral("1.1.7")) const
    {
        return {QStringLiteral("tallyra"), QStringLiteral("stable"), m_server->url(QStringLiteral("/tallyra/stable/")),
                version};
    }

    Outcome checkAgainst(const QByteArray &feed, const QString &version = QStringLiteral("1.1.7"))
    {
        serveFile(*m_server, kFeedPath, feed);
        Client client(config(version));
        return runCheck(client);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (currentPlatformKey().isEmpty())
            QSKIP("no release is published for this processor");
    }

    void init()
    {
        m_server = new FakeServer(this);
        QVERIFY(m_server->start());
    }
    void cleanup() { delete m_server; }

    void unusableFeedFailsWithReason_data()
    {
        QTest::addColumn<QByteArray>("feed");
        QTest::addColumn<QString>("reason");

        QJsonObject noUrl = validArtifact();
        noUrl.remove(QStringLiteral("url"));
        QJsonObject emptyFile = validArtifact();
        emptyFile[QStringLiteral("size")] = 0;
        QJsonObject hugeFile = validArtifact();
        hugeFile[QStringLiteral("size")] = 1e300;
        QJsonObject shortHash = validArtifact();
        shortHash[QStringLiteral("sha256")] = QString(63, QLatin1Char('a'));
        QJsonObject badTime = validArtifact();
        badTime[QStringLiteral("released_at")] = QStringLiteral("yesterday");
        QJsonObject localFile = validArtifact();
        localFile[QStringLiteral("url")] = QStringLiteral("file:///usr/bin/env");
        QJsonObject schemaText = manifestWith({{QStringLiteral("windows-x64"), validArtifact()}});
        schemaText[QStringLiteral("schema")] = QStringLiteral("1");
        QJsonObject schemaTwo = schemaText;
        schemaTwo[QStringLiteral("schema")] = 2;
        QJsonObject noChannel = manifestWith({{QStringLiteral("windows-x64"), validArtifact()}});
        noChannel.remove(QStringLiteral("channel"));
        QJsonObject appNumber = noChannel;
        appNumber[QStringLiteral("app")] = 7;
        QJsonObject artifactsList = manifestWith({});
        artifactsList[QStringLiteral("artifacts")] = QJsonArray();

        QTest::newRow("array root") << QByteArray("[1, 2]") << "manifest root is not a JSON object";
        QTest::newRow("schema as text") << toJson(schemaText) << "missing or non-integer field: schema";
        QTest::newRow("schema 2") << toJson(schemaTwo) << "unsupported manifest schema: 2 (expected 1)";
        QTest::newRow("first missing string names the error")
            << toJson(appNumber) << "missing or non-string field: app";
        QTest::newRow("no channel") << toJson(noChannel) << "missing or non-string field: channel";
        QTest::newRow("artifacts not an object") << toJson(artifactsList) << "missing or non-object field: artifacts";
        QTest::newRow("no artifacts") << toJson(manifestWith({})) << "manifest failed validation";
        QTest::newRow("artifact not an object")
            << toJson(manifestWith({{QStringLiteral("windows-x64"), QStringLiteral("soon")}}))
            << "artifact windows-x64 is not an object";
        QTest::newRow("no url") << feedFor(QStringLiteral("windows-x64"), noUrl) << "missing or non-string field: url";
        QTest::newRow("size 0") << feedFor(QStringLiteral("windows-x64"), emptyFile) << "artifact windows-x64 failed validation";
        QTest::newRow("size beyond 64 bits") << feedFor(QStringLiteral("windows-x64"), hugeFile) << "artifact windows-x64 failed validation";
        QTest::newRow("63-character hash") << feedFor(QStringLiteral("windows-x64"), shortHash) << "artifact windows-x64 failed validation";
        QTest::newRow("release time not a date") << feedFor(QStringLiteral("windows-x64"), badTime) << "artifact windows-x64 failed validation";
        QTest::newRow("download not a web address")
            << feedFor(QStringLiteral("windows-x64"), localFile) << "artifact windows-x64 failed validation";
    }

    void unusableFeedFailsWithReason()
    {
        QFETCH(QByteArray, feed);
        QFETCH(QString, reason);
        const Outcome outcome = checkAgainst(feed);
        QCOMPARE(outcome.kind, QStringLiteral("failed"));
        QCOMPARE(outcome.detail, QStringLiteral("manifest invalid: ") + reason);
    }

    void bodyThatIsNotJsonReportsParseError()
    {
        const Outcome outcome = checkAgainst("<html>maintenance</html>");
        QCOMPARE(outcome.kind, QStringLiteral("failed"));
        QVERIFY2(outcome.detail.startsWith(QStringLiteral("manifest invalid: JSON parse error: ")),
                 qPrintable(outcome.detail));
    }

    void missingFeedIsUpToDateButServerErrorFails()
    {
        Client client(config());
        QCOMPARE(runCheck(client).kind, QStringLiteral("uptodate"));

        serveFile(*m_server, kFeedPath, "oops", 500);
        const Outcome failed = runCheck(client);
        QCOMPARE(failed.kind, QStringLiteral("failed"));
        QVERIFY2(failed.detail.startsWith(QStringLiteral("network error: ")), qPrintable(failed.detail));
    }

    void versionParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("patch");

        QTest::newRow("full") << "1.2.3" << 1 << 2 << 3;
        QTest::newRow("two parts") << "1.2" << 1 << 2 << 0;
        QTest::newRow("one part") << "2" << 2 << 0 << 0;
        QTest::newRow("pre-release suffix") << "1.2.0-rc1" << 0 << 0 << 0;
        QTest::newRow("four parts") << "1.2.3.4" << 0 << 0 << 0;
        QTest::newRow("empty part") << "1..2" << 0 << 0 << 0;
        QTest::newRow("empty") << "" << 0 << 0 << 0;
        QTest::newRow("letters") << "v1.2" << 0 << 0 << 0;
    }

    void versionParsing()
    {
        QFETCH(QString, text);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, patch);
        const Version version = Version::parse(text);
        QCOMPARE(version.major, major);
        QCOMPARE(version.minor, minor);
        QCOMPARE(version.patch, patch);
    }

    void versionOrdering()
    {
        QVERIFY(Version::parse(QStringLiteral("1.2")) == Version::parse(QStringLiteral("1.2.0")));
        QVERIFY(Version::parse(QStringLiteral("1.1.7")) < Version::parse(QStringLiteral("1.2")));
        QVERIFY(Version::parse(QStringLiteral("1.9.9")) < Version::parse(QStringLiteral("1.10.0")));
        QVERIFY(!(Version::parse(QStringLiteral("2.0.0")) < Version::parse(QStringLiteral("1.99.99"))));
        QVERIFY(!(Version::parse(QStringLiteral("1.2.0")) < Version::parse(QStringLiteral("1.2"))));
    }

    void offeredVersionAgainstRunning_data()
    {
        QTest::addColumn<QString>("running");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("kind");

        QTest::newRow("same version") << "1.1.7" << "1.1.7" << "uptodate";
        QTest::newRow("older build") << "1.1.7" << "1.1.6" << "uptodate";
        QTest::newRow("newer, two parts") << "1.1.7" << "1.2" << "available";
        QTest::newRow("pre-release reads 0.0.0") << "1.1.7" << "1.2.0-rc1" << "uptodate";
        QTest::newRow("unreadable running version") << "dev" << "0.0.1" << "available";
    }

    void offeredVersionAgainstRunning()
    {
        QFETCH(QString, running);
        QFETCH(QString, offered);
        QFETCH(QString, kind);
        const Outcome outcome = checkAgainst(feedOffering(validArtifact(offered)), running);
        QCOMPARE(outcome.kind, kind);
        QCOMPARE(outcome.signals, 1);
        if (kind == QLatin1String("available"))
            QCOMPARE(outcome.detail, offered);
    }

    void minimumUpgradableVersion()
    {
        QJsonObject artifact = validArtifact();
        artifact[QStringLiteral("min_upgradable_from")] = QStringLiteral("1.1.7");
        QCOMPARE(checkAgainst(feedOffering(artifact)).kind, QStringLiteral("available"));

        artifact[QStringLiteral("min_upgradable_from")] = QStringLiteral("1.1.8");
        const Outcome outcome = checkAgainst(feedOffering(artifact));
        QCOMPARE(outcome.kind, QStringLiteral("failed"));
        QCOMPARE(outcome.detail, QStringLiteral("current version 1.1.7 is older than min_upgradable_from 1.1.8; "
                                                "please upgrade to an intermediate release first"));
    }

    void artifactFieldsReachTheSignal()
    {
        QJsonObject artifact = validArtifact();
        artifact[QStringLiteral("mandatory")] = true;
        artifact[QStringLiteral("release_notes_url")] = QStringLiteral("https://notes.example.invalid/1.2.0.md");
        serveFile(*m_server, kFeedPath, feedOffering(artifact));
        Client client(config());
        QSignalSpy available(&client, &Client::updateAvailable);
        client.check();
        QTRY_COMPARE(available.count(), 1);
        const Artifact offered = available.at(0).at(0).value<Artifact>();
        QVERIFY(offered.mandatory);
        QCOMPARE(offered.size, qint64(1048576));
        QCOMPARE(offered.url, QUrl(QStringLiteral("https://downloads.example.invalid/tallyra-1.2.0.exe")));
        QCOMPARE(offered.releaseNotesUrl, QUrl(QStringLiteral("https://notes.example.invalid/1.2.0.md")));
    }

    void goodMembersBeforeABadOneKeepTheFeedUsable()
    {
        // Members are read in key order: linux-x64 is stored before the
        // broken windows-x64 entry stops the walk.
        const QByteArray feed = toJson(manifestWith({{QStringLiteral("linux-x64"), validArtifact()},
                                                     {QStringLiteral("windows-x64"), QStringLiteral("soon")}}));
        QString error;
        const Manifest manifest = parseManifest(feed, &error);
        QVERIFY(manifest.isValid());
        QCOMPARE(manifest.artifacts.keys(), QStringList{QStringLiteral("linux-x64")});
        QCOMPARE(error, QStringLiteral("artifact windows-x64 is not an object"));

        if (currentPlatformKey() == QLatin1String("linux-x64")) {
            QCOMPARE(checkAgainst(feed).kind, QStringLiteral("available"));
        } else {
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("not shipped in current manifest")));
            QCOMPARE(checkAgainst(feed).kind, QStringLiteral("uptodate"));
        }
    }

    void platformKeyNamesTheRunningSystem_data()
    {
        QTest::addColumn<QString>("kernel");
        QTest::addColumn<QString>("cpu");
        QTest::addColumn<QString>("key");
        QTest::newRow("64-bit x86 Linux") << "linux" << "x86_64" << "linux-x64";
        QTest::newRow("64-bit x86 Windows") << "winnt" << "x86_64" << "windows-x64";
        QTest::newRow("32-bit x86 Windows") << "winnt" << "i386" << "";
        QTest::newRow("64-bit ARM Linux") << "linux" << "arm64" << "";
        QTest::newRow("64-bit x86 macOS") << "darwin" << "x86_64" << "";
        QTest::newRow("64-bit x86 FreeBSD") << "freebsd" << "x86_64" << "";
    }

    void platformKeyNamesTheRunningSystem()
    {
        QFETCH(QString, kernel);
        QFETCH(QString, cpu);
        QFETCH(QString, key);
        QCOMPARE(platformKey(kernel, cpu), key);
    }

    // A build for another system is never offered, however new.
    void otherPlatformsBuildIsNotOffered()
    {
        const QString other = currentPlatformKey() == QLatin1String("windows-x64") ? QStringLiteral("linux-x64")
                                                                                     : QStringLiteral("windows-x64");
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("platform %1 not shipped in current "
                                                                          "manifest")
                                                               .arg(currentPlatformKey())));
        const Outcome outcome = checkAgainst(feedFor(other, validArtifact(QStringLiteral("9.0.0"))));
        QCOMPARE(outcome.kind, QStringLiteral("uptodate"));
    }

    void feedThatNeverAnswersFailsAfterTheTimeOut()
    {
        FakeResponse silent;
        silent.mode = FakeResponse::Mode::NoReply;
        m_server->scriptAlways(QStringLiteral("GET"), kFeedPath, silent);
        UpdateConfig impatient = config();
        QCOMPARE(impatient.transferTimeoutMs, 60000);
        impatient.transferTimeoutMs = 200;
        Client client(impatient);
        const Outcome outcome = runCheck(client);
        QCOMPARE(outcome.kind, QStringLiteral("failed"));
        QVERIFY2(outcome.detail.startsWith(QStringLiteral("network error: ")), qPrintable(outcome.detail));

        // The client is free again.
        serveFile(*m_server, kFeedPath, feedOffering(validArtifact()));
        QCOMPARE(runCheck(client).kind, QStringLiteral("available"));
    }

    void requestGoesToLatestJsonWithUserAgent()
    {
        serveFile(*m_server, QStringLiteral("/a/b/latest.json"), feedOffering(validArtifact(QStringLiteral("1.1.7"))));
        UpdateConfig withoutSlash = config();
        withoutSlash.manifestBaseUrl = m_server->url(QStringLiteral("/a/b"));
        Client client(withoutSlash);
        QCOMPARE(client.manifestUrl().path(), QStringLiteral("/a/b/latest.json"));
        QCOMPARE(runCheck(client).kind, QStringLiteral("uptodate"));
        QCOMPARE(m_server->requests().size(), 1);
        QCOMPARE(m_server->requests().at(0).path, QStringLiteral("/a/b/latest.json"));
        QCOMPARE(m_server->requests().at(0).header("user-agent"), QByteArray("LumoUpdateQt/0.1 (tallyra)"));
    }

    void secondCheckWhileInFlightIsIgnored()
    {
        serveFile(*m_server, kFeedPath, feedOffering(validArtifact()));
        Client client(config());
        QSignalSpy available(&client, &Client::updateAvailable);
        QSignalSpy upToDate(&client, &Client::upToDate);
        QSignalSpy failed(&client, &Client::checkFailed);
        client.check();
        client.check();
        QTRY_COMPARE(available.count(), 1);
        QTest::qWait(100);
        QCOMPARE(available.count() + upToDate.count() + failed.count(), 1);
        QCOMPARE(m_server->requests().size(), 1);
    }

    void unusableConfigurationFailsAtOnce()
    {
        UpdateConfig noBase = config();
        noBase.manifestBaseUrl = QUrl();
        Client first(noBase);
        QSignalSpy firstFailed(&first, &Client::checkFailed);
        first.check();
        QCOMPARE(firstFailed.count(), 1);
        QCOMPARE(firstFailed.at(0).at(0).toString(), QStringLiteral("manifestBaseUrl is not valid"));

        Client second(config(QString()));
        QSignalSpy secondFailed(&second, &Client::checkFailed);
        second.check();
        QCOMPARE(secondFailed.count(), 1);
        QCOMPARE(secondFailed.at(0).at(0).toString(), QStringLiteral("currentVersion is empty"));
        QVERIFY(m_server->requests().isEmpty());
    }
};

TALLYRA_TEST(UpdateClientTest)
#include "test_updateclient.moc"
