#include "support/testmain.h"

#include "appdevice.h"
#include "syncfixture.h"

#include <limits>
#include <utility>

using Policy = FakeSyncService::ConflictPolicy;

namespace {

const QDate kDay(2024, 3, 4);
constexpr qint64 kLowest = std::numeric_limits<qint64>::min();
constexpr qint64 kLargest = std::numeric_limits<qint64>::max();

// Sets when a device's edit was made: the edits of a test happen within one
// second, and which came last is part of the case.
bool stampEdit(AppDevice &device, const QStringList &ids, const QDateTime &when)
{
    for (const QString &id : ids) {
        if (!device.exec(QStringLiteral("UPDATE transactions SET updated_at = '%1' WHERE id = '%2'")
                             .arg(when.toString(Qt::ISODate), id)))
            return false;
    }
    return true;
}

struct Leg
{
    qint64 amount = 0;
    QDate date;
    QString memo;
    int version = 0;
    bool live = false;
};

Leg legOf(const AppDevice &device, const QString &id)
{
    const std::optional<Transaction> row = device.transaction(id);
    return row ? Leg{row->amount, row->date, row->memo, row->version, !row->deletedAt} : Leg{};
}

Leg legOf(const FakeSyncService &service, const QString &id)
{
    const auto record = service.recordByClientId(QStringLiteral("transactions"), id);
    if (!record)
        return Leg{};
    return Leg{record->value(QLatin1String("amount")).toInteger(),
               QDate::fromString(record->value(QLatin1String("date")).toString(), Qt::ISODate),
               record->value(QLatin1String("memo")).toString(), record->value(QLatin1String("version")).toInt(),
               record->value(QLatin1String("deleted_at")).toString().isEmpty()};
}

// A -100.00 transfer from Checking to Savings, made on A and synced to B.
// Returns the ids of its Checking and Savings legs; empty when a step failed.
std::pair<QString, QString> syncedTransfer(AppDevice &a, AppDevice &b)
{
    const QString checkingId = a.addAccount(QStringLiteral("Checking"), 0, kDay.addDays(-30));
    if (checkingId.isEmpty() || a.addAccount(QStringLiteral("Savings"), 0, kDay.addDays(-30)).isEmpty())
        return {};
    const QString out = a.addTransaction(checkingId, kDay, QStringLiteral("[Transfer] Savings"), -10000);
    if (out.isEmpty() || !a.sync() || !b.sync())
        return {};
    const QString in = a.transaction(out)->transferLinkId;
    if (legOf(b, in).amount != 10000)
        return {};
    return {out, in};
}

} // namespace

class SyncTransferDevicesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A -100.00 transfer from Checking to Savings is on both devices.
    // Offline, B sets the Savings leg to +150.00 (the Checking leg follows),
    // and A edits the Checking leg's memo. Whatever the service's rule on
    // equal versions and whoever syncs first, the pair is whole on every
    // device after every sync, and all agree with the service.
    void transferStaysWholeAcrossDevices_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("lastEdit");
        QTest::addColumn<qint64>("checking"); // the Checking leg in the end
        QTest::addColumn<QString>("memo");

        const QString memo = QStringLiteral("rent share");
        // The service keeps the last push of each leg: the legs only come
        // apart when the memo edit is stored over B's Checking leg.
        QTest::newRow("equal taken, A first, memo later") << int(Policy::TakeEqualOrHigher) << "ABAB" << "A" << qint64(-15000) << "";
        QTest::newRow("equal taken, A first, amount later") << int(Policy::TakeEqualOrHigher) << "ABAB" << "B" << qint64(-15000) << "";
        QTest::newRow("equal taken, B first, memo later") << int(Policy::TakeEqualOrHigher) << "BABA" << "A" << qint64(-10000) << memo;
        QTest::newRow("equal taken, B first, amount later") << int(Policy::TakeEqualOrHigher) << "BABA" << "B" << qint64(-15000) << memo;
        // The service refuses the second push of each leg.
        QTest::newRow("equal refused, A first, memo later") << int(Policy::TakeHigherOnly) << "ABAB" << "A" << qint64(-10000) << memo;
        QTest::newRow("equal refused, A first, amount later") << int(Policy::TakeHigherOnly) << "ABAB" << "B" << qint64(-15000) << memo;
        QTest::newRow("equal refused, B first, memo later") << int(Policy::TakeHigherOnly) << "BABA" << "A" << qint64(-15000) << "";
        QTest::newRow("equal refused, B first, amount later") << int(Policy::TakeHigherOnly) << "BABA" << "B" << qint64(-15000) << "";
    }

    void transferStaysWholeAcrossDevices()
    {
        QFETCH(int, policy);
        QFETCH(QString, order);
        QFETCH(QString, lastEdit);
        QFETCH(qint64, checking);
        QFETCH(QString, memo);

        SyncHarness harness;
        AppDevice a(harness.server.url());
        AppDevice b(harness.server.url());
        QVERIFY(a.start());
        QVERIFY(b.start());
        const std::pair<QString, QString> legs = syncedTransfer(a, b);
        const QString out = legs.first;
        const QString in = legs.second;
        QVERIFY(!out.isEmpty() && !in.isEmpty());

        harness.service->conflictPolicy = Policy(policy);
        QVERIFY(b.editTransaction(in, [](Transaction &t) { t.amount = 15000; }));
        QCOMPARE(legOf(b, out).amount, qint64(-15000)); // the other leg follows
        QVERIFY(a.editTransaction(out, [](Transaction &t) { t.memo = QStringLiteral("rent share"); }));
        const QDateTime earlier = QDateTime::currentDateTimeUtc().addSecs(-120);
        const QDateTime later = earlier.addSecs(60);
        QVERIFY(stampEdit(b, {out, in}, lastEdit == QLatin1String("B") ? later : earlier));
        QVERIFY(stampEdit(a, {out}, lastEdit == QLatin1String("A") ? later : earlier));

        const auto whole = [&](const AppDevice &device) {
            const Leg o = legOf(device, out);
            const Leg i = legOf(device, in);
            return o.live && i.live && o.amount == -i.amount && o.date == i.date;
        };
        for (const QChar name : order) {
            AppDevice &device = name == QLatin1Char('A') ? a : b;
            QVERIFY(device.sync());
            QVERIFY2(whole(device), qPrintable(QStringLiteral("after a sync of %1").arg(name)));
        }
        // A repair made by the last syncs goes out with the next ones.
        for (int round = 0; round < 3 && (a.pendingCount() || b.pendingCount()); ++round) {
            QVERIFY(a.sync());
            QVERIFY(b.sync());
            QVERIFY(whole(a) && whole(b));
        }
        QCOMPARE(a.pendingCount(), 0);
        QCOMPARE(b.pendingCount(), 0);

        for (const QString &id : {out, in}) {
            const Leg expected = legOf(*harness.service, id);
            QCOMPARE(expected.amount, id == out ? checking : -checking);
            QCOMPARE(expected.date, kDay);
            for (AppDevice *device : {&a, &b}) {
                const Leg leg = legOf(*device, id);
                QCOMPARE(leg.amount, expected.amount);
                QCOMPARE(leg.date, expected.date);
                QCOMPARE(leg.memo, expected.memo);
                QCOMPARE(leg.version, expected.version);
                QVERIFY(leg.live);
            }
        }
        QCOMPARE(legOf(*harness.service, out).memo, memo);
    }

    // A leg of -2^63 has no negation: arriving by pull it is refused like
    // any malformed record, and one stored by an older version is made whole
    // from its partner once. No device pushes a value it cannot hold, and
    // the pushes settle instead of rewriting the pair at every sync.
    void aLegWithoutNegationSettles_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<qint64>("partner"); // the service's Checking leg; 0: unchanged
        QTest::addColumn<bool>("serviceWhole");
        QTest::newRow("arrives by pull") << "pull" << qint64(0) << false;
        QTest::newRow("arrives by pull beside the largest amount") << "pull" << kLargest << false;
        QTest::newRow("stored by an older version, changed last") << "stored" << qint64(0) << true;
    }

    void aLegWithoutNegationSettles()
    {
        QFETCH(QString, how);
        QFETCH(qint64, partner);
        QFETCH(bool, serviceWhole);

        SyncHarness harness;
        FakeSyncService &service = *harness.service;
        AppDevice a(harness.server.url());
        AppDevice b(harness.server.url());
        QVERIFY(a.start());
        QVERIFY(b.start());
        const std::pair<QString, QString> legs = syncedTransfer(a, b);
        const QString out = legs.first;
        const QString in = legs.second;
        QVERIFY(!out.isEmpty() && !in.isEmpty());

        const QDateTime later = QDateTime::currentDateTimeUtc().addSecs(60);
        if (how == QLatin1String("pull")) {
            // Another program's push, as the service stored it.
            const auto putLeg = [&](const QString &id, qint64 amount) {
                QJsonObject record = *service.recordByClientId(QStringLiteral("transactions"), id);
                record.insert(QStringLiteral("amount"), amount);
                record.insert(QStringLiteral("version"), record.value(QLatin1String("version")).toInt() + 1);
                record.insert(QStringLiteral("updated_at"), later.toString(Qt::ISODate));
                service.putRecord(QStringLiteral("transactions"), record);
            };
            putLeg(in, kLowest);
            if (partner != 0)
                putLeg(out, partner);
        } else {
            QVERIFY(a.exec(QStringLiteral("UPDATE transactions SET amount = %1, updated_at = '%2' WHERE id = '%3'")
                               .arg(kLowest)
                               .arg(later.toString(Qt::ISODate), in)));
            QCOMPARE(legOf(a, in).amount, kLowest);
        }

        QList<qint64> pushedAmounts;
        service.editPushReply = [&](QJsonObject &, const QJsonArray &changes) {
            for (const QJsonValue &change : changes) {
                const QJsonObject payload = change.toObject().value(QLatin1String("payload")).toObject();
                if (payload.contains(QLatin1String("amount")))
                    pushedAmounts.append(payload.value(QLatin1String("amount")).toInteger());
            }
        };
        QList<int> lastRound;
        for (int round = 0; round < 3; ++round) {
            lastRound.clear();
            for (AppDevice *device : {&a, &b}) {
                const int before = service.pushCount();
                QVERIFY(device->sync());
                lastRound.append(service.pushCount() - before);
            }
        }
        QCOMPARE(lastRound, (QList<int>{0, 0}));
        QVERIFY(!pushedAmounts.contains(kLowest));

        for (AppDevice *device : {&a, &b}) {
            QCOMPARE(device->pendingCount(), 0);
            const Leg o = legOf(*device, out);
            const Leg i = legOf(*device, in);
            QVERIFY(o.live && i.live);
            QVERIFY(i.amount != kLowest);
            QCOMPARE(o.amount, -i.amount);
            QCOMPARE(o.amount, partner != 0 ? partner : qint64(-10000));
            QCOMPARE(o.date, i.date);
        }
        if (serviceWhole) {
            QCOMPARE(legOf(service, in).amount, qint64(10000));
            QCOMPARE(legOf(service, out).amount, qint64(-10000));
        }
    }
};

TALLYRA_TEST(SyncTransferDevicesTest)

#include "test_synctransferdevices.moc"
