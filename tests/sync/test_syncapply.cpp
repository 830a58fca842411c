#include "support/testmain.h"

#include "syncfixture.h"
#include "sync/syncapplier.h"
#include "sync/syncrecords.h"
#include "data/sqlvalues.h"
#include "services/accountoperations.h"

#include <QSqlQuery>
#include <QSqlRecord>

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

    // Stamps arrive in whatever form the service wrote them; each is stored
    // as UTC with "Z" and whole seconds, so that text order is time order.
    void pulledStampsAreStoredInOneForm_data()
    {
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QString>("stored");
        QTest::newRow("zone offset") << "2024-03-01T10:30:00+02:00" << "2024-03-01T08:30:00Z";
        QTest::newRow("offset across midnight") << "2024-03-01T20:30:00-05:30" << "2024-03-02T02:00:00Z";
        QTest::newRow("fractions of a second") << "2024-03-01T08:30:00.999Z" << "2024-03-01T08:30:00Z";
        QTest::newRow("fractions and an offset") << "2024-03-01T10:30:00.250+02:00" << "2024-03-01T08:30:00Z";
        // Read as local time, as the program always has.
        QTest::newRow("no zone") << "2024-07-01T10:30:00"
                                 << SqlValues::isoDateTime(QDateTime(QDate(2024, 7, 1), QTime(10, 30)));
        QTest::newRow("stored form") << "2024-03-01T08:30:00Z" << "2024-03-01T08:30:00Z";
    }

    void pulledStampsAreStoredInOneForm()
    {
        QFETCH(QString, sent);
        QFETCH(QString, stored);

        ApplyFixture fixture;
        // A live row the server's copy deletes, a new row, a new reconciliation.
        const Transaction local = fixture.localTransaction(QStringLiteral("t"), 1, false, false);
        QVERIFY(fixture.store.transactions->insert(local));
        QJsonObject record = serverTransaction(local);
        record.insert(QStringLiteral("version"), 2);
        for (const char *key : {"created_at", "updated_at", "deleted_at"})
            record.insert(QLatin1String(key), sent);
        QJsonObject inserted = serverTransaction(fixture.localTransaction(QStringLiteral("new"), 1, false, false));
        inserted.insert(QStringLiteral("created_at"), sent);
        inserted.insert(QStringLiteral("updated_at"), sent);
        const QJsonObject reconciliation{{"id", "srv-r"},       {"client_id", "r"},     {"account_id", "a"},
                                         {"statement_date", "2024-03-31"}, {"completed_at", sent},
                                         {"created_at", sent}, {"updated_at", sent}};
        QVERIFY(fixture.applier.applyPage(QJsonObject{{"transactions", QJsonArray{record, inserted}},
                                                      {"reconciliations", QJsonArray{reconciliation}}}));

        const auto stamps = [&fixture](const QString &table, const QString &id, const QString &columns) {
            QSqlQuery query(*fixture.store.database->db());
            QStringList values;
            if (query.exec(QStringLiteral("SELECT %1 FROM %2 WHERE id = '%3'").arg(columns, table, id)) && query.next()) {
                for (int i = 0; i < query.record().count(); ++i)
                    values.append(query.value(i).toString());
            }
            return values;
        };
        // An update keeps the row's own creation time.
        QCOMPARE(stamps("transactions", "t", "updated_at, deleted_at"), QStringList(2, stored));
        QCOMPARE(stamps("transactions", "new", "created_at, updated_at"), QStringList(2, stored));
        QCOMPARE(stamps("reconciliations", "r", "completed_at, created_at, updated_at"), QStringList(3, stored));
        // And so it goes out again.
        const Transaction read = *fixture.store.transactions->findById(QStringLiteral("new"));
        QCOMPARE(SyncRecords::transactionPayload(read, {}).value(QLatin1String("created_at")).toString(), stored);
    }

    // Rows of one date created at the same moment, whatever form their
    // stamps came in, are all found as tied.
    void rowsTiedAtOneMomentAreAllFound()
    {
        ApplyFixture fixture;
        QJsonArray records;
        const QStringList spellings = {QStringLiteral("2024-03-01T10:30:00+02:00"), QStringLiteral("2024-03-01T08:30:00Z"),
                                       QStringLiteral("2024-03-01T08:30:00.400Z"), QStringLiteral("2024-03-01T03:30:00-05:00")};
        QStringList ids;
        for (const QString &spelling : spellings) {
            Transaction t = fixture.localTransaction(QStringLiteral("tied-%1").arg(ids.size()), 1, false, false);
            QJsonObject record = serverTransaction(t);
            record.insert(QStringLiteral("created_at"), spelling);
            records.append(record);
            ids.append(t.id);
        }
        QVERIFY(fixture.applier.applyPage(QJsonObject{{"transactions", records}}));
        for (const QString &spelling : spellings) {
            QCOMPARE(fixture.store.transactions->idsAtMoment(QStringLiteral("a"), QDate(2024, 5, 1),
                                                             QDateTime::fromString(spelling, Qt::ISODate)),
                     ids);
        }
    }

    // An account deleted elsewhere comes here with its rows' deletions, in
    // whatever zone they were written. Restoring the account brings back
    // every row deleted with it.
    void accountDeletedByPullRestoresWithItsRows()
    {
        ApplyFixture fixture;
        QJsonArray rows;
        for (const char *id : {"west", "east"}) {
            const Transaction t = fixture.localTransaction(QLatin1String(id), 1, false, false);
            QVERIFY(fixture.store.transactions->insert(t));
            QJsonObject record = serverTransaction(t);
            record.insert(QStringLiteral("version"), 2);
            // Two and eight seconds before the account, at 12:00 UTC.
            record.insert(QStringLiteral("deleted_at"), QLatin1String(id) == QLatin1String("west")
                                                            ? QStringLiteral("2024-06-02T06:59:58-05:00")
                                                            : QStringLiteral("2024-06-02T13:59:52+02:00"));
            rows.append(record);
        }
        Account account = *fixture.store.accounts->findById(QStringLiteral("a"));
        account.version = 2;
        account.deletedAt = QDateTime::fromString(QStringLiteral("2024-06-02T12:00:00Z"), Qt::ISODate);
        QJsonObject deletion = SyncRecords::accountPayload(account);
        deletion.insert(QStringLiteral("id"), QStringLiteral("srv-a"));
        deletion.insert(QStringLiteral("deleted_at"), QStringLiteral("2024-06-02T14:00:00+02:00"));
        QVERIFY(fixture.applier.applyPage(QJsonObject{{"accounts", QJsonArray{deletion}}, {"transactions", rows}}));
        QCOMPARE(fixture.store.count("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NOT NULL"), 2);

        AccountOperations operations(fixture.store.database.get(), fixture.store.accounts.get(),
                                     fixture.store.transactions.get(), fixture.store.recurring.get(),
                                     fixture.store.reconciliations.get());
        QVERIFY(operations.restoreAccount(QStringLiteral("a")));
        QVERIFY(!fixture.store.accounts->findById(QStringLiteral("a"))->deletedAt);
        QCOMPARE(fixture.store.count("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL"), 2);
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
