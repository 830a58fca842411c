#include "support/testmain.h"

#include "sync/syncrecords.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace SyncRecords;

namespace {

QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

QSet<QString> keysOf(const QJsonObject &object)
{
    const QStringList keys = object.keys();
    return QSet<QString>(keys.cbegin(), keys.cend());
}

QSet<QString> keySet(const char *keys)
{
    const QStringList list = QString::fromLatin1(keys).split(QLatin1Char(' '));
    return QSet<QString>(list.cbegin(), list.cend());
}

const QDateTime kCreated(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);

} // namespace

class SyncRecordsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // One table for the reading rules: the value of "v" in a server record
    // and what each reader makes of it.
    void readingRules_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("integer");
        QTest::addColumn<qint64>("money");
        QTest::addColumn<bool>("flag");

        QTest::newRow("absent") << QByteArray("{}") << "" << 0 << qint64(0) << false;
        QTest::newRow("null") << QByteArray(R"({"v":null})") << "" << 0 << qint64(0) << false;
        QTest::newRow("string") << QByteArray(R"({"v":"12"})") << "12" << 0 << qint64(0) << false;
        QTest::newRow("true") << QByteArray(R"({"v":true})") << "" << 0 << qint64(0) << true;
        QTest::newRow("false") << QByteArray(R"({"v":false})") << "" << 0 << qint64(0) << false;
        QTest::newRow("whole") << QByteArray(R"({"v":-42})") << "" << -42 << qint64(-42) << true;
        QTest::newRow("zero") << QByteArray(R"({"v":0})") << "" << 0 << qint64(0) << false;
        // A number that is no whole amount in range reads as the amount the
        // applier refuses, never as 0.
        constexpr qint64 refused = std::numeric_limits<qint64>::min();
        QTest::newRow("fraction") << QByteArray(R"({"v":12.5})") << "" << 0 << refused << false;
        QTest::newRow("beyond int") << QByteArray(R"({"v":3000000000})") << "" << 0 << qint64(3000000000LL)
                                    << true;
        QTest::newRow("beyond double precision")
            << QByteArray(R"({"v":9007199254740993})") << "" << 0 << qint64(9007199254740993LL) << true;
        QTest::newRow("int64 max") << QByteArray(R"({"v":9223372036854775807})") << "" << 0
                                   << qint64(std::numeric_limits<qint64>::max()) << true;
        QTest::newRow("beyond int64") << QByteArray(R"({"v":1e30})") << "" << 0 << refused << true;
        QTest::newRow("array") << QByteArray(R"({"v":[1]})") << "" << 0 << qint64(0) << false;
        QTest::newRow("object") << QByteArray(R"({"v":{"a":1}})") << "" << 0 << qint64(0) << false;
    }

    void readingRules()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, text);
        QFETCH(int, integer);
        QFETCH(qint64, money);
        QFETCH(bool, flag);
        const QJsonObject object = parse(json);
        const QLatin1String key("v");
        QCOMPARE(readText(object, key), text);
        QCOMPARE(readInt(object, key), integer);
        QCOMPARE(readMoney(object, key), money);
        QCOMPARE(readFlag(object, key), flag);
    }

    void parseServerDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("plain date") << "2024-02-29" << QDate(2024, 2, 29);
        QTest::newRow("no such day") << "2023-02-29" << QDate();
        QTest::newRow("utc stamp") << "2024-03-01T23:30:00Z" << QDate(2024, 3, 1);
        // The date as written in its own zone, not moved to UTC.
        QTest::newRow("offset stamp") << "2024-03-01T23:30:00-05:00" << QDate(2024, 3, 1);
        QTest::newRow("text") << "yesterday" << QDate();
        QTest::newRow("user format") << "3/1/2024" << QDate();
        QTest::newRow("pre-2000") << "1999-12-31" << QDate(1999, 12, 31);
    }

    void parseServerDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(SyncRecords::parseServerDate(text), expected);
    }

    void deletionRule()
    {
        QVERIFY(!readDeletion(parse(R"({})")).deleted);
        QVERIFY(!readDeletion(parse(R"({"deleted_at":""})")).deleted);
        QVERIFY(!readDeletion(parse(R"({"deleted_at":5})")).deleted);
        const Deletion unreadable = readDeletion(parse(R"({"deleted_at":"sometime"})"));
        QVERIFY(unreadable.deleted); // deleted even when the time does not parse
        const Deletion dated = readDeletion(parse(R"({"deleted_at":"2024-04-05T06:07:08Z"})"));
        QVERIFY(dated.deleted);
        QCOMPARE(*dated.deletedAt, QDateTime(QDate(2024, 4, 5), QTime(6, 7, 8), Qt::UTC));
    }

    void payloadKeysPerKind()
    {
        Account account;
        account.id = QStringLiteral("a1");
        QCOMPARE(keysOf(accountPayload(account)),
                 keySet("client_id name account_type currency is_shared institution account_number_last4 "
                        "starting_balance sort_order version created_at updated_at"));
        account.serverId = QStringLiteral("s1");
        account.deletedAt = kCreated;
        QCOMPARE(keysOf(accountPayload(account)),
                 keySet("client_id server_id name account_type currency is_shared institution "
                        "account_number_last4 starting_balance sort_order version created_at updated_at "
                        "deleted_at"));

        QCOMPARE(keysOf(categoryPayload(Category())),
                 keySet("client_id name category_type parent_id is_tax_relevant tax_category icon color "
                        "is_default account_id version created_at updated_at"));

        RecurringTransaction rule;
        QCOMPARE(keysOf(recurringPayload(rule)),
                 keySet("client_id account_id payee memo amount category_id transfer_dest_account_id frequency "
                        "start_date next_due_date auto_post lead_days interval_count semimonthly_day_1 "
                        "semimonthly_day_2 is_active created_at updated_at"));
        rule.endDate = QDate(2030, 1, 1);
        QVERIFY(recurringPayload(rule).contains(QLatin1String("end_date")));

        Transaction transaction;
        QCOMPARE(keysOf(transactionPayload(transaction, {})),
                 keySet("client_id account_id date payee memo amount category_id check_number cleared "
                        "reconciled transfer_link_id transfer_dest_account_id is_split recurring_id version "
                        "created_at updated_at"));

        QCOMPARE(keysOf(reconciliationPayload(Reconciliation())),
                 keySet("client_id account_id statement_date statement_balance reconciled_balance completed_at "
                        "version created_at updated_at"));
    }

    void payloadValues()
    {
        Transaction t;
        t.id = QStringLiteral("t1");
        t.date = QDate(2024, 7, 8);
        t.amount = -9007199254740993LL;
        t.cleared = true;
        t.isSplit = true;
        t.version = 4;
        t.createdAt = kCreated;
        t.updatedAt = QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::OffsetFromUTC, 3600);
        t.deletedAt = kCreated;
        SplitLine line;
        line.categoryId = QStringLiteral("c1");
        line.amount = -250;
        const QJsonObject record = changeRecord(kTransaction, t.id, t.version, t.deletedAt.has_value(),
                                                transactionPayload(t, {line}));
        // Through the wire and back, as the service sees it.
        const QJsonObject sent = parse(QJsonDocument(record).toJson(QJsonDocument::Compact));
        QCOMPARE(sent.value("entity_type").toString(), QStringLiteral("transaction"));
        QCOMPARE(sent.value("entity_id").toString(), QStringLiteral("t1"));
        QCOMPARE(sent.value("action").toString(), QStringLiteral("delete"));
        QCOMPARE(sent.value("version").toInt(), 4);
        const QJsonObject payload = sent.value("payload").toObject();
        QCOMPARE(readMoney(payload, QLatin1String("amount")), -9007199254740993LL);
        QCOMPARE(payload.value("date").toString(), QStringLiteral("2024-07-08"));
        QCOMPARE(payload.value("memo"), QJsonValue(QStringLiteral(""))); // never null
        QCOMPARE(payload.value("category_id"), QJsonValue(QStringLiteral("")));
        QCOMPARE(payload.value("cleared"), QJsonValue(true));
        QCOMPARE(payload.value("created_at").toString(), QStringLiteral("2024-01-02T03:04:05Z"));
        // In the stored form, UTC, whatever zone the record holds.
        QCOMPARE(payload.value("updated_at").toString(), QStringLiteral("2024-01-02T02:04:05Z"));
        QCOMPARE(payload.value("deleted_at").toString(), QStringLiteral("2024-01-02T03:04:05Z"));
        const QJsonArray lines = payload.value("split_lines").toArray();
        QCOMPARE(lines.size(), 1);
        QCOMPARE(keysOf(lines.at(0).toObject()), keySet("category_id amount memo"));

        // Split without lines: an empty array; not split: no key at all.
        QCOMPARE(transactionPayload(t, {}).value("split_lines"), QJsonValue(QJsonArray()));
        t.isSplit = false;
        QVERIFY(!transactionPayload(t, {line}).contains(QLatin1String("split_lines")));

        Account live;
        QCOMPARE(changeRecord(kAccount, live.id, 1, false, accountPayload(live)).value("action").toString(),
                 QStringLiteral("upsert"));
    }

    void serverRecordsToLocal()
    {
        const QJsonObject object = parse(R"({"id":"s9","client_id":"c9","version":3,
            "account_id":"a1","date":"2024-05-06","payee":"Shop","amount":-1999,"is_split":1,
            "cleared":"yes","created_at":"2024-05-06T10:00:00Z","updated_at":"garbage",
            "split_lines":[{"category_id":"x","amount":-1000,"memo":"m"},{"category_id":"y","amount":"-999"}]})");
        const Transaction t = transactionFromServer(object);
        QCOMPARE(t.serverId, QStringLiteral("s9"));
        QVERIFY(t.id.isEmpty()); // matched by the caller
        QCOMPARE(t.version, 3);
        QCOMPARE(t.syncStatus, SyncStatus::Synced);
        QCOMPARE(t.amount, -1999);
        QVERIFY(t.isSplit);
        QVERIFY(!t.cleared);
        QVERIFY(t.createdAt.isValid());
        QVERIFY(!t.updatedAt.isValid());
        QVERIFY(!t.deletedAt);
        const QList<SplitLine> lines = splitLinesFromServer(object);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.at(1).amount, 0); // a money value as text reads as 0

        const Account a = accountFromServer(parse(R"({"account_type":"brokerage","currency":"CHF"})"));
        QCOMPARE(a.accountType, AccountType::Other);
        QCOMPARE(a.currency, Currency::USD);
        QCOMPARE(a.version, 0);
        QCOMPARE(categoryFromServer(parse(R"({"category_type":"gift"})")).type, CategoryType::Expense);
    }

    void recurringKeepsLocalValuesForMissingKeys()
    {
        const QJsonObject bare = parse(R"({"frequency":"fortnightly","next_due_date":"2024-01-01"})");
        const RecurringTransaction fresh = recurringFromServer(bare, nullptr);
        QCOMPARE(fresh.leadDays, 0);
        QCOMPARE(fresh.intervalCount, 1);
        QCOMPARE(fresh.semimonthlyDay1, 1);
        QCOMPARE(fresh.semimonthlyDay2, 15);
        QVERIFY(!fresh.isActive);
        QVERIFY(!fresh.endDate);
        QCOMPARE(fresh.frequency, RecurringFrequency::Monthly);

        RecurringTransaction local;
        local.leadDays = 4;
        local.intervalCount = 3;
        local.semimonthlyDay1 = 0;
        local.semimonthlyDay2 = 20;
        const RecurringTransaction kept = recurringFromServer(bare, &local);
        QCOMPARE(kept.leadDays, 4);
        QCOMPARE(kept.intervalCount, 3);
        QCOMPARE(kept.semimonthlyDay1, 0);
        QCOMPARE(kept.semimonthlyDay2, 20);

        const RecurringTransaction given =
            recurringFromServer(parse(R"({"lead_days":"7","end_date":"never"})"), &local);
        QCOMPARE(given.leadDays, 0); // present but mistyped: the reading rule
        QVERIFY(given.endDate && !given.endDate->isValid());
    }
};

TALLYRA_TEST(SyncRecordsTest)

#include "test_syncrecords.moc"
