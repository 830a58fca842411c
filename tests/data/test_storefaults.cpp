#include "databasefixture.h"
#include "support/lockholder.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/userwrite.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <atomic>
#include <thread>
#include <vector>

// The store's own faults as users meet them: another program holding the
// write lock, a transaction that SQLite rolled back on its own, connections
// opened on several threads at once.
namespace {

sqlite3 *handleOf(Database *database)
{
    return *static_cast<sqlite3 *const *>(database->db()->driver()->handle().data());
}

int preferenceCount(const DatabaseFixture &f, const QString &key)
{
    return f.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = '%1'").arg(key)).toInt();
}

Account liveAccount()
{
    Account account;
    account.id = QStringLiteral("checking");
    account.name = QStringLiteral("Checking");
    account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
    return account;
}

} // namespace

class StoreFaultsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A user write reads (its checks) before it writes. While another
    // program holds the write lock it waits within the busy time-out and
    // goes through when the lock is let go in time; past the time-out it
    // fails and says why.
    void userWritesWaitForTheWriteLock_data()
    {
        QTest::addColumn<int>("holdMs");
        QTest::addColumn<int>("busyTimeoutMs");
        QTest::addColumn<bool>("written");
        QTest::newRow("let go within the time-out") << 1500 << 60000 << true;
        QTest::newRow("held past the time-out") << -1 << 300 << false;
    }

    void userWritesWaitForTheWriteLock()
    {
        QFETCH(int, holdMs);
        QFETCH(int, busyTimeoutMs);
        QFETCH(bool, written);
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        QVERIFY(accounts.insert(liveAccount()));
        PreferencesRepository preferences(f.database.get());
        sqlite3_busy_timeout(handleOf(f.database.get()), busyTimeoutMs);

        LockHolder other(f.dir.filePath(QStringLiteral("tallyra.db")), holdMs);
        QVERIFY(other.isHolding());
        if (!written)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot begin")));
        UserWrite write(f.database.get());
        if (write.expectLiveAccount(QStringLiteral("checking")))
            write.finish(preferences.set(QStringLiteral("saved"), QStringLiteral("1")));
        QCOMPARE(write.result(), written ? WriteResult::Written : WriteResult::Failed);
        QVERIFY(other.release());

        QCOMPARE(preferenceCount(f, QStringLiteral("saved")), written ? 1 : 0);
        if (!written) {
            QVERIFY(f.database->lastFailure().isBusy());
            QCOMPARE(f.database->lastFailure().reason(), QStringLiteral("the data is in use by another program"));
        }
    }

    // SQLite rolls a whole transaction back on its own after some failures;
    // what the caller writes afterwards is no part of it. The commit then
    // fails, and the reason is the failure that ended it.
    void commitAfterTheDatabaseRolledBackFails_data()
    {
        QTest::addColumn<bool>("nested");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason");
        QTest::newRow("refused by a rule") << false << "raise" << "refused by a rule";
        QTest::newRow("refused by a rule, inside another") << true << "raise" << "refused by a rule";
        QTest::newRow("rolled back behind its back") << false << "rollback" << "the database rolled the changes back";
        QTest::newRow("rolled back behind its back, inside another")
            << true << "rollback" << "the database rolled the changes back";
    }

    void commitAfterTheDatabaseRolledBackFails()
    {
        QFETCH(bool, nested);
        QFETCH(QString, fault);
        QFETCH(QString, reason);
        DatabaseFixture f;
        QVERIFY(f.exec(QStringLiteral("CREATE TRIGGER sabotage BEFORE INSERT ON preferences WHEN NEW.key = 'second' "
                                      "BEGIN SELECT RAISE(ROLLBACK, 'refused by a rule'); END")));
        PreferencesRepository preferences(f.database.get());
        for (int commits = nested ? 2 : 1; commits > 0; --commits)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rolled the transaction back")));
        {
            std::optional<SqlTransaction> outer;
            if (nested)
                outer.emplace(f.database.get());
            SqlTransaction sql(f.database.get());
            QCOMPARE(sql.isOutermost(), !nested);
            QVERIFY(preferences.set(QStringLiteral("first"), QStringLiteral("1")));
            if (fault == QLatin1String("raise")) {
                QVERIFY(!preferences.set(QStringLiteral("second"), QStringLiteral("1")));
            } else {
                QCOMPARE(sqlite3_exec(handleOf(f.database.get()), "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
            }
            QVERIFY(!sql.commit());
            QCOMPARE(f.database->lastFailure().reason(), reason);
            if (outer)
                QVERIFY(!outer->commit());
        }
        QCOMPARE(preferenceCount(f, QStringLiteral("first")), 0);
        // The connection goes on outside any transaction.
        QVERIFY(sqlite3_get_autocommit(handleOf(f.database.get())));
        QVERIFY(preferences.set(QStringLiteral("after"), QStringLiteral("1")));
    }

    // Reader threads open connections of their own while others do: each
    // open gets a connection of its own, never one another thread made.
    void connectionsOpenOnManyThreadsAtOnce()
    {
        constexpr int kRounds = 30;
        constexpr int kThreads = 6;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tallyra.db"));
        {
            // Closed again before the threads start: no connection of the
            // process is open, as when the first readers start together.
            Database database;
            QVERIFY(database.open(path) && database.migrate());
            QSqlQuery query(*database.db());
            QVERIFY(query.exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('shared', '1')")));
        }
        std::atomic<int> failures = 0;
        for (int round = 0; round < kRounds; ++round) {
            std::atomic<int> ready = 0;
            std::atomic<int> opened = 0;
            std::vector<std::thread> threads;
            for (int t = 0; t < kThreads; ++t) {
                threads.emplace_back([&] {
                    Database database;
                    ++ready;
                    while (ready.load() < kThreads)
                        std::this_thread::yield();
                    const bool open = database.open(path);
                    // Every connection stays open until all are, so one
                    // that replaced another would show.
                    ++opened;
                    while (opened.load() < kThreads)
                        std::this_thread::yield();
                    if (!open) {
                        ++failures;
                        return;
                    }
                    QSqlQuery query(*database.db());
                    if (!query.exec(QStringLiteral("SELECT value FROM preferences WHERE key = 'shared'"))
                        || !query.next() || query.value(0).toString() != QLatin1String("1")) {
                        ++failures;
                    }
                });
            }
            for (std::thread &thread : threads)
                thread.join();
        }
        QCOMPARE(failures.load(), 0);
    }
};

TALLYRA_TEST(StoreFaultsTest)
#include "test_storefaults.moc"
