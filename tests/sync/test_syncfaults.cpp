#include "support/testmain.h"

#include "syncfixture.h"
#include "sync/syncrecords.h"

#include <QNetworkRequest>
#include <QSignalSpy>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

Q_DECLARE_METATYPE(FakeResponse)

namespace {

const QString kTransactions = QStringLiteral("transactions");

enum PushFault {
    ErrorOnBatch2,
    DroppedAfterProcessing,
    TruncatedReply,
    NonJsonReply,
    ResultsMissing,
    ResultError,
    ResultsForOtherIds,
    NoReply,
};

QMap<QString, QString> columnsOf(const QString &row)
{
    QMap<QString, QString> columns;
    for (const QString &pair : row.split(QLatin1Char('|'))) {
        const qsizetype eq = pair.indexOf(QLatin1Char('='));
        columns.insert(pair.left(eq), pair.mid(eq + 1));
    }
    return columns;
}

// The server's copy of a local row at the row's version, if it has one.
std::optional<QJsonObject> serverCopy(const FakeSyncService &service, const QString &snapshotKey,
                                      const QMap<QString, QString> &columns)
{
    const QString table = snapshotKey.section(QLatin1Char('/'), 0, 0);
    const auto record = service.recordByClientId(table, columns.value(QStringLiteral("id")));
    if (!record || record->value(QLatin1String("version")).toInt() != columns.value(QStringLiteral("version")).toInt())
        return std::nullopt;
    return record;
}

// After a fault: no row lost, added or changed, except that rows the
// server really holds at their version may have become synced; every
// other row stays pending.
void verifyNothingLost(const QMap<QString, QString> &before, const LocalStore &device,
                       const FakeSyncService &service, const QSet<QString> &mustStayPending = {})
{
    const QMap<QString, QString> after = device.snapshot();
    QCOMPARE(QStringList(after.keys()), QStringList(before.keys()));
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (it.key().startsWith(QLatin1String("split_lines/"))) {
            QCOMPARE(after.value(it.key()), it.value());
            continue;
        }
        QMap<QString, QString> was = columnsOf(it.value());
        QMap<QString, QString> now = columnsOf(after.value(it.key()));
        const bool confirmed = serverCopy(service, it.key(), was).has_value();
        if (!confirmed || mustStayPending.contains(it.key()))
            QVERIFY2(now.value(QStringLiteral("sync_status")) == QLatin1String("pending"), qPrintable(it.key()));
        for (const char *bookkeeping : {"sync_status", "server_id"}) {
            was.remove(QLatin1String(bookkeeping));
            now.remove(QLatin1String(bookkeeping));
        }
        QVERIFY2(now == was, qPrintable(it.key()));
    }
}

// The job is done: nothing pending, and the server holds every row as it
// is here.
void verifyServerHoldsEverything(const LocalStore &device, const FakeSyncService &service)
{
    QCOMPARE(device.pendingRows(), QStringList());
    int compared = 0;
    const auto check = [&](const QString &kind, const QString &id, const QJsonObject &payload) {
        const auto record = service.recordByClientId(kind, id);
        QVERIFY2(record.has_value(), qPrintable(id));
        for (auto it = payload.constBegin(); it != payload.constEnd(); ++it) {
            if (it.key() != QLatin1String("server_id"))
                QVERIFY2(record->value(it.key()) == it.value(), qPrintable(id + QLatin1Char(' ') + it.key()));
        }
        ++compared;
    };
    using namespace SyncRecords;
    QSqlQuery ids(*device.database->db());
    ids.exec(QStringLiteral("SELECT id FROM transactions"));
    while (ids.next()) {
        const Transaction t = *device.transactions->findById(ids.value(0).toString());
        check(kTransactions, t.id, transactionPayload(t, device.splitLines->listByTransaction(t.id)));
    }
    for (const Account &a : device.accounts->listAll())
        check(QStringLiteral("accounts"), a.id, accountPayload(a));
    QVERIFY(compared > 0);
}

} // namespace

class SyncFaultTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pushFaults_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("error"); // empty: the sync completes
        QTest::newRow("500 on batch 2 of 3") << int(ErrorOnBatch2) << "Push failed (HTTP 500)";
        QTest::newRow("connection dropped after the server stored the batch")
            << int(DroppedAfterProcessing) << "Push failed (HTTP 0)";
        QTest::newRow("truncated 200 body") << int(TruncatedReply) << "Push failed (HTTP 0)";
        QTest::newRow("non-JSON 200") << int(NonJsonReply) << "Push failed (HTTP 0)";
        QTest::newRow("results missing") << int(ResultsMissing) << "";
        QTest::newRow("a result error") << int(ResultError) << "";
        QTest::newRow("results for ids not in the batch") << int(ResultsForOtherIds) << "Push failed (HTTP 500)";
        QTest::newRow("no reply") << int(NoReply) << "Push failed (HTTP 0)";
    }

    void pushFaults()
    {
        QFETCH(int, fault);
        QFETCH(QString, error);
        SyncHarness harness;
        FakeSyncService &service = *harness.service;
        auto device = harness.device();
        // 1200 pending rows: batches of 500, 500 and 200.
        QVERIFY(device->insert(SampleData::make(QStringLiteral("p"), 2, 3, 2, 1190, 3)));
        QVERIFY(device->transactions->softDelete(QStringLiteral("p-txn-7")));
        const QMap<QString, QString> before = device->snapshot();
        QSet<QString> mustStayPending;

        const QJsonObject someResults{{"results", QJsonArray{QJsonObject{{"status", "ok"}}}}};
        switch (PushFault(fault)) {
        case ErrorOnBatch2:
            service.failPush(2, FakeResponse::json(500, QJsonObject{{"error", "boom"}}));
            break;
        case DroppedAfterProcessing:
            // The network stack resends once after a silent close: drop both.
            for (int request = 1; request <= 4; ++request)
                service.failPush(request, FakeResponse::dropped(), true);
            break;
        case TruncatedReply:
            service.failPush(2, FakeResponse::truncated(200, someResults), true);
            break;
        case NonJsonReply:
            service.failPush(1, FakeResponse::html(200, "<html>gateway</html>"), true);
            break;
        case ResultsMissing:
            service.editPushReply = [](QJsonObject &reply, const QJsonArray &) { reply.remove("results"); };
            break;
        case ResultError:
            service.rejectChange = [](const QJsonObject &change) {
                return change.value("entity_id").toString() == QLatin1String("p-txn-42");
            };
            mustStayPending.insert(QStringLiteral("transactions/p-txn-42"));
            break;
        case ResultsForOtherIds:
            // Batch 1 claims a row of batch 3, under its own and another
            // kind, and a row that does not exist; batch 3 then fails.
            service.editPushReply = [](QJsonObject &reply, const QJsonArray &) {
                QJsonArray results = reply.value("results").toArray();
                for (const char *type : {"transaction", "account"})
                    results.append(QJsonObject{{"status", "ok"}, {"entity_type", type},
                                               {"entity_id", "p-txn-1100"}, {"server_id", "forged"}});
                results.append(QJsonObject{{"status", "ok"}, {"entity_type", "transaction"},
                                           {"entity_id", "nobody"}, {"server_id", "forged"}});
                reply.insert("results", results);
            };
            service.failPush(3, FakeResponse::json(500, QJsonObject()));
            mustStayPending.insert(QStringLiteral("transactions/p-txn-1100"));
            break;
        case NoReply:
            device->api->setTransferTimeout(2000);
            service.failPush(1, FakeResponse::noReply());
            break;
        }

        QSignalSpy failed(device->engine.get(), &SyncEngine::syncFailed);
        QElapsedTimer clock;
        clock.start();
        const bool completed = device->sync();
        QCOMPARE(completed, error.isEmpty());
        if (!error.isEmpty()) {
            QCOMPARE(failed.value(0).value(0).toString(), error);
            QCOMPARE(device->engine->state(), SyncEngine::Error);
        }
        // Ends by itself, not by the harness giving up.
        QVERIFY(clock.elapsed() < 90000);
        verifyNothingLost(before, *device, service, mustStayPending);

        // The next sync, without the fault, completes the job.
        service.clearFaults();
        service.editPushReply = nullptr;
        service.rejectChange = nullptr;
        QVERIFY(device->sync());
        verifyServerHoldsEverything(*device, service);
        QCOMPARE(device->engine->state(), SyncEngine::Idle);
    }

    void rowEditedWhileItsBatchIsInFlightStaysPending()
    {
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(device->insert(SampleData::make(QStringLiteral("e"), 2, 1, 0, 3, 0)));
        harness.service->onPush = [&device](int number) {
            if (number != 1)
                return;
            // An edit (new version) and a reorder (same version, new time).
            Transaction t = *device->transactions->findById(QStringLiteral("e-txn-1"));
            t.payee = QStringLiteral("Edited in flight");
            t.version += 1;
            t.updatedAt = QDateTime::currentDateTimeUtc().addSecs(5);
            QVERIFY(device->transactions->update(t));
            QVERIFY(device->accounts->updateSortOrder({{QStringLiteral("e-acc-0"), 9}}));
        };

        QVERIFY(device->sync());
        // The pull echoed the sent copies; neither change was lost.
        QCOMPARE(device->pendingRows(),
                 (QStringList{"accounts/e-acc-0", "transactions/e-txn-1"}));
        QCOMPARE(device->transactions->findById(QStringLiteral("e-txn-1"))->payee, QStringLiteral("Edited in flight"));
        QCOMPARE(device->accounts->findById(QStringLiteral("e-acc-0"))->sortOrder, 9);

        harness.service->onPush = nullptr;
        QVERIFY(device->sync());
        verifyServerHoldsEverything(*device, *harness.service);
        QCOMPARE(harness.service->recordByClientId(QStringLiteral("accounts"), QStringLiteral("e-acc-0"))
                     ->value("sort_order")
                     .toInt(),
                 9);
    }

    // A change refused for a reason the feed cannot answer costs one extra
    // read of the feed, not one per sync.
    void aChangeRefusedForGoodReadsTheFeedAgainOnce()
    {
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(device->insert(SampleData::make(QStringLiteral("g"), 1, 0, 0, 2, 0)));
        harness.service->rejectChange = [](const QJsonObject &change) {
            return change.value("entity_id").toString() == QLatin1String("g-txn-1");
        };
        QVERIFY(device->sync());
        QCOMPARE(harness.service->pullCount(), 2);
        QCOMPARE(harness.service->pullCursors().at(1), QString());
        QVERIFY(device->sync());
        QCOMPARE(harness.service->pullCount(), 3);
        QCOMPARE(device->pendingRows(), QStringList{"transactions/g-txn-1"});
        QCOMPARE(device->cursor(), harness.service->cursorAt(2));
    }

    void pullFailureKeepsTheAppliedPages_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("error");
        QTest::newRow("500") << int(FakeResponse::Mode::Normal) << "Pull failed (HTTP 500)";
        QTest::newRow("truncated") << int(FakeResponse::Mode::Truncated) << "Pull failed (HTTP 0)";
        QTest::newRow("dropped") << int(FakeResponse::Mode::Dropped) << "Pull failed (HTTP 0)";
        QTest::newRow("no reply") << int(FakeResponse::Mode::NoReply) << "Pull failed (HTTP 0)";
    }

    void pullFailureKeepsTheAppliedPages()
    {
        QFETCH(int, mode);
        QFETCH(QString, error);
        SyncHarness harness;
        SampleData::make(QStringLiteral("q"), 2, 3, 0, 995, 0).putInto(*harness.service); // five pages
        auto device = harness.device();
        if (mode == int(FakeResponse::Mode::NoReply))
            device->api->setTransferTimeout(2000);
        FakeResponse response = FakeResponse::json(mode == int(FakeResponse::Mode::Normal) ? 500 : 200,
                                                   QJsonObject{{"accounts", QJsonArray()}, {"has_more", true}});
        response.mode = FakeResponse::Mode(mode);
        // The network stack resends once after a silent close: fail both.
        harness.service->failPull(3, response);
        if (response.mode == FakeResponse::Mode::Dropped)
            harness.service->failPull(4, response);

        QSignalSpy failed(device->engine.get(), &SyncEngine::syncFailed);
        QVERIFY(!device->sync());
        QCOMPARE(failed.value(0).value(0).toString(), error);
        QCOMPARE(device->cursor(), harness.service->cursorAt(400));
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 395);
        QVERIFY(!device->preferences->get(QStringLiteral("lastSyncTimestamp")));

        QVERIFY(device->sync());
        QCOMPARE(harness.service->pullCursors().at(harness.service->pullCount() - 3), harness.service->cursorAt(400));
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 995);
        QCOMPARE(device->count("SELECT COUNT(*) FROM split_lines"), 300);
        QCOMPARE(device->cursor(), harness.service->cursorAt(1000));
    }

    // A pull redirected without end fails as no answer and keeps its cursor.
    void pullRedirectedWithoutEndFails_data()
    {
        QTest::addColumn<int>("redirectStatus");
        QTest::addColumn<bool>("chain"); // else back to the same address
        for (const int status : {302, 307, 308}) {
            QTest::addRow("%d to itself", status) << status << false;
            QTest::addRow("%d to ever new addresses", status) << status << true;
        }
    }

    void pullRedirectedWithoutEndFails()
    {
        QFETCH(int, redirectStatus);
        QFETCH(bool, chain);
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(device->preferences->set(QStringLiteral("syncCursor"), harness.service->cursorAt(0)));
        harness.server.route(QStringLiteral("GET"), QStringLiteral("/sync/pull"),
                             [redirectStatus, chain](const FakeRequest &request) {
                                 QUrlQuery next = request.query;
                                 if (chain) {
                                     const int hop = next.queryItemValue(QStringLiteral("hop")).toInt();
                                     next.removeAllQueryItems(QStringLiteral("hop"));
                                     next.addQueryItem(QStringLiteral("hop"), QString::number(hop + 1));
                                 }
                                 QUrl location(QStringLiteral("pull"));
                                 location.setQuery(next);
                                 return FakeResponse::redirect(location, redirectStatus);
                             });
        QSignalSpy failed(device->engine.get(), &SyncEngine::syncFailed);
        QVERIFY(!device->sync());
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.constFirst().constFirst().toString(), QStringLiteral("Pull failed (HTTP 0)"));
        QCOMPARE(device->engine->state(), SyncEngine::Error);
        QCOMPARE(device->cursor(), harness.service->cursorAt(0));
        QCOMPARE(harness.server.count(QStringLiteral("GET"), QStringLiteral("/sync/pull")),
                 chain ? QNetworkRequest().maximumRedirectsAllowed() + 1 : 1);
    }

    void pullStopsAfterFiftyPagesAndGoesOnNextTime()
    {
        SyncHarness harness;
        SampleData::make(QStringLiteral("c"), 1, 0, 0, 103, 0).putInto(*harness.service);
        harness.service->pageSize = 2;
        auto device = harness.device();
        QVERIFY(device->sync());
        QCOMPARE(harness.service->pullCount(), 50);
        QCOMPARE(device->cursor(), harness.service->cursorAt(100));
        QVERIFY(device->sync());
        QCOMPARE(harness.service->pullCount(), 52);
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 103);
    }

    void moreWithoutACursorEndsThePull()
    {
        SyncHarness harness;
        SampleData::make(QStringLiteral("h"), 1, 0, 0, 5, 0).putInto(*harness.service);
        harness.service->pageSize = 2;
        harness.service->editPullPage = [](QJsonObject &page, int number) {
            if (number == 2)
                page.insert("cursor", "");
        };
        auto device = harness.device();
        QVERIFY(device->sync());
        // The first page's cursor stays; the feed is not read again from the start.
        QCOMPARE(harness.service->pullCount(), 2);
        QCOMPARE(device->cursor(), harness.service->cursorAt(2));
        harness.service->editPullPage = nullptr;
        QVERIFY(device->sync());
        QCOMPARE(harness.service->pullCursors().at(2), harness.service->cursorAt(2));
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 5);
    }

    void malformedRecordsAreSkippedAndTheRestApplied()
    {
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(device->insert(SampleData::make(QStringLiteral("l"), 1, 1, 0, 2, 0)));
        QVERIFY(device->sync());
        const QMap<QString, QString> before = device->snapshot();

        const auto txn = [](const char *json) { return QJsonDocument::fromJson(json).object(); };
        const QJsonObject page{
            {"accounts", QJsonArray{QJsonObject{{"id", 5}, {"client_id", QJsonArray{"x"}}, {"name", "No ids"}},
                                    txn(R"({"id":"a9","client_id":"a9","name":"Overdrawn",
                                           "starting_balance":-9223372036854775808})")}},
            {"transactions",
             QJsonArray{42, txn(R"({"id":"m1","client_id":"m1","account_id":"l-acc-0","date":"2024-13-45"})"),
                        txn(R"({"id":"m2","client_id":"m2","account_id":"l-acc-0","date":"1999-12-31"})"),
                        txn(R"({"payee":"no ids","account_id":"l-acc-0","date":"2024-01-01"})"),
                        txn(R"({"id":"m3","client_id":"m3","date":"2024-01-01","payee":"no account"})"),
                        txn(R"({"id":"m4","client_id":"l-txn-0","version":"9","date":"2024-01-01","payee":"x"})"),
                        txn(R"({"id":"m5","client_id":"m5","account_id":"l-acc-0","date":"2024-01-01",
                               "payee":"no negation","amount":-9223372036854775808})"),
                        txn(R"({"id":"m6","client_id":"m6","account_id":"l-acc-0","date":"2024-01-01",
                               "payee":"split","amount":-1,"is_split":true,"split_lines":[
                               {"category_id":"l-cat-0","amount":-9223372036854775808},
                               {"category_id":"l-cat-0","amount":9223372036854775807}]})"),
                        txn(R"({"id":"m7","client_id":"m7","account_id":"l-acc-0","date":"2024-01-01",
                               "payee":"half a cent","amount":12.5})"),
                        txn(R"({"id":"m8","client_id":"m8","account_id":"l-acc-0","date":"2024-01-01",
                               "payee":"past the range","amount":1e20})"),
                        txn(R"({"id":"ok","client_id":"fine","account_id":"l-acc-0","date":"2000-01-01",
                               "payee":"Fine","amount":-500,"version":1})")}},
            {"reconciliations", QJsonArray{txn(R"({"id":"r1","client_id":"r1","account_id":"l-acc-0"})"),
                                           txn(R"({"id":"r2","client_id":"r2","account_id":"l-acc-0",
                                                  "statement_date":"2024-01-31",
                                                  "statement_balance":-9223372036854775808})")}},
            {"has_more", false}};
        harness.server.script("GET", "/sync/pull", FakeResponse::json(200, page));
        QVERIFY(device->sync());

        const QMap<QString, QString> after = device->snapshot();
        QCOMPARE(snapshotDifferences(before, after), QStringList{"added transactions/fine"});
        QCOMPARE(device->transactions->findById("fine")->amount, -500);
        QCOMPARE(device->engine->keptRecordCount(), 0);
    }

    void splitLinesNamingAnUnknownCategoryWaitForIt()
    {
        SyncHarness harness;
        auto device = harness.device();
        SampleData local = SampleData::make(QStringLiteral("s"), 1, 2, 0, 4, 0); // s-txn-3 is split
        QVERIFY(device->insert(local));
        QVERIFY(device->sync());
        const QMap<QString, QString> before = device->snapshot();

        // Another device splits s-txn-3 across a category it created; the
        // category comes two pages later.
        Transaction changed = local.transactions.at(3);
        changed.version = 5;
        changed.payee = QStringLiteral("Resplit");
        SplitLine line;
        line.categoryId = QStringLiteral("late");
        line.amount = changed.amount;
        line.memo = QStringLiteral("all of it");
        harness.service->putRecord(kTransactions, serverRecordFromPayload(
                                                      SyncRecords::transactionPayload(changed, {line}), 5));
        Category late;
        late.id = QStringLiteral("late");
        late.name = QStringLiteral("Late");
        late.createdAt = late.updatedAt = QDateTime::currentDateTimeUtc();
        const QJsonObject lateRecord = serverRecordFromPayload(SyncRecords::categoryPayload(late), 1);

        // First sync: the category never arrives. The local row is whole.
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 1);
        QCOMPARE(snapshotDifferences(before, device->snapshot()), QStringList());

        // Next sync: it arrives on a later page of the same sync.
        harness.service->pageSize = 1;
        harness.service->putRecord(kTransactions, serverRecordFromPayload(
                                                      SyncRecords::transactionPayload(local.transactions.at(0), {}),
                                                      local.transactions.at(0).version));
        harness.service->putRecord(QStringLiteral("categories"), lateRecord);
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 0);
        const Transaction applied = *device->transactions->findById(changed.id);
        QCOMPARE(applied.payee, QStringLiteral("Resplit"));
        QCOMPARE(applied.version, 5);
        const QList<SplitLine> lines = device->splitLines->listByTransaction(changed.id);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0).categoryId, QStringLiteral("late"));
        QCOMPARE(lines.at(0).amount, changed.amount);
    }

    void aFailingSplitWriteFailsThePage()
    {
        SyncHarness harness;
        auto device = harness.device();
        SampleData data = SampleData::make(QStringLiteral("w"), 1, 2, 0, 4, 0);
        QVERIFY(device->insert(data));
        QVERIFY(device->sync());
        const QMap<QString, QString> before = device->snapshot();

        Transaction changed = data.transactions.at(3);
        changed.version = 2;
        changed.amount = -999;
        SplitLine first;
        first.categoryId = data.categories.at(0).id;
        first.amount = -500;
        SplitLine second = first;
        second.amount = -499;
        second.memo = QStringLiteral("refused");
        harness.service->putRecord(kTransactions, serverRecordFromPayload(
                                                      SyncRecords::transactionPayload(changed, {first, second}), 2));
        QVERIFY(device->exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON split_lines WHEN NEW.memo = 'refused' "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
        // The refused write fails the page: nothing of it is kept, and the
        // cursor stays so that the next sync reads it again.
        const QString cursor = device->cursor();
        QSignalSpy failed(device->engine.get(), &SyncEngine::syncFailed);
        QVERIFY(!device->sync());
        QCOMPARE(failed.value(0).value(0).toString(), QStringLiteral("Pull failed (disk full)"));
        QCOMPARE(snapshotDifferences(before, device->snapshot()), QStringList());
        QCOMPARE(device->cursor(), cursor);
        QCOMPARE(device->engine->keptRecordCount(), 0);

        QVERIFY(device->exec("DROP TRIGGER refuse"));
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 0);
        QCOMPARE(device->transactions->findById(changed.id)->amount, -999);
        QCOMPARE(device->splitLines->listByTransaction(changed.id).size(), 2);
    }

    void aTransactionBeforeItsAccount()
    {
        SyncHarness harness;
        SampleData data = SampleData::make(QStringLiteral("o"), 1, 1, 1, 2, 1);
        // Children first, the account last: each on its own page.
        SampleData children = data;
        children.accounts.clear();
        children.putInto(*harness.service);
        harness.service->pageSize = 1;
        auto device = harness.device();
        QVERIFY(device->sync());
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 0);
        QCOMPARE(device->engine->keptRecordCount(), 4); // rule, two transactions, reconciliation

        SampleData parent = data;
        parent.categories.clear();
        parent.recurring.clear();
        parent.transactions.clear();
        parent.reconciliations.clear();
        parent.putInto(*harness.service);
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 0);
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 2);
        QCOMPARE(device->count("SELECT COUNT(*) FROM recurring_transactions"), 1);
        QCOMPARE(device->count("SELECT COUNT(*) FROM reconciliations"), 1);
    }

    // The kept records come from pages behind the cursor: a page that is
    // rolled back after retrying them must keep them, or they are gone.
    void aRolledBackPageKeepsTheRecordsItRetried()
    {
        SyncHarness harness;
        SampleData data = SampleData::make(QStringLiteral("r"), 1, 0, 0, 1, 1);
        SampleData children = data;
        children.accounts.clear();
        children.putInto(*harness.service);
        auto device = harness.device();
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 2); // transaction, reconciliation

        // The account arrives; the transaction is then written, and the
        // reconciliation's write takes the whole page down with it.
        SampleData parent = data;
        parent.transactions.clear();
        parent.reconciliations.clear();
        parent.putInto(*harness.service);
        QVERIFY(device->exec("CREATE TEMP TRIGGER refuse BEFORE INSERT ON reconciliations "
                             "BEGIN SELECT RAISE(ROLLBACK, 'disk full'); END"));
        QVERIFY(!device->sync());
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 0);
        QCOMPARE(device->engine->keptRecordCount(), 2);

        QVERIFY(device->exec("DROP TRIGGER refuse"));
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 0);
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 1);
        QCOMPARE(device->count("SELECT COUNT(*) FROM reconciliations"), 1);
    }

    // The store fails part of the way through a page: a full disk (the
    // database's page limit), or another program holding the write lock.
    // The sync fails saying why, and neither rows nor cursor move.
    void aPageTheStoreRefusesMovesNothing_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        QTest::newRow("disk full") << "full" << "Pull failed (the disk is full)";
        QTest::newRow("database locked") << "locked" << "Pull failed (the data is in use by another program)";
    }

    void aPageTheStoreRefusesMovesNothing()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        SyncHarness harness;
        SampleData::make(QStringLiteral("a"), 1, 1, 0, 2, 0).putInto(*harness.service);
        auto device = harness.device();
        QVERIFY(device->sync());
        const QString cursor = device->cursor();
        QVERIFY(!cursor.isEmpty());
        const QMap<QString, QString> before = device->snapshot();
        // One page of 300 transactions with their account and categories.
        SampleData::make(QStringLiteral("b"), 1, 3, 1, 300, 1).putInto(*harness.service);

        sqlite3 *handle =
            *static_cast<sqlite3 *const *>(device->database->db()->driver()->handle().data());
        sqlite3 *other = nullptr;
        if (fault == QLatin1String("full")) {
            QVERIFY(device->exec(QStringLiteral("VACUUM")));
            const int pages = device->count(QStringLiteral("PRAGMA page_count"));
            QVERIFY(device->exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 1)));
        } else {
            sqlite3_busy_timeout(handle, 100);
            QCOMPARE(sqlite3_open(qPrintable(device->dir.filePath(QStringLiteral("tallyra.db"))), &other), SQLITE_OK);
            QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE; INSERT INTO preferences VALUES ('other', '1')", nullptr,
                                  nullptr, nullptr),
                     SQLITE_OK);
        }

        QSignalSpy failed(device->engine.get(), &SyncEngine::syncFailed);
        QVERIFY(!device->sync());
        QCOMPARE(failed.value(0).value(0).toString(), message);
        QVERIFY(sqlite3_get_autocommit(handle));
        QCOMPARE(device->cursor(), cursor);
        QCOMPARE(snapshotDifferences(before, device->snapshot()), QStringList());
        QCOMPARE(device->engine->keptRecordCount(), 0);

        if (other) {
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        }
        QVERIFY(device->exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
        QVERIFY(device->sync());
        QCOMPARE(device->count(QStringLiteral("SELECT COUNT(*) FROM transactions")), 302);
        QCOMPARE(device->engine->keptRecordCount(), 0);
    }

    void pullPageThatIsNoJsonObjectFailsTheSync_data()
    {
        QTest::addColumn<FakeResponse>("page");
        QTest::newRow("JSON array") << FakeResponse::json(200, QJsonArray{QJsonObject{{"cursor", "c+999"}}});
        QTest::newRow("empty body") << FakeResponse::empty(200);
        QTest::newRow("text") << FakeResponse::html(200, "<html>maintenance</html>");
    }

    void pullPageThatIsNoJsonObjectFailsTheSync()
    {
        QFETCH(FakeResponse, page);
        SyncHarness harness;
        SampleData::make(QStringLiteral("j"), 1, 0, 0, 2, 0).putInto(*harness.service);
        auto device = harness.device();
        QVERIFY(device->sync());
        const QString cursor = device->cursor();
        const QMap<QString, QString> before = device->snapshot();
        SampleData::make(QStringLiteral("k"), 1, 0, 0, 2, 0).putInto(*harness.service);

        harness.server.script("GET", "/sync/pull", page);
        QSignalSpy failed(device->engine.get(), &SyncEngine::syncFailed);
        QVERIFY(!device->sync());
        QCOMPARE(failed.value(0).value(0).toString(), QStringLiteral("Pull failed (HTTP 0)"));
        QCOMPARE(device->cursor(), cursor);
        QCOMPARE(snapshotDifferences(before, device->snapshot()), QStringList());

        QVERIFY(device->sync());
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 4);
    }

    // Records waiting for their parent are kept in the database with the
    // cursor that moved past them; a restart must not lose them.
    void keptRecordsSurviveARestart_data()
    {
        QTest::addColumn<bool>("deletedParentFirst");
        QTest::newRow("the account arrives after the restart") << false;
        QTest::newRow("a deleted category arrived before the restart") << true;
    }

    void keptRecordsSurviveARestart()
    {
        QFETCH(bool, deletedParentFirst);
        SyncHarness harness;
        SampleData data = SampleData::make(QStringLiteral("v"), 1, 1, 0, 3, 0); // v-txn-1 uses v-cat-0
        data.categories[0].deletedAt = QDateTime::currentDateTimeUtc();
        SampleData parents = data;
        parents.transactions.clear();
        SampleData children = data;
        children.accounts.clear();
        children.categories.clear();
        if (deletedParentFirst) {
            // The category is gone before its transaction is seen; only the
            // record of its deletion can let that transaction in.
            SampleData category = parents;
            category.accounts.clear();
            category.putInto(*harness.service);
            parents.categories.clear();
        }
        children.putInto(*harness.service);
        auto device = harness.device();
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 3);
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 0);

        device->restart();
        QCOMPARE(device->engine->keptRecordCount(), 3);
        parents.putInto(*harness.service);
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 0);
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL"), 3);
        QCOMPARE(device->transactions->findById(QStringLiteral("v-txn-1"))->categoryId, QStringLiteral("v-cat-0"));
        QVERIFY(device->categories->findById(QStringLiteral("v-cat-0"))->deletedAt.has_value());

        device->restart();
        QCOMPARE(device->engine->keptRecordCount(), 0);
        QVERIFY(!device->preferences->get(QStringLiteral("syncKeptRecords")));
    }

    // Both start over from the beginning of the feed, where every kept
    // record comes again.
    void signOutAndForceFullSyncDropKeptRecords_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("sign-out") << "sign-out";
        QTest::newRow("sign-out during a sync") << "sign-out during a sync";
        QTest::newRow("force full sync") << "force full sync";
    }

    void signOutAndForceFullSyncDropKeptRecords()
    {
        QFETCH(QString, how);
        SyncHarness harness;
        SampleData data = SampleData::make(QStringLiteral("x"), 1, 0, 0, 3, 0);
        SampleData children = data;
        children.accounts.clear();
        children.putInto(*harness.service);
        auto device = harness.device();
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 3);

        if (how == QLatin1String("sign-out")) {
            device->engine->handleSignOut();
            QVERIFY(device->cursor().isEmpty());
        } else if (how == QLatin1String("sign-out during a sync")) {
            // The running sync still stores its page; what it keeps goes at its end.
            harness.service->editPullPage = [&device](QJsonObject &, int) { device->engine->handleSignOut(); };
            QVERIFY(device->sync());
            QVERIFY(device->cursor().isEmpty());
            harness.service->editPullPage = nullptr;
        } else {
            // The full sync's pull fails: what is left is what it prepared.
            harness.service->failPull(harness.service->pullCount() + 1, FakeResponse::json(503, QJsonObject()));
            QSignalSpy failed(device->engine.get(), &SyncEngine::syncFailed);
            device->engine->forceFullSync();
            QVERIFY(waitUntil([&] { return !failed.isEmpty(); }));
        }
        QCOMPARE(device->engine->keptRecordCount(), 0);
        QVERIFY(!device->preferences->get(QStringLiteral("syncKeptRecords")));
        device->restart();
        QCOMPARE(device->engine->keptRecordCount(), 0);

        // Nothing is lost: the feed from its start brings them with their account.
        data.transactions.clear();
        data.putInto(*harness.service);
        QVERIFY(device->sync());
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 3);
        QCOMPARE(device->engine->keptRecordCount(), 0);
    }

    void tombstonesForUnknownRowsLeaveNoTrace()
    {
        SyncHarness harness;
        SampleData data = SampleData::make(QStringLiteral("t"), 1, 2, 0, 1, 0);
        data.transactions[0].deletedAt = QDateTime::currentDateTimeUtc();
        data.categories[0].deletedAt = QDateTime::currentDateTimeUtc();
        data.putInto(*harness.service);
        auto device = harness.device();
        QVERIFY(device->sync());
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 0);
        QCOMPARE(device->count("SELECT COUNT(*) FROM categories"), 1);
        QCOMPARE(device->count("SELECT COUNT(*) FROM accounts"), 1);
    }

    void aDeletedCategoryStillInUseIsStoredForItsTransactions()
    {
        SyncHarness harness;
        SampleData data = SampleData::make(QStringLiteral("u"), 1, 1, 0, 2, 0); // u-txn-1 uses u-cat-0
        data.categories[0].deletedAt = QDateTime::currentDateTimeUtc();
        data.putInto(*harness.service);
        auto device = harness.device();
        QVERIFY(device->sync());
        QCOMPARE(device->engine->keptRecordCount(), 0);
        QCOMPARE(device->transactions->findById(QStringLiteral("u-txn-1"))->categoryId, QStringLiteral("u-cat-0"));
        QVERIFY(device->categories->findById(QStringLiteral("u-cat-0"))->deletedAt.has_value());
        QCOMPARE(device->categories->count(), 0);
    }
};

TALLYRA_TEST(SyncFaultTest)

#include "test_syncfaults.moc"
