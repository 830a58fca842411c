#include "account/accountrecords.h"
#include "support/testmain.h"

#include <QJsonDocument>

using namespace LumoAccount;

namespace {

QJsonObject parse(const char *json)
{
    return QJsonDocument::fromJson(json).object();
}

} // namespace

class AccountRecordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyObjectGivesEmptyRecords()
    {
        const Profile profile = Profile::fromJson(QJsonObject());
        QVERIFY(profile.id.isEmpty());
        QVERIFY(!profile.createdAt.isValid());
        QVERIFY(!profile.group.has_value());
        const Group group = Group::fromJson(QJsonObject());
        QCOMPARE(group.maxSeats, 0);
        QVERIFY(group.members.isEmpty());
        QVERIFY(group.pendingInvitations.isEmpty());
        QVERIFY(!Session::fromJson(QJsonObject()).isCurrent);
    }

    void integers_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("maxSeats");
        QTest::newRow("number") << QByteArray("{\"max_seats\":5}") << 5;
        QTest::newRow("negative") << QByteArray("{\"max_seats\":-2}") << -2;
        QTest::newRow("text") << QByteArray("{\"max_seats\":\"5\"}") << 0;
        QTest::newRow("fraction") << QByteArray("{\"max_seats\":5.5}") << 0;
        QTest::newRow("null") << QByteArray("{\"max_seats\":null}") << 0;
        QTest::newRow("beyond 32 bits") << QByteArray("{\"max_seats\":4294967296}") << 0;
    }

    void integers()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, maxSeats);
        QCOMPARE(Group::fromJson(parse(json.constData())).maxSeats, maxSeats);
    }

    void booleans_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("isCurrent");
        QTest::newRow("true") << QByteArray("{\"is_current\":true}") << true;
        QTest::newRow("false") << QByteArray("{\"is_current\":false}") << false;
        QTest::newRow("number 1") << QByteArray("{\"is_current\":1}") << false;
        QTest::newRow("text true") << QByteArray("{\"is_current\":\"true\"}") << false;
    }

    void booleans()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, isCurrent);
        QCOMPARE(Session::fromJson(parse(json.constData())).isCurrent, isCurrent);
    }

    void timestamps_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("utc") << QJsonValue(QStringLiteral("2024-03-01T10:20:30Z"))
                             << QDateTime(QDate(2024, 3, 1), QTime(10, 20, 30), Qt::UTC);
        QTest::newRow("fraction and offset") << QJsonValue(QStringLiteral("2024-03-01T12:20:30.250+02:00"))
                                             << QDateTime(QDate(2024, 3, 1), QTime(10, 20, 30, 250), Qt::UTC);
        QTest::newRow("month/day/year") << QJsonValue(QStringLiteral("03/01/2024")) << QDateTime();
        QTest::newRow("number") << QJsonValue(1700000000) << QDateTime();
    }

    void timestamps()
    {
        QFETCH(QJsonValue, value);
        QFETCH(QDateTime, expected);
        const Device device = Device::fromJson(QJsonObject{{QStringLiteral("last_sync_at"), value}});
        QCOMPARE(device.lastSyncAt.isValid(), expected.isValid());
        if (expected.isValid())
            QCOMPARE(device.lastSyncAt.toUTC(), expected);
    }

    void profileGroupPresence()
    {
        const Profile withNull = Profile::fromJson(parse("{\"id\":\"p\",\"group\":null}"));
        QVERIFY(withNull.group.has_value());
        QVERIFY(withNull.group->id.isEmpty());
        QCOMPARE(withNull.group->memberCount, 0);

        const Profile withGroup = Profile::fromJson(
            parse("{\"group\":{\"id\":\"g\",\"name\":\"Home\",\"role\":\"owner\",\"member_count\":3}}"));
        QCOMPARE(withGroup.group->name, QStringLiteral("Home"));
        QCOMPARE(withGroup.group->memberCount, 3);
        QVERIFY(!Profile::fromJson(parse("{\"id\":\"p\"}")).group.has_value());
    }

    void listsKeepEveryElementInOrder()
    {
        const Group group = Group::fromJson(parse(
            "{\"members\":[{\"account_id\":\"a\",\"display_name\":\"Ann\"},7,{\"account_id\":\"c\"}],"
            "\"pending_invitations\":[{\"id\":\"i\",\"invite_code\":\"X1\",\"expires_at\":\"2030-01-01T00:00:00Z\"}]}"));
        QCOMPARE(group.members.size(), 3);
        QCOMPARE(group.members.at(0).displayName, QStringLiteral("Ann"));
        QVERIFY(group.members.at(1).accountId.isEmpty());
        QCOMPARE(group.members.at(2).accountId, QStringLiteral("c"));
        QCOMPARE(group.pendingInvitations.size(), 1);
        QCOMPARE(group.pendingInvitations.first().inviteCode, QStringLiteral("X1"));
        QVERIFY(group.pendingInvitations.first().expiresAt.isValid());
        QVERIFY(Group::fromJson(parse("{\"members\":{}}")).members.isEmpty());
    }

    void everyKeyIsRead()
    {
        const User user = User::fromJson(parse(
            "{\"id\":\"u\",\"email\":\"e\",\"display_name\":\"d\",\"username\":\"n\",\"avatar_url\":\"a\"}"));
        QCOMPARE(QStringList({user.id, user.email, user.displayName, user.username, user.avatarUrl}),
                 QStringList({"u", "e", "d", "n", "a"}));
        const Device device = Device::fromJson(parse(
            "{\"id\":\"i\",\"device_name\":\"n\",\"platform\":\"p\",\"app_id\":\"a\",\"app_version\":\"v\",\"device_fingerprint\":\"f\"}"));
        QCOMPARE(QStringList({device.id, device.deviceName, device.platform, device.appId, device.appVersion, device.deviceFingerprint}),
                 QStringList({"i", "n", "p", "a", "v", "f"}));
        const GroupMember member = GroupMember::fromJson(parse(
            "{\"account_id\":\"a\",\"auth_user_id\":\"u\",\"display_name\":\"d\",\"email\":\"e\",\"role\":\"r\"}"));
        QCOMPARE(QStringList({member.accountId, member.authUserId, member.displayName, member.email, member.role}),
                 QStringList({"a", "u", "d", "e", "r"}));
        const Session session = Session::fromJson(parse("{\"id\":\"s\",\"user_agent\":\"ua\",\"ip_address\":\"ip\"}"));
        QCOMPARE(QStringList({session.id, session.userAgent, session.ipAddress}), QStringList({"s", "ua", "ip"}));
    }
};

TALLYRA_TEST(AccountRecordsTest)
#include "tst_accountrecords.moc"
