#include "support/testmain.h"

#include "appdevice.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "register/transactionactions.h"
#include "syncfixture.h"

#include <QJsonArray>

using Policy = FakeSyncService::ConflictPolicy;

namespace {

const QDate kCheckingOpened(2024, 1, 2);
const QDate kBrokerageOpened(2024, 2, 1);
constexpr qint64 kCheckingOpening = 100000;
constexpr qint64 kBrokerageOpening = 777700;
constexpr int kOfflineRows = 60;

// Syncs the devices in the order given ("CAB"), then rounds of all three
// until no device has anything left to send.
bool syncInOrder(const QString &order, const QHash<QChar, AppDevice *> &devices)
{
    for (const QChar name : order) {
        if (!devices.value(name)->sync()) {
            qWarning() << "sync of" << name << "failed";
            return false;
        }
    }
    for (int round = 0; round < 4; ++round) {
        bool pending = false;
        for (AppDevice *device : devices)
            pending = pending || device->pendingCount() != 0;
        if (!pending && round > 0)
            return true;
        for (const QChar name : {QLatin1Char('A'), QLatin1Char('B'), QLatin1Char('C')}) {
            if (!devices.value(name)->sync())
                return false;
        }
    }
    return false;
}

// A service that gives no server id: the key goes from each object of the array.
void removeFromEach(QJsonObject &reply, const char *arrayKey, const char *key)
{
    QJsonArray objects = reply.value(QLatin1String(arrayKey)).toArray();
    for (qsizetype i = 0; i < objects.size(); ++i) {
        QJsonObject object = objects.at(i).toObject();
        object.remove(QLatin1String(key));
        objects.replace(i, object);
    }
    reply.insert(QLatin1String(arrayKey), objects);
}

// Every device seeds the same default categories, and a service that
// refuses equal versions refuses each later device's copies: expected, and
// a few hundred lines a case.
QtMessageHandler g_previousHandler = nullptr;

void dropRefusedCategoryPushes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg
        && ((message.startsWith(QLatin1String("Push result not ok")) && message.contains(QLatin1String("\"category\"")))
            || message.startsWith(QLatin1String("Push batch:"))))
        return;
    g_previousHandler(type, context, message);
}

} // namespace

class SyncOpeningBalanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(dropRefusedCategoryPushes); }
    void cleanupTestCase() { qInstallMessageHandler(g_previousHandler); }

    // A new device gets an account before its opening balance: the feed is
    // cut off between them, by the page limit of one sync or by a failed
    // sync and a restart. The opening-balance upkeep that runs after a sync
    // and at start-up must not invent a 0.00 that then overwrites the real
    // balance everywhere.
    void realOpeningBalanceReachesEveryDevice_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<QString>("cut");
        QTest::addColumn<QString>("order");
        for (const Policy policy : {Policy::TakeEqualOrHigher, Policy::TakeHigherOnly}) {
            const char *mode = policy == Policy::TakeEqualOrHigher ? "equal taken" : "equal refused";
            for (const char *cut : {"page limit", "failure and restart"}) {
                for (const char *order : {"CAB", "ABC"}) {
                    const QByteArray name = QByteArray(mode) + ", " + cut + ", " + order;
                    QTest::newRow(name.constData()) << int(policy) << QString::fromLatin1(cut)
                                                    << QString::fromLatin1(order);
                }
            }
        }
    }

    void realOpeningBalanceReachesEveryDevice()
    {
        QFETCH(int, policy);
        QFETCH(QString, cut);
        QFETCH(QString, order);

        SyncHarness harness;
        FakeSyncService &service = *harness.service;
        service.conflictPolicy = Policy(policy);
        AppDevice a(harness.server.url());
        AppDevice b(harness.server.url());
        AppDevice c(harness.server.url());
        QVERIFY(a.start());
        QVERIFY(b.start());

        // Offline on A: an account, many rows, then a second account.
        const QString checking = a.addAccount(QStringLiteral("Checking"), kCheckingOpening, kCheckingOpened);
        QVERIFY(!checking.isEmpty());
        for (int i = 0; i < kOfflineRows; ++i) {
            QVERIFY(!a.addTransaction(checking, kCheckingOpened.addDays(1 + i % 28), QStringLiteral("Shop %1").arg(i),
                                      -(1000 + i))
                         .isEmpty());
        }
        const QString brokerage = a.addAccount(QStringLiteral("Brokerage"), kBrokerageOpening, kBrokerageOpened);
        QVERIFY(!brokerage.isEmpty());
        QVERIFY(a.sync());
        QVERIFY(b.sync());
        QCOMPARE(b.openingBalance(brokerage)->amount, kBrokerageOpening);

        // The new device's first contact ends after the accounts arrived and
        // before their opening balances did.
        QVERIFY(c.start());
        if (cut == QLatin1String("page limit")) {
            service.pageSize = 1;
            QVERIFY(c.sync());
        } else {
            service.pageSize = 2;
            service.failPull(service.pullCount() + 2, FakeResponse::json(503, QJsonObject{{"error", "unavailable"}}));
            QVERIFY(!c.sync());
            QVERIFY(c.restart());
        }
        service.pageSize = 0;
        service.clearFaults();
        QVERIFY(c.app()->accountRepository()->findById(brokerage));
        QVERIFY(c.app()->accountRepository()->findById(checking));
        QVERIFY(c.liveTransactionCount(checking) < kOfflineRows);

        QVERIFY(syncInOrder(order, {{QLatin1Char('A'), &a}, {QLatin1Char('B'), &b}, {QLatin1Char('C'), &c}}));

        for (const auto &[accountId, amount] :
             {std::pair{checking, kCheckingOpening}, std::pair{brokerage, kBrokerageOpening}}) {
            const QString openingId = TransactionRepository::openingBalanceId(accountId);
            const auto onServer = service.recordByClientId(QStringLiteral("transactions"), openingId);
            QVERIFY(onServer);
            QCOMPARE(onServer->value(QLatin1String("amount")).toInteger(), amount);
            QCOMPARE(onServer->value(QLatin1String("version")).toInt(), 1);
            for (AppDevice *device : {&a, &b, &c}) {
                const std::optional<Transaction> opening = device->openingBalance(accountId);
                QVERIFY(opening);
                QVERIFY(!opening->deletedAt);
                QCOMPARE(opening->amount, amount);
                QCOMPARE(opening->payee, QStringLiteral("Opening Balance"));
                QCOMPARE(opening->version, 1);
            }
        }
        for (AppDevice *device : {&a, &b, &c}) {
            QCOMPARE(device->liveTransactionCount(checking), kOfflineRows + 1);
            QCOMPARE(device->liveTransactionCount(brokerage), 1);
            QCOMPARE(device->pendingCount(), 0);
        }
    }

    // The service's copy of the account carries no server id, and the new
    // device renames the account before the sync that brings its opening
    // balance: pending and without a server id, it looks like an account
    // made here. The upkeep still knows it came from the service.
    void renamedPulledAccountWaitsForItsOpeningBalance_data()
    {
        QTest::addColumn<qint64>("opening");
        QTest::newRow("as created") << kBrokerageOpening;
        QTest::newRow("edited before the new device joins") << qint64(888800);
    }

    void renamedPulledAccountWaitsForItsOpeningBalance()
    {
        QFETCH(qint64, opening);

        SyncHarness harness;
        FakeSyncService &service = *harness.service;
        service.conflictPolicy = Policy::TakeEqualOrHigher;
        service.editPullPage = [](QJsonObject &page, int) { removeFromEach(page, "accounts", "id"); };
        AppDevice a(harness.server.url());
        AppDevice b(harness.server.url());
        AppDevice c(harness.server.url());
        QVERIFY(a.start());
        QVERIFY(b.start());

        const QString brokerage = a.addAccount(QStringLiteral("Brokerage"), kBrokerageOpening, kBrokerageOpened);
        QVERIFY(!brokerage.isEmpty());
        QVERIFY(a.sync());
        if (opening != kBrokerageOpening) {
            QVERIFY(TransactionActions::setOpeningBalance(a.app(), brokerage, opening, kBrokerageOpened));
            QVERIFY(a.sync());
        }
        QVERIFY(b.sync());
        QCOMPARE(b.openingBalance(brokerage)->amount, opening);

        // The new device's first sync ends with 503s after the page with
        // the account; the opening balance is further on.
        QVERIFY(c.start());
        service.pageSize = 2;
        for (int i = 2; i <= 4; ++i)
            service.failPull(service.pullCount() + i, FakeResponse::json(503, QJsonObject{{"error", "unavailable"}}));
        QVERIFY(!c.sync());
        service.pageSize = 0;
        service.clearFaults();
        std::optional<Account> pulled = c.app()->accountRepository()->findById(brokerage);
        QVERIFY(pulled);
        QVERIFY(pulled->serverId.isEmpty());
        QVERIFY(!c.openingBalance(brokerage));

        pulled->name = QStringLiteral("Brokerage (joint)");
        markEdited(*pulled);
        QVERIFY(c.app()->accountRepository()->update(*pulled));
        QVERIFY(c.restart());
        QVERIFY(!c.openingBalance(brokerage));

        QVERIFY(syncInOrder(QStringLiteral("CAB"), {{QLatin1Char('A'), &a}, {QLatin1Char('B'), &b}, {QLatin1Char('C'), &c}}));

        const auto onServer =
            service.recordByClientId(QStringLiteral("transactions"), TransactionRepository::openingBalanceId(brokerage));
        QVERIFY(onServer);
        QCOMPARE(onServer->value(QLatin1String("amount")).toInteger(), opening);
        for (AppDevice *device : {&a, &b, &c}) {
            const std::optional<Transaction> row = device->openingBalance(brokerage);
            QVERIFY(row);
            QVERIFY(!row->deletedAt);
            QCOMPARE(row->amount, opening);
            QCOMPARE(device->liveTransactionCount(brokerage), 1);
            QCOMPARE(device->app()->accountRepository()->findById(brokerage)->name, QStringLiteral("Brokerage (joint)"));
            QCOMPARE(device->pendingCount(), 0);
        }
    }

    // An account the service took from a push, answering without a server
    // id, then edited here before any pull brought it back: it is no longer
    // one that never met the service.
    void acceptedAccountEditedSinceIsLeftAlone()
    {
        SyncHarness harness;
        AppDevice device(harness.server.url());
        QVERIFY(device.start());
        harness.service->editPushReply = [](QJsonObject &reply, const QJsonArray &) {
            removeFromEach(reply, "results", "server_id");
        };
        harness.service->failPull(1, FakeResponse::json(503, QJsonObject{{"error", "unavailable"}}));
        Account account;
        account.id = QStringLiteral("acc-sent");
        account.name = QStringLiteral("Sent");
        account.startingBalance = 4200;
        account.createdAt = account.updatedAt = QDateTime(QDate(2024, 1, 10), QTime(8, 0), Qt::UTC);
        QVERIFY(device.app()->accountRepository()->insert(account));
        QVERIFY(!device.sync());
        account = *device.app()->accountRepository()->findById(account.id);
        QCOMPARE(account.syncStatus, SyncStatus::Synced);
        QVERIFY(account.serverId.isEmpty());

        account.name = QStringLiteral("Sent, renamed");
        markEdited(account);
        QVERIFY(device.app()->accountRepository()->update(account));
        QCOMPARE(TransactionActions::backfillOpeningBalances(device.app()), 0);
        QVERIFY(device.restart());
        QVERIFY(!device.openingBalance(account.id));
    }

    // The upkeep still gives a local account that never met the service
    // its opening balance; an account the service knows waits for its own.
    void upkeepSkipsAccountsTheServiceKnows_data()
    {
        QTest::addColumn<QString>("serverId");
        QTest::addColumn<int>("syncStatus");
        QTest::addColumn<bool>("written");
        QTest::newRow("local, never sent") << QString() << int(SyncStatus::Pending) << true;
        QTest::newRow("pulled") << QStringLiteral("srv-7") << int(SyncStatus::Synced) << false;
        QTest::newRow("sent, changed since") << QStringLiteral("srv-7") << int(SyncStatus::Pending) << false;
        QTest::newRow("sent, reply without server id") << QString() << int(SyncStatus::Synced) << false;
    }

    void upkeepSkipsAccountsTheServiceKnows()
    {
        QFETCH(QString, serverId);
        QFETCH(int, syncStatus);
        QFETCH(bool, written);

        SyncHarness harness;
        AppDevice device(harness.server.url());
        QVERIFY(device.start());
        Account account;
        account.id = QStringLiteral("acc-legacy");
        account.name = QStringLiteral("Legacy");
        account.startingBalance = 4200;
        account.serverId = serverId;
        account.syncStatus = SyncStatus(syncStatus);
        account.createdAt = account.updatedAt = QDateTime(QDate(2024, 1, 10), QTime(8, 0), Qt::UTC);
        QVERIFY(device.app()->accountRepository()->insert(account));

        QCOMPARE(TransactionActions::backfillOpeningBalances(device.app()), written ? 1 : 0);
        QCOMPARE(device.openingBalance(account.id).has_value(), written);
        QCOMPARE(device.app()->accountRepository()->findById(account.id)->startingBalance, qint64(written ? 0 : 4200));
        // And so at the next start.
        QVERIFY(device.restart());
        QCOMPARE(device.openingBalance(account.id).has_value(), written);
    }
};

TALLYRA_TEST(SyncOpeningBalanceTest)

#include "test_syncopeningbalances.moc"
