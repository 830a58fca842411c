#include "databasefixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace {

sqlite3 *handleOf(Database *database)
{
    return *static_cast<sqlite3 *const *>(database->db()->driver()->handle().data());
}

// A second connection to the same file, as another program would hold it.
class OtherConnection
{
public:
    explicit OtherConnection(const QString &path) { sqlite3_open(path.toUtf8().constData(), &m_handle); }
    ~OtherConnection() { sqlite3_close(m_handle); }
    bool exec(const char *sql) { return sqlite3_exec(m_handle, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

private:
    sqlite3 *m_handle = nullptr;
};

int preferenceCount(const DatabaseFixture &f)
{
    return f.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt();
}

bool insertPreference(Database *database, int n, QSqlError *error = nullptr)
{
    QSqlQuery query(*database->db());
    query.prepare(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?)"));
    query.addBindValue(QStringLiteral("bulk-%1").arg(n));
    query.addBindValue(QString(2000, QLatin1Char('x')));
    const bool ok = query.exec();
    if (error)
        *error = query.lastError();
    return ok;
}

} // namespace

class BulkWriteTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Outermost, the write lock is held from the start; inside an open
    // transaction it is a savepoint whose rows the outer commit keeps.
    void takesTheWriteLockWhenOutermost()
    {
        DatabaseFixture f;
        sqlite3 *handle = handleOf(f.database.get());
        {
            BulkWriteTransaction bulk(f.database.get());
            QVERIFY(bulk.isActive());
            QVERIFY(bulk.isOutermost());
            QVERIFY(f.database->isBulkWriteInProgress());
            QCOMPARE(sqlite3_txn_state(handle, "main"), SQLITE_TXN_WRITE);
            QVERIFY(bulk.record(insertPreference(f.database.get(), 1)));
            QVERIFY(bulk.commit());
        }
        QVERIFY(!f.database->isBulkWriteInProgress());
        QCOMPARE(preferenceCount(f), 1);

        SqlTransaction outer(f.database.get());
        {
            BulkWriteTransaction bulk(f.database.get());
            QVERIFY(!bulk.isOutermost());
            QVERIFY(bulk.record(insertPreference(f.database.get(), 2)));
            QVERIFY(bulk.commit());
        }
        {
            BulkWriteTransaction dropped(f.database.get());
            QVERIFY(dropped.record(insertPreference(f.database.get(), 3)));
            dropped.rollback();
            QVERIFY(!dropped.failed());
        }
        outer.rollback();
        QCOMPARE(preferenceCount(f), 1);
    }

    // Another program holding the lock: the bulk write waits out the busy
    // time-out, then fails with the reason; one that lets go in time is
    // waited for.
    void waitsForTheLockWithinTheBusyTimeOut_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<bool>("begins");
        QTest::newRow("released within the time-out") << 300 << true;
        QTest::newRow("held past the time-out") << -1 << false;
    }

    void waitsForTheLockWithinTheBusyTimeOut()
    {
        QFETCH(int, holdMs);
        QFETCH(bool, begins);
        DatabaseFixture f;
        QVERIFY(f.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('before', '1')")));
        sqlite3_busy_timeout(handleOf(f.database.get()), begins ? 5000 : 200);

        OtherConnection other(f.dir.filePath(QStringLiteral("tallyra.db")));
        QVERIFY(other.exec("BEGIN IMMEDIATE"));
        QVERIFY(other.exec("INSERT INTO preferences (key, value) VALUES ('other', '1')"));
        std::thread releaser;
        if (holdMs >= 0) {
            releaser = std::thread([&other, holdMs] {
                std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
                other.exec("COMMIT");
            });
        }
        QElapsedTimer timer;
        timer.start();
        {
            BulkWriteTransaction bulk(f.database.get());
            QCOMPARE(bulk.isActive(), begins);
            if (begins) {
                QVERIFY(timer.elapsed() >= holdMs / 2);
                QVERIFY(bulk.record(insertPreference(f.database.get(), 1)));
                QVERIFY(bulk.commit());
            } else {
                QVERIFY(bulk.failed());
                QCOMPARE(bulk.failureCode(), SQLITE_BUSY);
                QCOMPARE(bulk.failureReason(), QStringLiteral("the data is in use by another program"));
                QVERIFY(!bulk.record(insertPreference(f.database.get(), 1)));
                QVERIFY(!bulk.commit());
            }
        }
        if (releaser.joinable())
            releaser.join();
        else
            QVERIFY(other.exec("ROLLBACK"));
        QVERIFY(!f.database->isBulkWriteInProgress());
        QCOMPARE(preferenceCount(f), begins ? 3 : 1);
    }

    // The first failed write ends the bulk write; nothing written before it
    // or after it is kept, and change signals raised inside are dropped.
    void firstFailedWriteDropsEverything_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << "full" << "the disk is full";
        QTest::newRow("SQLite's own message") << "trigger" << "integer overflow";
        // The caller takes a refused row for a skipped one, but the refusal
        // rolled the whole transaction back.
        QTest::newRow("refusal that rolled back") << "raise" << "refused by a rule";
        QTest::newRow("rolled back behind its back") << "rollback" << "the database rolled the changes back";
        QTest::newRow("reason of the caller's own") << "caller" << "the file ended early";
    }

    void firstFailedWriteDropsEverything()
    {
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        DatabaseFixture f;
        QVERIFY(f.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('before', '1')")));
        AccountRepository accounts(f.database.get());
        QSignalSpy changed(&accounts, &AccountRepository::accountsChanged);
        if (fault == QLatin1String("full")) {
            const int pages = f.scalar(QStringLiteral("PRAGMA page_count")).toInt();
            QVERIFY(f.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 3)));
        } else if (fault == QLatin1String("trigger")) {
            QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER sabotage BEFORE INSERT ON preferences WHEN NEW.key = "
                                          "'bulk-5' BEGIN SELECT abs(-9223372036854775808); END")));
        } else if (fault == QLatin1String("raise")) {
            QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER sabotage BEFORE INSERT ON preferences WHEN NEW.key = "
                                          "'bulk-5' BEGIN SELECT RAISE(ROLLBACK, 'refused by a rule'); END")));
        }

        BulkWriteTransaction bulk(f.database.get());
        Account account;
        account.id = QStringLiteral("a");
        account.name = QStringLiteral("A");
        account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(bulk.record(accounts.insert(account)));
        int written = 0;
        for (int n = 0; n < 200; ++n) {
            if (fault == QLatin1String("caller") && n == 5) {
                bulk.fail(reason);
                break;
            }
            QSqlError error;
            const bool ok = insertPreference(f.database.get(), n, &error);
            if (fault == QLatin1String("rollback") && n == 5)
                sqlite3_exec(handleOf(f.database.get()), "ROLLBACK", nullptr, nullptr, nullptr);
            const bool goesOn = fault == QLatin1String("raise") && !ok ? bulk.recordRefusal() : bulk.record(ok, error);
            if (!goesOn)
                break;
            ++written;
        }
        QVERIFY(written >= 1);
        QVERIFY(written < 200);
        QVERIFY(!bulk.isActive());
        QVERIFY(bulk.failed());
        QCOMPARE(bulk.failureReason(), reason);
        QVERIFY(!bulk.commit());
        QCOMPARE(preferenceCount(f), 1);
        QVERIFY(!accounts.findById(QStringLiteral("a")));
        QCOMPARE(changed.count(), 0);
        // The connection is usable, outside any transaction.
        QVERIFY(sqlite3_get_autocommit(handleOf(f.database.get())));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('after', '1')")));
    }

    // A write that fails inside a repository's own savepoint: its rollback
    // replaces the connection's error, and the reason is still the right one.
    void reasonOutlivesASavepointRollback()
    {
        DatabaseFixture f;
        const int pages = f.scalar(QStringLiteral("PRAGMA page_count")).toInt();
        QVERIFY(f.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 2)));
        BulkWriteTransaction bulk(f.database.get());
        bool ok = true;
        for (int n = 0; ok && n < 200; ++n) {
            SqlTransaction inner(f.database.get());
            ok = insertPreference(f.database.get(), n) && inner.commit();
            // inner rolls back here when the insert failed
        }
        QVERIFY(!ok);
        QVERIFY(!bulk.record(ok));
        QCOMPARE(bulk.failureReason(), QStringLiteral("the disk is full"));
        QCOMPARE(preferenceCount(f), 0);
    }

    void announcesOnlyWhatIsCommitted()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        QSignalSpy changed(&accounts, &AccountRepository::accountsChanged);
        QSignalSpy finished(f.database.get(), &Database::bulkWriteFinished);
        BulkWriteTransaction bulk(f.database.get());
        for (const char *id : {"a", "b"}) {
            Account account;
            account.id = QLatin1String(id);
            account.name = QLatin1String(id);
            account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
            QVERIFY(bulk.record(accounts.insert(account)));
        }
        QCOMPARE(changed.count(), 0);
        QVERIFY(bulk.commit());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(finished.count(), 1);
    }
};

TALLYRA_TEST(BulkWriteTest)
#include "test_bulkwrite.moc"
