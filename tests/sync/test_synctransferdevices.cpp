#include "support/testmain.h"

#include "appdevice.h"
#include "syncfixture.h"

using Policy = FakeSyncService::ConflictPolicy;

namespace {

const QDate kDay(2024, 3, 4);

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
        const QString checkingId = a.addAccount(QStringLiteral("Checking"), 0, kDay.addDays(-30));
        const QString savingsId = a.addAccount(QStringLiteral("Savings"), 0, kDay.addDays(-30));
        const QString out = a.addTransaction(checkingId, kDay, QStringLiteral("[Transfer] Savings"), -10000);
        QVERIFY(!out.isEmpty());
        const QString in = a.transaction(out)->transferLinkId;
        QVERIFY(a.sync());
        QVERIFY(b.sync());
        QCOMPARE(legOf(b, in).amount, qint64(10000));

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
};

TALLYRA_TEST(SyncTransferDevicesTest)

#include "test_synctransferdevices.moc"
