#include "support/testmain.h"

#include "account/client.h"
#include "account/tokenmanager.h"
#include "support/fakeonlineservices.h"
#include "support/memorytokenstore.h"
#include "sync/syncrecords.h"
#include "syncfixture.h"

#include <QSqlQuery>

using namespace SyncRecords;
using Policy = FakeSyncService::ConflictPolicy;

namespace {

const QString kChecking = QStringLiteral("acc-checking");
const QString kSavings = QStringLiteral("acc-savings");
const QString kFood = QStringLiteral("cat-food");
const QString kRent = QStringLiteral("cat-rent");
const QString kPlain = QStringLiteral("txn-plain");
const QString kTransferOut = QStringLiteral("txn-transfer-out");
const QString kTransferIn = QStringLiteral("txn-transfer-in");
const QString kSplit = QStringLiteral("txn-split");

// Whole seconds, later with every call: the wire carries seconds.
QDateTime nextStamp()
{
    static QDateTime stamp(QDate(2024, 3, 1), QTime(9, 0), Qt::UTC);
    stamp = stamp.addSecs(1);
    return stamp;
}

template <typename Record>
void touch(Record &record)
{
    record.version += 1;
    record.syncStatus = SyncStatus::Pending;
    record.updatedAt = nextStamp();
}

// One signed-in device: its own database, synced through an online client
// whose token manager refreshes against the fake sign-in service.
struct Device
{
    Device(FakeOnlineServices &services, const QString &syncUrl)
    {
        const auto tokens = services.issueTokens();
        tokenStore->insert(QLatin1String(LumoAccount::AccessTokenKey), tokens.first);
        tokenStore->insert(QLatin1String(LumoAccount::RefreshTokenKey), tokens.second);
        client = std::make_unique<LumoAccount::Client>(services.config(),
                                                       std::make_unique<MemoryTokenStore>(tokenStore));
        client->tokenManager()->loadTokens();
        client->syncApi()->setBaseUrl(QUrl(syncUrl));
        for (LumoAccount::ApiClient *api : {client->authApi(), client->syncApi()}) {
            api->setTransferTimeout(30000);
            api->setRequestDeadline(60000);
        }
        store = std::make_unique<LocalStore>(client->syncApi());
    }

    std::shared_ptr<MemoryTokenStore::Map> tokenStore = std::make_shared<MemoryTokenStore::Map>();
    std::unique_ptr<LumoAccount::Client> client;
    std::unique_ptr<LocalStore> store; // goes first: its engine uses the client's request layer
};

bool insertStartingRows(LocalStore &store)
{
    const QDateTime created = nextStamp();
    const auto stamped = [&created](auto record) {
        record.version = 1;
        record.syncStatus = SyncStatus::Pending;
        record.createdAt = record.updatedAt = created;
        return record;
    };
    bool ok = true;
    int order = 0;
    for (const QString &id : {kChecking, kSavings}) {
        Account account;
        account.id = id;
        account.name = id.mid(4);
        account.sortOrder = order++;
        ok = store.accounts->insert(stamped(account)) && ok;
    }
    for (const QString &id : {kFood, kRent}) {
        Category category;
        category.id = id;
        category.name = id.mid(4);
        ok = store.categories->insert(stamped(category)) && ok;
    }
    Transaction plain;
    plain.id = kPlain;
    plain.accountId = kChecking;
    plain.date = QDate(2024, 2, 1);
    plain.payee = QStringLiteral("Grocer");
    plain.amount = -4250;
    plain.categoryId = kFood;
    ok = store.transactions->insert(stamped(plain)) && ok;

    Transaction out = plain;
    out.id = kTransferOut;
    out.payee = QStringLiteral("[Transfer] savings");
    out.amount = -50000;
    out.categoryId.clear();
    out.transferLinkId = kTransferIn;
    out.transferDestAccountId = kSavings;
    Transaction in = out;
    in.id = kTransferIn;
    in.accountId = kSavings;
    in.payee = QStringLiteral("[Transfer] checking");
    in.amount = 50000;
    in.transferLinkId = kTransferOut;
    in.transferDestAccountId = kChecking;
    ok = store.transactions->insert(stamped(out)) && store.transactions->insert(stamped(in)) && ok;

    Transaction split = plain;
    split.id = kSplit;
    split.payee = QStringLiteral("Market");
    split.amount = -5000;
    split.categoryId.clear();
    split.isSplit = true;
    ok = store.transactions->insert(stamped(split)) && ok;
    SplitLine food;
    food.transactionId = kSplit;
    food.categoryId = kFood;
    food.amount = -3000;
    food.createdAt = food.updatedAt = created;
    SplitLine rent = food;
    rent.categoryId = kRent;
    rent.amount = -2000;
    food.id = QStringLiteral("line-food");
    rent.id = QStringLiteral("line-rent");
    return store.splitLines->replaceForTransaction(kSplit, {food, rent}) && ok;
}

// The edits one device makes between syncs.
using Edit = std::function<bool(LocalStore &)>;

// Reads the row, changes it as a local edit does, writes it back.
template <typename Repository, typename Change>
Edit editRow(std::unique_ptr<Repository> LocalStore::*repository, const QString &id, Change change)
{
    return [repository, id, change](LocalStore &store) {
        Repository *rows = (store.*repository).get();
        auto row = *rows->findById(id);
        change(row);
        touch(row);
        return rows->update(row);
    };
}

Edit editPayee(const QString &id, const QString &payee)
{
    return editRow(&LocalStore::transactions, id, [payee](Transaction &t) { t.payee = payee; });
}

Edit editMemo(const QString &id, const QString &memo)
{
    return editRow(&LocalStore::transactions, id, [memo](Transaction &t) { t.memo = memo; });
}

Edit deleteRows(const QStringList &ids)
{
    return [ids](LocalStore &store) {
        SqlTransaction unit(store.database.get());
        for (const QString &id : ids) {
            if (!store.transactions->softDelete(id))
                return false;
        }
        return unit.commit();
    };
}

Edit changeTransferAmount(qint64 amount)
{
    return [amount](LocalStore &store) {
        SqlTransaction unit(store.database.get());
        for (const auto &[id, sign] : {std::pair{kTransferOut, -1}, std::pair{kTransferIn, 1}}) {
            Transaction leg = *store.transactions->findById(id);
            leg.amount = sign * amount;
            touch(leg);
            if (!store.transactions->update(leg))
                return false;
        }
        return unit.commit();
    };
}

Edit resplit()
{
    return [](LocalStore &store) {
        SqlTransaction unit(store.database.get());
        Transaction split = *store.transactions->findById(kSplit);
        touch(split);
        QList<SplitLine> lines = store.splitLines->listByTransaction(kSplit);
        lines[0].amount = -1000;
        lines[1].amount = -4000;
        return store.transactions->update(split) && store.splitLines->replaceForTransaction(kSplit, lines)
               && unit.commit();
    };
}

Edit renameAccount(const QString &id, const QString &name)
{
    return editRow(&LocalStore::accounts, id, [name](Account &a) { a.name = name; });
}

// A reorder keeps the version: only the sort order and the time change.
Edit reorder(int checking, int savings)
{
    return [checking, savings](LocalStore &store) {
        return store.accounts->updateSortOrder({{kChecking, checking}, {kSavings, savings}});
    };
}

Edit both(const Edit &first, const Edit &second)
{
    return [first, second](LocalStore &store) { return first(store) && second(store); };
}

struct Scenario
{
    const char *name;
    Edit onA;
    Edit onB;
};

const QList<Scenario> &scenarios()
{
    static const QList<Scenario> list = {
        {"both edit one row", editPayee(kPlain, QStringLiteral("Grocer A")), editPayee(kPlain, QStringLiteral("Grocer B"))},
        {"delete against edit", deleteRows({kPlain}), editPayee(kPlain, QStringLiteral("Grocer B"))},
        {"edit against delete", editPayee(kPlain, QStringLiteral("Grocer A")), deleteRows({kPlain})},
        {"both delete", deleteRows({kPlain}), deleteRows({kPlain})},
        {"transfer edited against deleted", changeTransferAmount(61000), deleteRows({kTransferOut, kTransferIn})},
        {"transfer edited on both", changeTransferAmount(61000), changeTransferAmount(72000)},
        // One device changes a leg's memo, the other the amount of both legs.
        {"transfer memo against amount", editMemo(kTransferOut, QStringLiteral("A")), changeTransferAmount(61000)},
        {"transfer amount against memo", changeTransferAmount(61000), editMemo(kTransferOut, QStringLiteral("B"))},
        {"split lines against payee", resplit(), editPayee(kSplit, QStringLiteral("Market B"))},
        {"split deleted against resplit", deleteRows({kSplit}), resplit()},
        {"reorder against rename", reorder(1, 0), renameAccount(kChecking, QStringLiteral("Main"))},
        {"both reorder", reorder(1, 0), reorder(0, 5)},
        {"re-edited against edited once",
         both(editPayee(kPlain, QStringLiteral("Grocer A1")), editPayee(kPlain, QStringLiteral("Grocer A2"))),
         editPayee(kPlain, QStringLiteral("Grocer B"))},
    };
    return list;
}

// A row as the wire shows it, without the ids that differ between sides.
QString comparableText(QJsonObject payload)
{
    payload.remove(QStringLiteral("server_id"));
    payload.remove(QStringLiteral("id"));
    return QString::fromUtf8(QJsonDocument(comparablePayload(payload)).toJson(QJsonDocument::Compact));
}

// Every live row of the three tables in play, as the wire shows it.
QMap<QString, QString> liveRows(const LocalStore &store)
{
    QMap<QString, QString> rows;
    const auto idsOf = [&store](const QString &table) {
        QStringList ids;
        QSqlQuery query(*store.database->db());
        query.exec(QStringLiteral("SELECT id FROM %1 WHERE deleted_at IS NULL").arg(table));
        while (query.next())
            ids << query.value(0).toString();
        return ids;
    };
    for (const QString &id : idsOf(QStringLiteral("accounts")))
        rows.insert(QStringLiteral("accounts/") + id, comparableText(accountPayload(*store.accounts->findById(id))));
    for (const QString &id : idsOf(QStringLiteral("categories")))
        rows.insert(QStringLiteral("categories/") + id,
                    comparableText(categoryPayload(*store.categories->findById(id))));
    for (const QString &id : idsOf(QStringLiteral("transactions"))) {
        const Transaction t = *store.transactions->findById(id);
        rows.insert(QStringLiteral("transactions/") + id,
                    comparableText(transactionPayload(t, store.splitLines->listByTransaction(id))));
    }
    return rows;
}

QMap<QString, QString> liveRows(const FakeSyncService &service)
{
    QMap<QString, QString> rows;
    for (const QString &kind : {QStringLiteral("accounts"), QStringLiteral("categories"), QStringLiteral("transactions")}) {
        for (const QJsonObject &record : service.records(kind)) {
            if (readText(record, QLatin1String("deleted_at")).isEmpty())
                rows.insert(kind + QLatin1Char('/') + readText(record, QLatin1String("client_id")),
                            comparableText(record));
        }
    }
    return rows;
}

// Live transfer legs whose partner is live too but not their mirror image.
QStringList brokenTransfers(const LocalStore &store)
{
    QStringList broken;
    QSqlQuery query(*store.database->db());
    query.exec(QStringLiteral("SELECT a.id, a.amount, a.date, b.amount, b.date FROM transactions a"
                             " JOIN transactions b ON b.id = a.transfer_link_id"
                             " WHERE a.deleted_at IS NULL AND b.deleted_at IS NULL"
                             " AND (a.amount != -b.amount OR a.date != b.date)"));
    while (query.next()) {
        QStringList values;
        for (int i = 0; i < 5; ++i)
            values << query.value(i).toString();
        broken << values.join(QLatin1Char(' '));
    }
    return broken;
}

} // namespace

class SyncTwoDevicesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Both devices change the same rows before either syncs; then they sync
    // in turns, twice each. Whatever the server's conflict policy and the
    // order, both end with the same live rows as the server, nothing pending.
    void devicesConverge_data()
    {
        QTest::addColumn<int>("policy");
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QString>("order");
        for (const Policy policy : {Policy::TakeEqualOrHigher, Policy::TakeHigherOnly}) {
            const char *mode = policy == Policy::TakeEqualOrHigher ? "equal taken" : "equal refused";
            for (int scenario = 0; scenario < scenarios().size(); ++scenario) {
                for (const char *order : {"ABAB", "ABBA", "BABA", "BAAB"}) {
                    const QByteArray name =
                        QByteArray(mode) + ", " + scenarios().at(scenario).name + ", " + order;
                    QTest::newRow(name.constData()) << int(policy) << scenario << QString::fromLatin1(order);
                }
            }
        }
    }

    void devicesConverge()
    {
        QFETCH(int, policy);
        QFETCH(int, scenario);
        QFETCH(QString, order);

        SyncHarness harness;
        FakeOnlineServices services(&harness.server);
        harness.service->authorize = [&services](const FakeRequest &request) { return services.authorized(request); };
        Device a(services, harness.server.url());
        Device b(services, harness.server.url());
        QVERIFY(insertStartingRows(*a.store));
        QVERIFY(a.store->sync());
        QVERIFY(b.store->sync());
        QCOMPARE(liveRows(*b.store), liveRows(*a.store));

        harness.service->conflictPolicy = Policy(policy);
        QVERIFY(scenarios().at(scenario).onA(*a.store));
        QVERIFY(scenarios().at(scenario).onB(*b.store));

        const QString refreshPath = services.authApiPath(QStringLiteral("/auth/token/refresh"));
        for (int turn = 0; turn < order.size(); ++turn) {
            // The third sync meets a 401 between its push and its pull.
            if (turn == 2)
                harness.server.script(QStringLiteral("GET"), QStringLiteral("/sync/pull"),
                                      FakeResponse::json(401, QJsonObject{{"error", "expired"}}));
            Device &device = order.at(turn) == QLatin1Char('A') ? a : b;
            QVERIFY2(device.store->sync(), qPrintable(QStringLiteral("sync %1 of %2").arg(turn + 1).arg(order.at(turn))));
            // Whole after every sync, not only in the end.
            QCOMPARE(brokenTransfers(*device.store.get()), QStringList());
        }
        QCOMPARE(harness.server.count(QStringLiteral("POST"), refreshPath), 1);

        // A transfer leg repaired by the last sync goes out with the next
        // one, and the other device takes it; nothing else may be left.
        const QStringList legs{QStringLiteral("transactions/") + kTransferIn,
                               QStringLiteral("transactions/") + kTransferOut};
        bool repaired = false;
        for (Device *device : {&a, &b}) {
            const QStringList pending = device->store->pendingRows();
            for (const QString &row : pending)
                QVERIFY2(legs.contains(row), qPrintable(row));
            if (!pending.isEmpty()) {
                repaired = true;
                QVERIFY(device->store->sync());
            }
        }
        if (repaired) {
            QVERIFY(a.store->sync());
            QVERIFY(b.store->sync());
        }
        QCOMPARE(brokenTransfers(*a.store), QStringList());
        QCOMPARE(brokenTransfers(*b.store), QStringList());
        QCOMPARE(a.store->pendingRows(), QStringList());
        QCOMPARE(b.store->pendingRows(), QStringList());
        const QMap<QString, QString> onServer = liveRows(*harness.service);
        QCOMPARE(snapshotDifferences(liveRows(*a.store), liveRows(*b.store)), QStringList());
        QCOMPARE(snapshotDifferences(onServer, liveRows(*a.store)), QStringList());
    }
};

TALLYRA_TEST(SyncTwoDevicesTest)

#include "test_synctwodevices.moc"
