#include "support/testmain.h"

#include "syncfixture.h"
#include "sync/syncrecords.h"

#include <QSqlQuery>

using namespace SyncRecords;

namespace {

// Live rows: deletions of rows the other device never saw do not travel.
QStringList idsOf(const LocalStore &store, const QString &table)
{
    QStringList ids;
    QSqlQuery query(*store.database->db());
    query.exec(QStringLiteral("SELECT id FROM %1 WHERE deleted_at IS NULL ORDER BY id").arg(table));
    while (query.next())
        ids << query.value(0).toString();
    return ids;
}

} // namespace

class SyncRoundTripTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyRowArrivesEqualOnTheOtherDevice()
    {
        SyncHarness harness;
        harness.service->setSendIntegrity(true);
        auto deviceA = harness.device();
        auto deviceB = harness.device();
        QVERIFY(deviceA->insert(SampleData::make(QStringLiteral("rt"), 4, 9, 5, 260, 4)));
        QVERIFY(deviceA->transactions->softDelete(QStringLiteral("rt-txn-5")));
        QVERIFY(deviceA->categories->softDelete(QStringLiteral("rt-cat-8")));
        QVERIFY(deviceA->recurring->softDelete(QStringLiteral("rt-rec-4")));

        QVERIFY(deviceA->sync());
        QVERIFY(deviceB->sync());
        QCOMPARE(deviceA->pendingRows(), QStringList());
        QCOMPARE(deviceB->pendingRows(), QStringList());

        const QStringList tables = {"accounts", "categories", "recurring_transactions", "transactions",
                                    "reconciliations"};
        for (const QString &table : tables)
            QCOMPARE(idsOf(*deviceB, table), idsOf(*deviceA, table));

        int compared = 0;
        for (const QString &id : idsOf(*deviceA, "accounts")) {
            QCOMPARE(accountPayload(*deviceB->accounts->findById(id)), accountPayload(*deviceA->accounts->findById(id)));
            ++compared;
        }
        for (const QString &id : idsOf(*deviceA, "categories")) {
            QCOMPARE(categoryPayload(*deviceB->categories->findById(id)),
                     categoryPayload(*deviceA->categories->findById(id)));
            ++compared;
        }
        for (const QString &id : idsOf(*deviceA, "recurring_transactions")) {
            const RecurringTransaction a = *deviceA->recurring->findById(id);
            const RecurringTransaction b = *deviceB->recurring->findById(id);
            QCOMPARE(recurringPayload(b), recurringPayload(a));
            QCOMPARE(b.version, a.version); // the one field this payload leaves out
            ++compared;
        }
        for (const QString &id : idsOf(*deviceA, "transactions")) {
            const Transaction a = *deviceA->transactions->findById(id);
            const Transaction b = *deviceB->transactions->findById(id);
            QCOMPARE(comparablePayload(transactionPayload(b, deviceB->splitLines->listByTransaction(id))),
                     comparablePayload(transactionPayload(a, deviceA->splitLines->listByTransaction(id))));
            ++compared;
        }
        for (const QString &id : idsOf(*deviceA, "reconciliations")) {
            QCOMPARE(reconciliationPayload(*deviceB->reconciliations->findById(id)),
                     reconciliationPayload(*deviceA->reconciliations->findById(id)));
            ++compared;
        }
        QCOMPARE(compared, 4 + 8 + 4 + 259 + 4);
        QCOMPARE(deviceB->count("SELECT COUNT(*) FROM split_lines"), 26 * 3);

        // Pulling its own changes back changes nothing on the first device.
        const QMap<QString, QString> before = deviceA->snapshot();
        QVERIFY(deviceA->sync());
        QCOMPARE(snapshotDifferences(before, deviceA->snapshot()), QStringList());

        // A deletion on A of a row B has reaches B.
        QVERIFY(deviceA->transactions->softDelete(QStringLiteral("rt-txn-6")));
        QVERIFY(deviceA->sync());
        QVERIFY(deviceB->sync());
        QVERIFY(deviceB->transactions->findById(QStringLiteral("rt-txn-6"))->deletedAt.has_value());

        // An edit on B reaches A.
        Transaction edited = *deviceB->transactions->findById(QStringLiteral("rt-txn-9"));
        edited.amount = -123456789012LL;
        edited.version += 1;
        edited.syncStatus = SyncStatus::Pending;
        edited.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(deviceB->transactions->update(edited));
        QVERIFY(deviceB->sync());
        QVERIFY(deviceA->sync());
        QCOMPARE(deviceA->transactions->findById(edited.id)->amount, -123456789012LL);
        QCOMPARE(deviceA->transactions->findById(edited.id)->version, edited.version);
    }
};

TALLYRA_TEST(SyncRoundTripTest)

#include "test_syncroundtrip.moc"
