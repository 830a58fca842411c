#include "support/testmain.h"

#include "syncfixture.h"

#include <QSignalSpy>

namespace {

const QString kPush = QStringLiteral("/sync/push");
const QString kPull = QStringLiteral("/sync/pull");


} // namespace

class SyncEngineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stateTexts_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text");
        QTest::newRow("idle") << int(SyncEngine::Idle) << "Synced";
        QTest::newRow("syncing") << int(SyncEngine::Syncing) << "Syncing...";
        QTest::newRow("error") << int(SyncEngine::Error) << "Sync error";
        QTest::newRow("offline") << int(SyncEngine::Offline) << "Offline";
        QTest::newRow("out of range") << 7 << "Unknown";
    }

    void stateTexts()
    {
        QFETCH(int, state);
        QFETCH(QString, text);
        QCOMPARE(SyncEngine::stateToString(state), text);
    }

    void firstSyncSendsNoCursorAndLaterOnesTheStoredOne()
    {
        SyncHarness harness;
        auto device = harness.device();
        SampleData::make(QStringLiteral("s"), 1, 1, 0, 3, 0).putInto(*harness.service);
        QSignalSpy completed(device->engine.get(), &SyncEngine::syncCompleted);
        QSignalSpy dataChanged(device->engine.get(), &SyncEngine::dataChanged);

        QVERIFY(device->sync());
        QCOMPARE(harness.server.count(QStringLiteral("POST"), kPush), 0); // nothing pending
        const QList<FakeRequest> pulls = harness.server.requests(QStringLiteral("GET"), kPull);
        QCOMPARE(pulls.size(), 1);
        QVERIFY(!pulls.at(0).query.hasQueryItem(QStringLiteral("cursor")));
        QCOMPARE(pulls.at(0).query.queryItemValue(QStringLiteral("limit")), QStringLiteral("200"));
        QCOMPARE(device->cursor(), harness.service->cursorAt(5));
        QVERIFY(device->preferences->get(QStringLiteral("lastSyncTimestamp")));
        QCOMPARE(completed.count(), 1);
        QCOMPARE(dataChanged.count(), 1);

        // A sync that applies nothing still completes and stamps the time.
        device->preferences->remove(QStringLiteral("lastSyncTimestamp"));
        QVERIFY(device->sync());
        QCOMPARE(harness.service->pullCursors().last(), harness.service->cursorAt(5)); // "+" survived
        QVERIFY(device->preferences->get(QStringLiteral("lastSyncTimestamp")));
        QCOMPARE(dataChanged.count(), 2);
    }

    void cursorTextReachesTheServerUnchanged()
    {
        SyncHarness harness;
        const QString cursor = QStringLiteral("a%2Fb+c&d=e f/ü#");
        harness.service->editPullPage = [&cursor](QJsonObject &page, int number) {
            if (number == 1) {
                page.insert("cursor", cursor);
                page.insert("has_more", true);
            }
        };
        auto device = harness.device();
        QVERIFY(!device->sync()); // the fake knows no such cursor: 400
        QCOMPARE(harness.service->pullCursors().value(1), cursor);
        QCOMPARE(device->cursor(), cursor);
    }

    void pushSendsKindsInOrderInBatchesOf500()
    {
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(device->insert(SampleData::make(QStringLiteral("d"), 3, 4, 2, 1185, 6)));
        QStringList order;
        QObject::connect(&harness.server, &FakeServer::requestReceived, [&order](const FakeRequest &request) {
            for (const QJsonValue &change : request.json().value(QLatin1String("changes")).toArray()) {
                const QString type = change.toObject().value(QLatin1String("entity_type")).toString();
                if (order.isEmpty() || order.last() != type)
                    order << type;
            }
        });

        QVERIFY(device->sync());
        QCOMPARE(harness.service->pushBatchSizes(), (QList<int>{500, 500, 200}));
        QCOMPARE(order, (QStringList{"account", "category", "recurring", "transaction", "reconciliation"}));
        QVERIFY(device->pendingRows().isEmpty());
        QCOMPARE(device->count(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE server_id IS NULL "
                                              "OR server_id = ''")),
                 0);
    }

    void syncNowDuringSyncRunsOnceMore()
    {
        SyncHarness harness;
        auto device = harness.device();
        SyncEngine *engine = device->engine.get();
        // The first pull answers late, so the sync is still running.
        harness.server.script(QStringLiteral("GET"), kPull,
                              FakeResponse::json(200, QJsonObject{{"has_more", false}}).withDelay(300));
        QStringList events;
        connect(engine, &SyncEngine::syncCompleted, this, [&events] { events << QStringLiteral("completed"); });
        connect(engine, &SyncEngine::dataChanged, this, [&events] { events << QStringLiteral("dataChanged"); });
        connect(engine, &SyncEngine::stateChanged, this, [&events](SyncEngine::SyncState state) {
            events << SyncEngine::stateToString(state);
        });

        engine->syncNow();
        QCOMPARE(engine->state(), SyncEngine::Syncing);
        engine->syncNow();
        engine->syncNow();
        engine->syncNow();
        waitUntil([&] { return events.count(QStringLiteral("completed")) >= 2; });
        QTest::qWait(100);
        QCOMPARE(harness.server.count(QStringLiteral("GET"), kPull), 2);
        QCOMPARE(events, (QStringList{"Syncing...", "Synced", "completed", "dataChanged", "Syncing...", "Synced",
                                      "completed", "dataChanged"}));
    }

    void failuresAreCountedButTheStateChangesOnce()
    {
        SyncHarness harness;
        auto device = harness.device();
        SyncEngine *engine = device->engine.get();
        QVERIFY(device->insert(SampleData::make(QStringLiteral("f"), 1, 0, 0, 0, 0)));
        harness.server.scriptAlways(QStringLiteral("POST"), kPush,
                                    FakeResponse::json(500, QJsonObject{{"error", "down"}}));
        QSignalSpy states(engine, &SyncEngine::stateChanged);
        QSignalSpy failed(engine, &SyncEngine::syncFailed);

        QVERIFY(!device->sync());
        // A re-run asked for during a failing sync is not made.
        harness.server.script(QStringLiteral("POST"), kPush,
                              FakeResponse::json(503, QJsonObject()).withDelay(200));
        engine->syncNow();
        engine->syncNow();
        waitUntil([&] { return failed.count() == 2; });
        QTest::qWait(200);

        QCOMPARE(failed.count(), 2);
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Push failed (HTTP 500)"));
        QCOMPARE(failed.at(1).at(0).toString(), QStringLiteral("Push failed (HTTP 503)"));
        QCOMPARE(harness.server.count(QStringLiteral("POST"), kPush), 2);
        QList<int> seen;
        for (const QList<QVariant> &signal : states)
            seen << signal.at(0).toInt();
        QCOMPARE(seen, (QList<int>{SyncEngine::Syncing, SyncEngine::Error, SyncEngine::Syncing, SyncEngine::Error}));
        QVERIFY(!device->preferences->get(QStringLiteral("lastSyncTimestamp")));

        // Success keeps the last failure text; authenticationRequired while
        // idle only turns the state to Error.
        harness.server.clearScripts();
        QVERIFY(device->sync());
        QCOMPARE(engine->lastError(), QStringLiteral("Push failed (HTTP 503)"));
        Q_EMIT device->api->authenticationRequired();
        QCOMPARE(engine->state(), SyncEngine::Error);
        QCOMPARE(failed.count(), 2);
        QCOMPARE(engine->lastError(), QStringLiteral("Push failed (HTTP 503)"));
    }

    void debounceRunsOneSyncAfterTheLastChange()
    {
        SyncHarness harness;
        auto device = harness.device();
        SyncEngine *engine = device->engine.get();
        QSignalSpy completed(engine, &SyncEngine::syncCompleted);
        QElapsedTimer clock;
        clock.start();
        qint64 lastCall = 0;
        for (int i = 0; i < 10; ++i) {
            engine->scheduleSync();
            lastCall = clock.elapsed();
            QTest::qWait(50);
        }
        QVERIFY(completed.wait(60000));
        // Qt's coarse timers may fire up to 5 % early.
        QVERIFY(clock.elapsed() - lastCall >= SyncEngine::kDebounceMs * 95 / 100);
        QTest::qWait(100);
        QCOMPARE(completed.count(), 1);
        QCOMPARE(harness.server.count(QStringLiteral("GET"), kPull), 1);
    }

    void autoSyncRunsAtOnceAndThenPeriodically()
    {
        SyncHarness harness;
        auto device = harness.device();
        QSignalSpy completed(device->engine.get(), &SyncEngine::syncCompleted);
        device->engine->startAutoSync(150);
        QCOMPARE(device->engine->state(), SyncEngine::Syncing);
        waitUntil([&] { return completed.count() >= 3; });
        device->engine->stopAutoSync();
        waitUntil([&] { return device->engine->state() != SyncEngine::Syncing; });
        const int syncs = completed.count();
        QTest::qWait(400);
        QCOMPARE(completed.count(), syncs);
    }

    void syncWaitsForABulkWriteToEnd()
    {
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(device->insert(SampleData::make(QStringLiteral("b"), 1, 0, 0, 2, 0)));
        QSignalSpy completed(device->engine.get(), &SyncEngine::syncCompleted);
        {
            BulkWriteScope import(device->database.get());
            SqlTransaction transaction(device->database.get());
            device->engine->syncNow();
            QVERIFY(device->insert(SampleData::make(QStringLiteral("i"), 1, 0, 0, 0, 0)));
            QTest::qWait(200);
            // Nothing is read or written inside the import's transaction.
            QCOMPARE(harness.server.requests().size(), 0);
            QVERIFY(transaction.commit());
        }
        QVERIFY(completed.wait(60000));
        QCOMPARE(harness.service->pushBatchSizes(), QList<int>{4});
    }

    void aPageArrivingDuringABulkWriteWaitsForItsEnd()
    {
        SyncHarness harness;
        auto device = harness.device();
        SampleData::make(QStringLiteral("p"), 1, 0, 0, 2, 0).putInto(*harness.service);
        QSignalSpy completed(device->engine.get(), &SyncEngine::syncCompleted);
        std::optional<BulkWriteScope> import;
        std::optional<SqlTransaction> transaction;
        // The import starts while the page is on its way.
        QObject::connect(&harness.server, &FakeServer::requestReceived, [&](const FakeRequest &request) {
            if (request.method == QLatin1String("GET") && !import) {
                import.emplace(device->database.get());
                transaction.emplace(device->database.get());
            }
        });
        device->engine->syncNow();
        QTRY_VERIFY(import.has_value());
        QTest::qWait(300);
        QCOMPARE(completed.count(), 0);

        // The import fails; the page must not go down with it.
        transaction->rollback();
        transaction.reset();
        import.reset();
        QVERIFY(completed.wait(60000));
        QCOMPARE(device->count("SELECT COUNT(*) FROM transactions"), 2);
        QVERIFY(!device->cursor().isEmpty());
    }

    void forceFullSyncSendsEveryLiveRowAndPullsFromTheStart()
    {
        SyncHarness harness;
        auto device = harness.device();
        QVERIFY(device->insert(SampleData::make(QStringLiteral("x"), 2, 2, 1, 5, 1)));
        QVERIFY(device->transactions->softDelete(QStringLiteral("x-txn-0")));
        QVERIFY(device->sync());
        QVERIFY(device->pendingRows().isEmpty());

        QSignalSpy completed(device->engine.get(), &SyncEngine::syncCompleted);
        device->engine->forceFullSync();
        QVERIFY(!device->preferences->get(QStringLiteral("lastSyncTimestamp")));
        QVERIFY(completed.wait(60000));
        // Every live row again; the synced deletion is not sent twice.
        QCOMPARE(harness.service->pushBatchSizes().last(), 10);
        QVERIFY(harness.service->pullCursors().last().isEmpty());
        QVERIFY(device->preferences->get(QStringLiteral("lastSyncTimestamp")));
    }

    void forceFullSyncDuringASyncWaitsForItsEnd()
    {
        SyncHarness harness;
        auto device = harness.device();
        SampleData::make(QStringLiteral("w"), 1, 0, 0, 1, 0).putInto(*harness.service);
        harness.server.script(QStringLiteral("GET"), kPull,
                              FakeResponse::json(200, QJsonObject{{"cursor", harness.service->cursorAt(2)},
                                                                  {"has_more", false}})
                                  .withDelay(200));
        QSignalSpy completed(device->engine.get(), &SyncEngine::syncCompleted);
        device->engine->syncNow();
        device->engine->forceFullSync();
        waitUntil([&] { return completed.count() == 2; });
        // The running sync stored its cursor; the full sync then started over.
        const QList<FakeRequest> pulls = harness.server.requests(QStringLiteral("GET"), kPull);
        QCOMPARE(pulls.size(), 2);
        QVERIFY(!pulls.at(1).query.hasQueryItem(QStringLiteral("cursor")));
        QCOMPARE(device->cursor(), harness.service->cursorAt(2));
    }
};

TALLYRA_TEST(SyncEngineTest)

#include "test_syncengine.moc"
