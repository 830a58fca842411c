#include "support/testmain.h"

#include "syncfixture.h"
#include "sync/syncapplier.h"
#include "sync/syncrecords.h"

namespace {

const QDateTime kLocalStamp(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);

struct ApplyFixture
{
    ApplyFixture()
        : applier(store.database.get(), store.accounts.get(), store.transactions.get(), store.categories.get(),
                  store.recurring.get(), store.reconciliations.get(), store.splitLines.get())
    {
        Account account;
        account.id = QStringLiteral("a");
        account.name = QStringLiteral("Checking");
        account.createdAt = account.updatedAt = kLocalStamp;
        store.accounts->insert(account);
        Category category;
        category.id = QStringLiteral("c");
        category.name = QStringLiteral("Food");
        category.createdAt = category.updatedAt = kLocalStamp;
        store.categories->insert(category);
        applier.beginSync();
    }

    Transaction localTransaction(const QString &id, int version, bool pending, bool deleted) const
    {
        Transaction t;
        t.id = id;
        t.accountId = QStringLiteral("a");
        t.date = QDate(2024, 5, 1);
        t.payee = QStringLiteral("Local");
        t.amount = -100;
        t.version = version;
        t.syncStatus = pending ? SyncStatus::Pending : SyncStatus::Synced;
        t.serverId = QStringLiteral("srv-") + id;
        t.createdAt = t.updatedAt = kLocalStamp;
        if (deleted)
            t.deletedAt = kLocalStamp;
        return t;
    }

    bool apply(const QString &kind, const QJsonObject &record)
    {
        return applier.applyPage(QJsonObject{{kind, QJsonArray{record}}});
    }

    LocalStore store;
    SyncApplier applier;
};

QJsonObject serverTransaction(const Transaction &t)
{
    QJsonObject record = SyncRecords::transactionPayload(t, {});
    record.insert(QStringLiteral("id"), t.serverId);
    record.remove(QStringLiteral("server_id"));
    return record;
}

} // namespace

class SyncApplyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The local row is at version 2; the server's copy arrives. "refused"
    // means the server refused the local change in this sync's push.
    void versionRule_data()
    {
        QTest::addColumn<QString>("localState"); // "synced", "pending", "refused"
        QTest::addColumn<bool>("localDeleted");
        QTest::addColumn<int>("serverVersion");
        QTest::addColumn<bool>("serverDeleted");
        QTest::addColumn<QString>("payee");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<QString>("status");

        QTest::newRow("lower vs pending edit") << "pending" << false << 1 << false << "Local" << false << "pending";
        QTest::newRow("lower vs synced") << "synced" << false << 1 << false << "Local" << false << "synced";
        QTest::newRow("lower deletion") << "synced" << false << 1 << true << "Local" << false << "synced";
        QTest::newRow("equal vs synced") << "synced" << false << 2 << false << "Server" << false << "synced";
        QTest::newRow("equal vs unsent pending edit") << "pending" << false << 2 << false << "Local" << false << "pending";
        QTest::newRow("equal vs refused edit") << "refused" << false << 2 << false << "Server" << false << "synced";
        QTest::newRow("equal deletion vs synced") << "synced" << false << 2 << true << "Server" << true << "synced";
        QTest::newRow("equal deletion vs unsent edit") << "pending" << false << 2 << true << "Local" << false << "pending";
        QTest::newRow("equal deletion vs refused edit") << "refused" << false << 2 << true << "Server" << true << "synced";
        QTest::newRow("equal live restores a synced deletion")
            << "synced" << true << 2 << false << "Server" << false << "synced";
        QTest::newRow("equal live vs unsent deletion") << "pending" << true << 2 << false << "Local" << true << "pending";
        QTest::newRow("equal live restores a refused deletion")
            << "refused" << true << 2 << false << "Server" << false << "synced";
        QTest::newRow("higher vs pending edit") << "pending" << false << 3 << false << "Server" << false << "synced";
        QTest::newRow("higher deletion") << "synced" << false << 3 << true << "Server" << true << "synced";
        QTest::newRow("higher live restores a pending deletion")
            << "pending" << true << 3 << false << "Server" << false << "synced";
    }

    void versionRule()
    {
        QFETCH(QString, localState);
        QFETCH(bool, localDeleted);
        QFETCH(int, serverVersion);
        QFETCH(bool, serverDeleted);
        QFETCH(QString, payee);
        QFETCH(bool, deleted);
        QFETCH(QString, status);

        ApplyFixture fixture;
        const bool pending = localState != QLatin1String("synced");
        Transaction local = fixture.localTransaction(QStringLiteral("t"), 2, pending, localDeleted);
        QVERIFY(fixture.store.transactions->insert(local));
        if (localDeleted)
            QVERIFY(fixture.store.transactions->applyServerDeletion(local.id, kLocalStamp, local.accountId));
        local = *fixture.store.transactions->findById(local.id);
        if (localState == QLatin1String("refused"))
            fixture.applier.beginSync({{SyncApplier::Kind::Transaction, local.id, local.version, local.updatedAt}});

        // The server's copy is newer by the clock either way: time decides nothing.
        Transaction server = local;
        server.payee = QStringLiteral("Server");
        server.version = serverVersion;
        server.updatedAt = kLocalStamp.addSecs(60);
        server.deletedAt.reset();
        if (serverDeleted)
            server.deletedAt = kLocalStamp.addSecs(120);
        QVERIFY(fixture.apply(QStringLiteral("transactions"), serverTransaction(server)));

        const Transaction now = *fixture.store.transactions->findById(local.id);
        QCOMPARE(now.payee, payee);
        QCOMPARE(now.deletedAt.has_value(), deleted);
        QCOMPARE(syncStatusToString(now.syncStatus), status);
        QCOMPARE(fixture.store.count("SELECT COUNT(*) FROM transactions"), 1);
    }

    // Refused as it was sent: an edit made after the send was not refused.
    void aChangeMadeAfterTheRefusedSendIsKept()
    {
        ApplyFixture fixture;
        Transaction local = fixture.localTransaction(QStringLiteral("t"), 2, true, false);
        QVERIFY(fixture.store.transactions->insert(local));
        fixture.applier.beginSync(
            {{SyncApplier::Kind::Transaction, local.id, local.version, kLocalStamp.addSecs(-30)}});
        Transaction server = local;
        server.payee = QStringLiteral("Server");
        QVERIFY(fixture.apply(QStringLiteral("transactions"), serverTransaction(server)));
        QCOMPARE(fixture.store.transactions->findById(local.id)->payee, QStringLiteral("Local"));
    }

    void matchingByClientIdThenServerId()
    {
        ApplyFixture fixture;
        Transaction known = fixture.localTransaction(QStringLiteral("local-id"), 1, false, false);
        QVERIFY(fixture.store.transactions->insert(known));

        // Unknown client id, known server id: the row found by server id.
        Transaction other = known;
        other.id = QStringLiteral("other-device-id");
        other.version = 2;
        other.payee = QStringLiteral("By server id");
        QVERIFY(fixture.apply(QStringLiteral("transactions"), serverTransaction(other)));
        QCOMPARE(fixture.store.transactions->findById(known.id)->payee, QStringLiteral("By server id"));
        QVERIFY(!fixture.store.transactions->findById(other.id));

        // No client id, unknown server id: a new row under a fresh id.
        Transaction fresh = fixture.localTransaction(QString(), 1, false, false);
        fresh.serverId = QStringLiteral("srv-new");
        fresh.payee = QStringLiteral("Fresh");
        QVERIFY(fixture.apply(QStringLiteral("transactions"), serverTransaction(fresh)));
        QCOMPARE(fixture.store.count("SELECT COUNT(*) FROM transactions WHERE server_id = 'srv-new' AND "
                                     "length(id) = 36"),
                 1);
        // Seen again later, it updates that row instead of adding another.
        fresh.version = 2;
        QVERIFY(fixture.apply(QStringLiteral("transactions"), serverTransaction(fresh)));
        QCOMPARE(fixture.store.count("SELECT COUNT(*) FROM transactions"), 2);
    }

    void splitLinesAreReplacedAsAWhole()
    {
        ApplyFixture fixture;
        Transaction local = fixture.localTransaction(QStringLiteral("s"), 1, false, false);
        local.isSplit = true;
        QVERIFY(fixture.store.transactions->insert(local));
        SplitLine line;
        line.id = QStringLiteral("old-line");
        line.categoryId = QStringLiteral("c");
        line.amount = -100;
        line.createdAt = line.updatedAt = kLocalStamp;
        SplitLine second = line;
        second.id = QStringLiteral("old-line-2");
        QVERIFY(fixture.store.splitLines->replaceForTransaction(local.id, {line, second}));

        Transaction server = local;
        server.version = 2;
        QJsonObject record = serverTransaction(server);
        record.insert(QStringLiteral("split_lines"),
                      QJsonArray{QJsonObject{{"category_id", "c"}, {"amount", -60}, {"memo", "a"}},
                                 QJsonObject{{"category_id", "c"}, {"amount", -40}, {"memo", "b"}},
                                 QJsonObject{{"category_id", "c"}, {"amount", 0}}});
        QVERIFY(fixture.apply(QStringLiteral("transactions"), record));
        const QList<SplitLine> lines = fixture.store.splitLines->listByTransaction(local.id);
        QCOMPARE(lines.size(), 3);
        for (const SplitLine &l : lines)
            QVERIFY(l.id != QLatin1String("old-line"));
        QCOMPARE(lines.at(0).amount + lines.at(1).amount, -100);

        // Arriving unsplit, it loses its lines.
        server.version = 3;
        server.isSplit = false;
        QVERIFY(fixture.apply(QStringLiteral("transactions"), serverTransaction(server)));
        QVERIFY(fixture.store.splitLines->listByTransaction(local.id).isEmpty());
    }

    void reconciliationsTakeNoDeletionFromTheServer()
    {
        ApplyFixture fixture;
        Reconciliation local;
        local.id = QStringLiteral("r");
        local.accountId = QStringLiteral("a");
        local.statementDate = QDate(2024, 3, 31);
        local.statementBalance = 100;
        local.completedAt = local.createdAt = local.updatedAt = kLocalStamp;
        QVERIFY(fixture.store.reconciliations->insert(local));
        Reconciliation server = local;
        server.version = 2;
        server.statementBalance = 250;
        server.deletedAt = kLocalStamp;
        QJsonObject record = SyncRecords::reconciliationPayload(server);
        record.insert(QStringLiteral("id"), QStringLiteral("srv-r"));
        QVERIFY(fixture.apply(QStringLiteral("reconciliations"), record));
        const Reconciliation now = *fixture.store.reconciliations->findById(local.id);
        QCOMPARE(now.statementBalance, 250);
        QVERIFY(!now.deletedAt);
    }

    void integrityMismatchIsOnlyLogged()
    {
        ApplyFixture fixture;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Category count mismatch: local= 1 server= 4")));
        fixture.applier.checkIntegrity(QJsonObject{{"category_count", 4}});
        fixture.applier.checkIntegrity(QJsonObject{{"category_count", 0}}); // nothing to say
        fixture.applier.checkIntegrity(QJsonObject{{"category_count", 1}});
    }
};

TALLYRA_TEST(SyncApplyTest)

#include "test_syncapply.moc"
