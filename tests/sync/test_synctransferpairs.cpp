#include "support/testmain.h"

#include "syncfixture.h"

#include <limits>

namespace {

const QString kChecking = QStringLiteral("acc-checking");
const QString kSavings = QStringLiteral("acc-savings");
// The tie-break of last resort prefers the lower id: "leg-a".
const QString kLegA = QStringLiteral("leg-a");
const QString kLegB = QStringLiteral("leg-b");
const QDateTime kBase(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);
const QDate kDay(2024, 2, 1);
constexpr qint64 kLowest = std::numeric_limits<qint64>::min();
constexpr qint64 kHighest = std::numeric_limits<qint64>::max();

struct Leg
{
    qint64 amount = 0;
    int day = 0;    // days after kDay
    int stamp = 0;  // seconds after kBase
    int version = 1;
    bool deleted = false;
};

// Both accounts and both legs as a finished sync leaves them: nothing pending.
bool insertPair(LocalStore &store, const Leg &a, const Leg &b, bool savingsDeleted, bool linkedBothWays)
{
    bool ok = true;
    for (const QString &id : {kChecking, kSavings}) {
        Account account;
        account.id = id;
        account.name = id.mid(4);
        account.syncStatus = SyncStatus::Synced;
        account.serverId = QStringLiteral("srv-") + id;
        account.createdAt = account.updatedAt = kBase;
        if (id == kSavings && savingsDeleted)
            account.deletedAt = kBase;
        ok = store.accounts->insert(account) && ok;
        if (account.deletedAt)
            ok = store.accounts->applyServerDeletion(id, account.deletedAt) && ok;
    }
    const auto insertLeg = [&store](const QString &id, const QString &accountId, const QString &partnerId,
                                    const QString &otherAccountId, const Leg &leg) {
        Transaction t;
        t.id = id;
        t.accountId = accountId;
        t.date = kDay.addDays(leg.day);
        t.payee = QStringLiteral("Transfer");
        t.amount = leg.amount;
        t.transferLinkId = partnerId;
        t.transferDestAccountId = otherAccountId;
        t.version = leg.version;
        t.syncStatus = SyncStatus::Synced;
        t.serverId = QStringLiteral("srv-") + id;
        t.createdAt = kBase;
        t.updatedAt = kBase.addSecs(leg.stamp);
        bool written = store.transactions->insert(t);
        if (written && leg.deleted)
            written = store.transactions->applyServerDeletion(id, kBase, accountId);
        return written;
    };
    ok = insertLeg(kLegA, kChecking, kLegB, kSavings, a) && ok;
    return insertLeg(kLegB, kSavings, linkedBothWays ? kLegA : QString(), kChecking, b) && ok;
}

} // namespace

Q_DECLARE_METATYPE(Leg)

class SyncTransferPairTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // After a pull the legs of a pair may disagree; the leg changed last
    // decides, the same way on every device.
    void brokenPairsAreMadeWhole_data()
    {
        QTest::addColumn<Leg>("a");
        QTest::addColumn<Leg>("b");
        QTest::addColumn<QString>("setting"); // "", "savings deleted", "one-sided link"
        QTest::addColumn<QString>("leader");  // the leg the pair follows; empty: nothing written

        QTest::newRow("amounts apart, second leg changed later")
            << Leg{-10000, 0, 0, 2} << Leg{15000, 0, 10, 2} << "" << kLegB;
        QTest::newRow("amounts apart, first leg changed later")
            << Leg{-10000, 0, 10, 2} << Leg{15000, 0, 0, 2} << "" << kLegA;
        QTest::newRow("same second, the higher version leads")
            << Leg{-10000, 0, 5, 2} << Leg{15000, 0, 5, 3} << "" << kLegB;
        QTest::newRow("same second and version, the lower id leads")
            << Leg{-10000, 0, 5, 2} << Leg{15000, 0, 5, 2} << "" << kLegA;
        QTest::newRow("dates apart")
            << Leg{-10000, 0, 0, 2} << Leg{10000, 3, 10, 2} << "" << kLegB;
        QTest::newRow("same sign on both legs")
            << Leg{10000, 0, 10, 2} << Leg{10000, 0, 0, 2} << "" << kLegA;
        QTest::newRow("whole pair") << Leg{-10000, 0, 0, 2} << Leg{10000, 0, 10, 3} << "" << "";
        QTest::newRow("one leg deleted")
            << Leg{-10000, 0, 0, 2} << Leg{15000, 0, 10, 2, true} << "" << "";
        QTest::newRow("one account deleted")
            << Leg{-10000, 0, 0, 2} << Leg{15000, 0, 10, 2} << "savings deleted" << "";
        QTest::newRow("link one way only")
            << Leg{-10000, 0, 0, 2} << Leg{15000, 0, 10, 2} << "one-sided link" << "";
        // A database written before INT64_MIN was refused may hold it. It
        // has no negation: such a leg never leads, and a pair of two is left
        // alone rather than rewritten at every sync.
        QTest::newRow("a leg holding INT64_MIN follows, even changed later")
            << Leg{-10000, 0, 0, 2} << Leg{kLowest, 0, 10, 2} << "" << kLegA;
        QTest::newRow("INT64_MIN beside the largest amount")
            << Leg{kLowest, 0, 10, 2} << Leg{kHighest, 0, 0, 2} << "" << kLegB;
        QTest::newRow("INT64_MIN on both legs") << Leg{kLowest, 0, 0, 2} << Leg{kLowest, 0, 10, 2} << "" << "";
    }

    void brokenPairsAreMadeWhole()
    {
        QFETCH(Leg, a);
        QFETCH(Leg, b);
        QFETCH(QString, setting);
        QFETCH(QString, leader);

        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(insertPair(*device, a, b, setting == QLatin1String("savings deleted"),
                           setting != QLatin1String("one-sided link")));
        const Transaction beforeA = *device->transactions->findById(kLegA);
        const Transaction beforeB = *device->transactions->findById(kLegB);

        QVERIFY(device->sync());
        const Transaction afterA = *device->transactions->findById(kLegA);
        const Transaction afterB = *device->transactions->findById(kLegB);
        if (leader.isEmpty()) {
            QCOMPARE(device->pendingRows(), QStringList());
            QCOMPARE(afterA.amount, beforeA.amount);
            QCOMPARE(afterB.amount, beforeB.amount);
            return;
        }
        const Transaction &led = leader == kLegA ? beforeA : beforeB;
        const Transaction &follower = leader == kLegA ? afterB : afterA;
        const Transaction &followerBefore = leader == kLegA ? beforeB : beforeA;
        QVERIFY(afterB.amount != kLowest);
        QCOMPARE(afterA.amount, -afterB.amount);
        QCOMPARE(afterA.date, afterB.date);
        QCOMPARE(follower.amount, -led.amount);
        QCOMPARE(follower.date, led.date);
        // The leader is untouched; the follower is a local change.
        QCOMPARE((leader == kLegA ? afterA : afterB).version, led.version);
        QCOMPARE(follower.version, followerBefore.version + 1);
        QCOMPARE(follower.syncStatus, SyncStatus::Pending);
        QCOMPARE(follower.payee, followerBefore.payee);
        QCOMPARE(device->pendingRows(), QStringList{QStringLiteral("transactions/") + follower.id});

        // Pushed like any other change.
        QVERIFY(device->sync());
        QCOMPARE(device->pendingRows(), QStringList());
        const auto onServer = harness.service->recordByClientId(QStringLiteral("transactions"), follower.id);
        QVERIFY(onServer);
        QCOMPARE(onServer->value(QLatin1String("amount")).toInteger(), -led.amount);
        QCOMPARE(onServer->value(QLatin1String("version")).toInt(), follower.version);
    }

    // A failed sync applied only part of the feed: the pairs wait for the
    // sync that completes.
    void nothingIsRepairedByAFailedSync()
    {
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(insertPair(*device, Leg{-10000, 0, 0, 2}, Leg{15000, 0, 10, 2}, false, true));
        harness.service->failPull(1, FakeResponse::json(503, QJsonObject()));
        QVERIFY(!device->sync());
        QCOMPARE(device->transactions->findById(kLegA)->amount, qint64(-10000));
        QVERIFY(device->sync());
        QCOMPARE(device->transactions->findById(kLegA)->amount, qint64(-15000));
    }
};

TALLYRA_TEST(SyncTransferPairTest)

#include "test_synctransferpairs.moc"
