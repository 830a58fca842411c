#include "account/accountclient.h"
#include "account/accountsharingservice.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/deviceidentity.h"
#include "onlinefixture.h"
#include "support/testmain.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QSignalSpy>
#include <QSysInfo>

#include <optional>

using namespace LumoAccount;

Q_DECLARE_METATYPE(FakeResponse)

class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void openUrl(const QUrl &url) { opened.append(url); }
};

// One write a client makes: the request layer it goes through, its verb
// and path on the fake services, and the call that makes it.
struct Write
{
    const char *name;
    std::function<ApiClient *(Client &)> api;
    QString method;
    std::function<QString(const FakeOnlineServices &)> path;
    std::function<void(Client &, AccountSharingService &)> make;
};

const QList<Write> &writes()
{
    const auto accountApi = [](Client &client) { return client.accountApi(); };
    const auto authApi = [](Client &client) { return client.authApi(); };
    const auto account = [](const char *path) {
        return [path](const FakeOnlineServices &services) { return services.accountPath(QLatin1String(path)); };
    };
    const auto auth = [](const char *path) {
        return [path](const FakeOnlineServices &services) { return services.authApiPath(QLatin1String(path)); };
    };
    const QString post = QStringLiteral("POST");
    static const QList<Write> all{
        {"register device", accountApi, post, account("/devices/register"),
         [](Client &client, AccountSharingService &) { client.accountClient()->registerDevice(); }},
        {"generate invite code", accountApi, post, account("/group/invite"),
         [](Client &client, AccountSharingService &) {
             client.accountClient()->generateInviteCode([](const GroupInvitation &) {});
         }},
        {"invite by e-mail", accountApi, post, account("/group/invite"),
         [](Client &client, AccountSharingService &) {
             client.accountClient()->inviteByEmail(QStringLiteral("cy@example.test"), [](const GroupInvitation &) {});
         }},
        {"join group", accountApi, post, account("/group/join/JOIN1"),
         [](Client &client, AccountSharingService &) {
             client.accountClient()->joinGroup(QStringLiteral("JOIN1"), [](bool) {});
         }},
        {"leave group", accountApi, post, account("/group/leave"),
         [](Client &client, AccountSharingService &) { client.accountClient()->leaveGroup(); }},
        {"token refresh", authApi, post, auth("/auth/token/refresh"),
         [](Client &client, AccountSharingService &) { client.authClient()->refreshToken([](bool) {}); }},
        {"sign out", authApi, post, auth("/auth/logout"),
         [](Client &client, AccountSharingService &) { client.authClient()->logout(); }},
        {"rename", authApi, QStringLiteral("PATCH"), auth("/users/me"),
         [](Client &client, AccountSharingService &) {
             client.authClient()->updateProfile(QStringLiteral("Ann B."), [](const User &) {});
         }},
        {"change password", authApi, post, auth("/users/me/password"),
         [](Client &client, AccountSharingService &) {
             client.authClient()->changePassword(QStringLiteral("old-secret"), QStringLiteral("new-secret"),
                                                 [](bool) {});
         }},
        {"share an account", [](Client &client) { return client.syncApi(); }, post,
         [](const FakeOnlineServices &services) { return services.syncPath(QStringLiteral("/accounts/local-1/share")); },
         [](Client &, AccountSharingService &sharing) {
             sharing.shareWith(QStringLiteral("local-1"), QStringLiteral("acc-bob"), QStringLiteral("viewer"),
                               [](bool, const QString &) {});
         }},
    };
    return all;
}

class AccountClientTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<OnlineFixture> f;

    AccountClient *account() const { return f->client->accountClient(); }
    int refreshCount() const
    {
        return f->server.count(QStringLiteral("POST"), f->services->authApiPath(QStringLiteral("/auth/token/refresh")));
    }
    void useGroupWithInvitation()
    {
        f->services->group = QJsonObject{
            {QStringLiteral("id"), QStringLiteral("g-1")},
            {QStringLiteral("name"), QStringLiteral("Home")},
            {QStringLiteral("max_seats"), 6},
            {QStringLiteral("members"), QJsonArray{QJsonObject{{QStringLiteral("account_id"), QStringLiteral("acc-ann")}},
                                                   QJsonObject{{QStringLiteral("account_id"), QStringLiteral("acc-bob")}}}},
            {QStringLiteral("pending_invitations"), QJsonArray{QJsonObject{{QStringLiteral("id"), QStringLiteral("inv-1")},
                                                                           {QStringLiteral("invite_code"), QStringLiteral("JOIN1")}}}}};
    }

private Q_SLOTS:
    void init()
    {
        f = std::make_unique<OnlineFixture>();
        f->makeClient();
        f->signIn();
    }

    void cleanup()
    {
        setMachineIdSource({});
        f.reset();
    }

    void readsAndFailures()
    {
        Profile profile;
        int profileCalls = 0;
        account()->getProfile([&](const Profile &p) { ++profileCalls; profile = p; });
        QTRY_COMPARE(profileCalls, 1);
        QCOMPARE(profile.id, QStringLiteral("acc-ann"));

        f->server.script(QStringLiteral("GET"), f->services->accountPath(QStringLiteral("/profile")),
                         FakeResponse::json(500, QJsonObject{{QStringLiteral("id"), QStringLiteral("x")}}));
        account()->getProfile([&](const Profile &p) { ++profileCalls; profile = p; });
        QTRY_COMPARE(profileCalls, 2);
        QVERIFY(profile.id.isEmpty());
        QVERIFY(!profile.group.has_value());
        // The other form tells the failure from an empty profile.
        f->server.script(QStringLiteral("GET"), f->services->accountPath(QStringLiteral("/profile")),
                         FakeResponse::json(500, QJsonObject()));
        std::optional<bool> profileOk;
        account()->getProfile([&](bool ok, const Profile &) { profileOk = ok; });
        QTRY_VERIFY(profileOk.has_value());
        QVERIFY(!*profileOk);
        account()->getProfile([&](bool ok, const Profile &p) { profileOk = ok; profile = p; });
        QTRY_VERIFY(profileOk.value_or(false));
        QCOMPARE(profile.id, QStringLiteral("acc-ann"));

        f->server.script(QStringLiteral("GET"), f->services->accountPath(QStringLiteral("/devices")),
                         FakeResponse::json(200, QJsonObject{{QStringLiteral("items"), QJsonArray{1}}}));
        QList<Device> devices{Device()};
        bool listed = false;
        account()->getDevices([&](const QList<Device> &d) { devices = d; listed = true; });
        QTRY_VERIFY(listed);
        QVERIFY(devices.isEmpty());

        useGroupWithInvitation();
        Group group;
        account()->getGroup([&group](const Group &g) { group = g; });
        QTRY_COMPARE(group.members.size(), 2);
        QCOMPARE(group.maxSeats, 6);

        bool deleted = false;
        account()->deleteAccount([&deleted](bool ok) { deleted = ok; });
        QTRY_VERIFY(deleted);
    }

    void registerDeviceSendsThisDevice()
    {
        setMachineIdSource([] { return QStringLiteral("{Machine-ID-1}"); });
        account()->registerDevice();
        QTRY_COMPARE(f->services->devices.size(), 1);
        const QJsonObject body = f->server.requests().constLast().json();
        QCOMPARE(body.value(QLatin1String("device_name")).toString(), QSysInfo::machineHostName());
        QCOMPARE(body.value(QLatin1String("platform")).toString(), platformName());
        QCOMPARE(body.value(QLatin1String("app_id")).toString(), QStringLiteral("test.tallyra.app"));
        QCOMPARE(body.value(QLatin1String("app_version")).toString(), QStringLiteral("1.1.7"));
        QCOMPARE(body.value(QLatin1String("device_fingerprint")).toString(), QStringLiteral("{Machine-ID-1}"));
        QCOMPARE(body.size(), 5);

        bool listed = false;
        QList<Device> devices;
        account()->getDevices([&](const QList<Device> &d) { devices = d; listed = true; });
        QTRY_VERIFY(listed);
        QCOMPARE(devices.size(), 1);
        account()->removeDevice(devices.first().id);
        QTRY_VERIFY(f->services->devices.isEmpty());
    }

    void fingerprintFallsBackToTheHostName()
    {
        setMachineIdSource([] { return QString(); });
        const QString expected = QString::fromLatin1(
            QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(), QCryptographicHash::Sha256).toHex().left(32));
        QCOMPARE(deviceFingerprint(), expected);
        QCOMPARE(deviceFingerprint().size(), 32);
        setMachineIdSource({});
        QVERIFY(!deviceFingerprint().isEmpty());
    }

    void groupChanges()
    {
        useGroupWithInvitation();
        QSignalSpy changed(account(), &AccountClient::groupChanged);
        QStringList events;
        connect(account(), &AccountClient::groupChanged, this, [&events] { events << QStringLiteral("changed"); });

        account()->joinGroup(QStringLiteral("NOPE"), [&events](bool ok) { events << (ok ? "joined" : "refused"); });
        QTRY_COMPARE(events, QStringList({"refused"}));
        QCOMPARE(refreshCount(), 0);

        account()->joinGroup(QStringLiteral("JOIN1"), [&events](bool ok) { events << (ok ? "joined" : "refused"); });
        QTRY_COMPARE(events, QStringList({"refused", "changed", "joined"}));
        QTRY_COMPARE(refreshCount(), 1);

        account()->removeMember(QStringLiteral("acc-bob"));
        QTRY_COMPARE(changed.count(), 2);
        QCOMPARE(refreshCount(), 1);

        GroupInvitation invitation;
        account()->inviteByEmail(QStringLiteral("cy@example.test"), [&](const GroupInvitation &i) { invitation = i; });
        QTRY_COMPARE(invitation.invitedEmail, QStringLiteral("cy@example.test"));
        account()->generateInviteCode([&](const GroupInvitation &i) { invitation = i; });
        QTRY_VERIFY(invitation.invitedEmail.isEmpty() && !invitation.inviteCode.isEmpty());
        QVERIFY(f->server.requests().constLast().body.isEmpty());
        account()->revokeInvitation(QStringLiteral("inv-1"));
        QTRY_COMPARE(f->server.count(QStringLiteral("DELETE"), f->services->accountPath(QStringLiteral("/group/invitations/inv-1"))), 1);

        f->server.script(QStringLiteral("POST"), f->services->accountPath(QStringLiteral("/group/leave")),
                         FakeResponse::json(500, QJsonObject()));
        account()->leaveGroup();
        QTRY_COMPARE(f->server.count(QStringLiteral("POST"), f->services->accountPath(QStringLiteral("/group/leave"))), 1);
        QTest::qWait(20);
        QCOMPARE(changed.count(), 2);
        account()->leaveGroup();
        QTRY_COMPARE(changed.count(), 3);
        QTRY_COMPARE(refreshCount(), 2);
    }

    // The service stores the invitation and the connection closes before
    // its reply: the click fails, and it made one invitation, not two.
    void anInvitationWhoseReplyIsLostIsNotSentAgain_data()
    {
        QTest::addColumn<FakeResponse>("ending");
        QTest::newRow("connection reset") << FakeResponse::dropped();
        QTest::newRow("connection closed") << FakeResponse::closed();
    }

    void anInvitationWhoseReplyIsLostIsNotSentAgain()
    {
        QFETCH(FakeResponse, ending);
        useGroupWithInvitation();
        const QString invitePath = f->services->accountPath(QStringLiteral("/group/invite"));
        f->server.scriptAfterHandling(QStringLiteral("POST"), invitePath, ending);

        std::optional<GroupInvitation> invitation;
        account()->inviteByEmail(QStringLiteral("cy@example.test"), [&](const GroupInvitation &i) { invitation = i; });
        QTRY_VERIFY(invitation.has_value());
        QVERIFY(invitation->id.isEmpty()); // reported as failed
        QCOMPARE(f->server.count(QStringLiteral("POST"), invitePath), 1);
        const QJsonArray pending = f->services->group.value(QLatin1String("pending_invitations")).toArray();
        QCOMPARE(pending.size(), 2); // the one there before, and this one
    }

    // Every POST and PATCH the clients make, empty bodies included, reaches
    // the service once when the connection ends before the answer, whether
    // the service acted or not; the call ends as no answer.
    void everyWriteIsMadeOnce_data()
    {
        QTest::addColumn<int>("write");
        QTest::addColumn<bool>("afterTheWork");
        for (int i = 0; i < int(writes().size()); ++i) {
            for (const bool afterTheWork : {false, true}) {
                QTest::addRow("%s, dropped %s the work", writes().at(i).name, afterTheWork ? "after" : "before")
                    << i << afterTheWork;
            }
        }
    }

    void everyWriteIsMadeOnce()
    {
        QFETCH(int, write);
        QFETCH(bool, afterTheWork);
        const Write &call = writes().at(write);
        useGroupWithInvitation();
        f->services->shares.insert(QStringLiteral("local-1"), QJsonArray());
        ApiClient *api = call.api(*f->client);
        const QString path = call.path(*f->services);
        if (afterTheWork)
            f->server.scriptAfterHandling(call.method, path, FakeResponse::dropped());
        else
            f->server.script(call.method, path, FakeResponse::dropped());

        QSignalSpy errors(api, &ApiClient::networkError);
        AccountSharingService sharing(f->client->syncApi());
        call.make(*f->client, sharing);
        QTRY_COMPARE_WITH_TIMEOUT(errors.count(), 1, 60000);
        QCOMPARE(f->server.count(call.method, path), 1);
        QCOMPARE(f->server.requests().size(), 1);
    }

    void unsafePathSegmentsAreRefused_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("empty") << QString();
        QTest::newRow("slash") << "a/b";
        QTest::newRow("only a slash") << "/";
        QTest::newRow("backslash") << "a\\b";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
    }

    void unsafePathSegmentsAreRefused()
    {
        QFETCH(QString, id);
        AccountSharingService sharing(f->client->syncApi());
        QList<bool> results;
        const auto record = [&results](bool ok) { results << ok; };
        account()->removeDevice(id);
        account()->removeMember(id);
        account()->revokeInvitation(id);
        f->client->authClient()->revokeSession(id);
        account()->removeDevice(id, record);
        account()->removeMember(id, record);
        account()->revokeInvitation(id, record);
        f->client->authClient()->revokeSession(id, record);
        account()->joinGroup(id, [&results](bool ok) { results << ok; });
        sharing.removeShare(QStringLiteral("local-1"), id, [&results](bool ok) { results << ok; });
        sharing.removeShare(id, QStringLiteral("acc-bob"), [&results](bool ok) { results << ok; });
        sharing.shareWith(id, QStringLiteral("acc-bob"), QString(), [&results](bool ok, const QString &) { results << ok; });
        bool listed = false;
        sharing.listMembers(id, [&listed](const QList<ShareMember> &members) { listed = members.isEmpty(); });
        sharing.listMembers(id, [&results](bool ok, const QList<ShareMember> &) { results << ok; });
        QCOMPARE(results, QList<bool>(9, false));
        QVERIFY(listed);
        QTest::qWait(50);
        QVERIFY(f->server.requests().isEmpty());
    }

    void oddButSafeIdsPassUnchanged()
    {
        account()->removeDevice(QStringLiteral("a b?c%2F..x"));
        QTRY_COMPARE(f->server.requests().size(), 1);
        QCOMPARE(f->server.requests().constFirst().path,
                 f->services->accountPath(QStringLiteral("/devices/a b?c%2F..x")));
    }

    void accountPortal_data()
    {
        QTest::addColumn<QString>("portal");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("opened"); // empty: nothing is opened
        QTest::newRow("no path keeps the slash") << "https://portal.example.invalid/" << "" << "https://portal.example.invalid/";
        QTest::newRow("slash and slash") << "https://portal.example.invalid/" << "/billing" << "https://portal.example.invalid/billing";
        QTest::newRow("slash and bare") << "https://portal.example.invalid/" << "billing" << "https://portal.example.invalid/billing";
        QTest::newRow("bare and bare") << "https://portal.example.invalid/a" << "billing" << "https://portal.example.invalid/a/billing";
        QTest::newRow("no portal") << "" << "billing" << "";
    }

    void accountPortal()
    {
        QFETCH(QString, portal);
        QFETCH(QString, path);
        QFETCH(QString, opened);
        UrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "openUrl");
        ClientConfig config = f->services->config();
        config.accountPortalUrl = portal;
        AccountClient client(nullptr, nullptr, config);
        client.openAccountPortal(path);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        if (opened.isEmpty()) {
            QVERIFY(recorder.opened.isEmpty());
        } else {
            QCOMPARE(recorder.opened.size(), 1);
            QCOMPARE(recorder.opened.first().toString(), opened);
        }
    }
};

TALLYRA_TEST(AccountClientTest)
#include "tst_accountclient.moc"
