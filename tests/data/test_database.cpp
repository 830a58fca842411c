#include "databasefixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/preferencesrepository.h"

#include <QSignalSpy>
#include <QSqlQuery>
#include <QFile>
#include <QTemporaryDir>
#include <QSqlRecord>
#include <QSqlError>
#include <QDir>

class DatabaseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void freshDatabaseRecordsAllMigrations()
    {
        DatabaseFixture f;
        QSqlQuery query(*f.database->db());
        QVERIFY(query.exec(QStringLiteral("SELECT version, name FROM schema_version ORDER BY version")));
        QStringList applied;
        while (query.next())
            applied << QStringLiteral("%1 %2").arg(query.value(0).toInt()).arg(query.value(1).toString());
        QCOMPARE(applied, QStringList({QStringLiteral("1 initial"), QStringLiteral("2 recon_sync"),
                                       QStringLiteral("3 recurring_lead_days"), QStringLiteral("4 recurring_interval"),
                                       QStringLiteral("5 recurring_semimonthly"), QStringLiteral("6 register_indexes"),
                                       QStringLiteral("7 payee_index"), QStringLiteral("8 utc_timestamps")}));
        QCOMPARE(f.scalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
        QCOMPARE(f.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
        // Running again applies nothing.
        QSignalSpy applied2(f.database.get(), &Database::migrationApplied);
        QVERIFY(f.database->migrate());
        QCOMPARE(applied2.count(), 0);
    }

    void databaseAtVersionTwoRunsOnlyLaterMigrations()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.db"));
        {
            Database db;
            QVERIFY(db.open(path));
            QSqlQuery query(*db.db());
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT NOT "
                                              "NULL, applied_at TEXT NOT NULL DEFAULT (datetime('now')))")));
            QFile initial(QStringLiteral(":/sql/sql/migrations/001_initial.sql"));
            QFile second(QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql"));
            QVERIFY(initial.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
            QVERIFY(db.applyMigration(1, QStringLiteral("initial"), QString::fromUtf8(initial.readAll())));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                              "('a', 'A', 'x', 'x')")));
            QVERIFY(query.exec(QStringLiteral("INSERT INTO reconciliations VALUES ('r', 'a', '2024-01-31', 5, 5, "
                                              "'2024-02-01T10:00:00Z')")));
            QVERIFY(db.applyMigration(2, QStringLiteral("recon_sync"), QString::fromUtf8(second.readAll())));
        }
        Database db;
        QVERIFY(db.open(path));
        QSignalSpy applied(&db, &Database::migrationApplied);
        QVERIFY(db.migrate());
        QCOMPARE(applied.count(), 6);
        QCOMPARE(applied.first().at(0).toInt(), 3);
        QSqlQuery query(*db.db());
        QVERIFY(query.exec(QStringLiteral("SELECT created_at, updated_at, version, sync_status FROM reconciliations")));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("2024-02-01T10:00:00Z"));
        QCOMPARE(query.value(1).toString(), QStringLiteral("2024-02-01T10:00:00Z"));
        QCOMPARE(query.value(2).toInt(), 1);
        QCOMPARE(query.value(3).toString(), QStringLiteral("pending"));
    }

    // Stamps stored before every stamp had one form are rewritten as UTC
    // with "Z" and whole seconds; text that is no stamp stays.
    void storedStampsAreRewrittenInOneForm()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.db"));
        const QString local = QDateTime(QDate(2024, 7, 1), QTime(10, 30)).toUTC().toString(Qt::ISODate);
        {
            Database db;
            QVERIFY(db.open(path));
            QSqlQuery query(*db.db());
            QVERIFY(query.exec(QStringLiteral("CREATE TABLE schema_version (version INTEGER PRIMARY KEY, name TEXT NOT "
                                              "NULL, applied_at TEXT NOT NULL DEFAULT (datetime('now')))")));
            const QStringList names = {QStringLiteral("initial"), QStringLiteral("recon_sync"),
                                       QStringLiteral("recurring_lead_days"), QStringLiteral("recurring_interval"),
                                       QStringLiteral("recurring_semimonthly"), QStringLiteral("register_indexes"),
                                       QStringLiteral("payee_index")};
            QDir migrations(QStringLiteral(":/sql/sql/migrations"));
            const QStringList files = migrations.entryList(QDir::Files, QDir::Name);
            for (int version = 1; version <= names.size(); ++version) {
                QFile script(migrations.filePath(files.at(version - 1)));
                QVERIFY(script.open(QIODevice::ReadOnly));
                QVERIFY(db.applyMigration(version, names.at(version - 1), QString::fromUtf8(script.readAll())));
            }
            const QStringList statements = {
                "INSERT INTO accounts (id, name, created_at, updated_at, deleted_at) VALUES "
                "('a', 'A', '2024-03-01T10:30:00+02:00', '2024-03-01T08:30:00.999Z', '2024-03-01T20:30:00-05:30')",
                "INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                "('b', 'B', '2024-07-01T10:30:00', 'no stamp')",
                "INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                "('k', 'K', '2024-03-01T08:30:00Z', '2024-03-01T08:30:00Z')",
                "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) VALUES "
                "('t', 'a', '2024-03-01', 'P', 1, '2024-03-01T10:30:00+02:00', '2024-03-01T08:30:00Z')",
                "INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) VALUES "
                "('s', 't', 'k', 1, '2024-03-01T10:30:00.5+02:00', '')",
                "INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, next_due_date, "
                "created_at, updated_at, deleted_at) VALUES ('r', 'a', 'P', 1, '2024-03-01', '2024-04-01', "
                "'2024-03-01T10:30:00+02:00', '2024-03-01T10:30:00+02:00', '2024-03-01T10:30:00+02:00')",
                "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
                "completed_at, created_at, updated_at) VALUES ('c', 'a', '2024-03-31', 1, 1, "
                "'2024-03-01T10:30:00+02:00', '2024-03-01T10:30:00+02:00', '2024-03-01T10:30:00+02:00')",
            };
            for (const QString &statement : statements)
                QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
        }
        Database db;
        QVERIFY(db.open(path));
        QVERIFY(db.migrate());
        QSqlQuery query(*db.db());
        const auto row = [&query](const QString &sql) {
            QStringList values;
            if (query.exec(sql) && query.next()) {
                for (int i = 0; i < query.record().count(); ++i)
                    values.append(query.value(i).isNull() ? QStringLiteral("NULL") : query.value(i).toString());
            }
            return values;
        };
        const QString utc = QStringLiteral("2024-03-01T08:30:00Z");
        QCOMPARE(row("SELECT created_at, updated_at, deleted_at FROM accounts WHERE id = 'a'"),
                 (QStringList{utc, utc, QStringLiteral("2024-03-02T02:00:00Z")}));
        QCOMPARE(row("SELECT created_at, updated_at, deleted_at FROM accounts WHERE id = 'b'"),
                 (QStringList{local, QStringLiteral("no stamp"), QStringLiteral("NULL")}));
        QCOMPARE(row("SELECT created_at, updated_at, deleted_at FROM transactions"), (QStringList{utc, utc, "NULL"}));
        QCOMPARE(row("SELECT created_at, updated_at FROM split_lines"), (QStringList{utc, QString()}));
        QCOMPARE(row("SELECT created_at, updated_at, deleted_at FROM recurring_transactions"), QStringList(3, utc));
        QCOMPARE(row("SELECT completed_at, created_at, updated_at FROM reconciliations"), QStringList(3, utc));
    }

    void failingMigrationLeavesNoTrace()
    {
        DatabaseFixture f;
        QSignalSpy errors(f.database.get(), &Database::migrationError);
        const int last = f.scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt();
        const QString script = QStringLiteral("CREATE TABLE half_done (x INTEGER);\r\nINSERT INTO nowhere VALUES (1);\r\n");
        QVERIFY(!f.database->applyMigration(last + 1, QStringLiteral("broken"), script));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().at(0).toInt(), last + 1);
        QVERIFY(!f.scalar(QStringLiteral("SELECT name FROM sqlite_master WHERE name = 'half_done'")).isValid());
        QCOMPARE(f.scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), last);
    }

    void failingCommitIsReported()
    {
        // A deferred foreign key lets every statement pass and fails COMMIT.
        DatabaseFixture f;
        QSignalSpy errors(f.database.get(), &Database::migrationError);
        QSignalSpy applied(f.database.get(), &Database::migrationApplied);
        const int last = f.scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt();
        const QString script = QStringLiteral(
            "CREATE TABLE owner (id INTEGER PRIMARY KEY);\n"
            "CREATE TABLE owned (owner_id INTEGER REFERENCES owner(id) DEFERRABLE INITIALLY DEFERRED);\n"
            "INSERT INTO owned VALUES (7);\n");
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("Migration %1 failed").arg(last + 1)));
        QVERIFY(!f.database->applyMigration(last + 1, QStringLiteral("commit fails"), script));
        QCOMPARE(errors.count(), 1);
        QCOMPARE(errors.first().at(0).toInt(), last + 1);
        QVERIFY(errors.first().at(1).toString().contains(QStringLiteral("FOREIGN KEY")));
        QCOMPARE(applied.count(), 0);
        QVERIFY(!f.scalar(QStringLiteral("SELECT name FROM sqlite_master WHERE name = 'owned'")).isValid());
        QCOMPARE(f.scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), last);
        // The connection is usable afterwards.
        QVERIFY(f.exec(QStringLiteral("INSERT INTO preferences VALUES ('after', '1')")));
    }

    void aFailingSqlTransactionCommitWritesAndAnnouncesNothing()
    {
        DatabaseFixture f;
        AccountRepository accounts(f.database.get());
        QSignalSpy changed(&accounts, &AccountRepository::accountsChanged);
        QVERIFY(f.exec(QStringLiteral("CREATE TABLE owned (owner_id TEXT REFERENCES accounts(id) DEFERRABLE "
                                      "INITIALLY DEFERRED)")));
        {
            SqlTransaction sql(f.database.get());
            Account account;
            account.id = QStringLiteral("a");
            account.name = QStringLiteral("A");
            account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
            QVERIFY(accounts.insert(account));
            QVERIFY(f.exec(QStringLiteral("INSERT INTO owned VALUES ('nobody')")));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("commit failed")));
            QVERIFY(!sql.commit());
        }
        QCOMPARE(changed.count(), 0);
        QVERIFY(!accounts.findById(QStringLiteral("a")));
        QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM owned")).toInt(), 0);
    }

    void migrationInsideAnOpenTransactionIsRefused()
    {
        // A migration cannot start inside a transaction that is already open.
        DatabaseFixture f;
        QVERIFY(f.database->db()->transaction());
        QSignalSpy errors(f.database.get(), &Database::migrationError);
        QVERIFY(!f.database->applyMigration(8, QStringLiteral("nested"), QStringLiteral("SELECT 1;")));
        QCOMPARE(errors.count(), 1);
        f.database->db()->rollback();
    }

    void splitStatements_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");

        QTest::newRow("comment lines dropped")
            << QStringLiteral("-- header\r\nCREATE TABLE a (x);\r\n  -- indented comment\r\nCREATE TABLE b (y);\r\n")
            << QStringList{QStringLiteral("CREATE TABLE a (x)"), QStringLiteral("CREATE TABLE b (y)")};
        QTest::newRow("trigger body stays whole")
            << QStringLiteral("CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  DELETE FROM "
                              "c;\nEND;\nSELECT 1;\n")
            << QStringList{QStringLiteral("CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  "
                                          "DELETE FROM c;\nEND"),
                           QStringLiteral("SELECT 1")};
        QTest::newRow("last statement without semicolon")
            << QStringLiteral("SELECT 1;\nSELECT 2") << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")};
        QTest::newRow("statement over two lines")
            << QStringLiteral("UPDATE r SET a = b\nWHERE c = '';\n")
            << QStringList{QStringLiteral("UPDATE r SET a = b\nWHERE c = ''")};
        QTest::newRow("only a semicolon") << QStringLiteral(";\n") << QStringList{};
        QTest::newRow("only comments") << QStringLiteral("-- a\n-- b\n") << QStringList{};
        QTest::newRow("END-like column outside a block")
            << QStringLiteral("CREATE TABLE r (\n  end_date TEXT\n);\n")
            << QStringList{QStringLiteral("CREATE TABLE r (\n  end_date TEXT\n)")};
        QTest::newRow("trailing comment stays in the statement")
            << QStringLiteral("SELECT 1; -- why\nSELECT 2;")
            << QStringList{QStringLiteral("SELECT 1; -- why\nSELECT 2")};
    }

    void splitStatements()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(Database::splitStatements(script), statements);
    }

    void foreignKeysAreEnforced()
    {
        DatabaseFixture f;
        QVERIFY(!f.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                       "updated_at) VALUES ('t', 'nobody', '2024-01-01', '', 0, 'x', 'x')")));
        QVERIFY(!f.exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                                       "('c', 'C', 'nobody', 'x', 'x')")));
    }

    void nestedTransactionsRollBackIndependently()
    {
        DatabaseFixture f;
        {
            SqlTransaction outer(f.database.get());
            QVERIFY(f.exec(QStringLiteral("INSERT INTO preferences VALUES ('outer', '1')")));
            {
                SqlTransaction inner(f.database.get());
                QVERIFY(f.exec(QStringLiteral("INSERT INTO preferences VALUES ('inner', '1')")));
            } // not committed: rolled back
            QVERIFY(outer.commit());
        }
        QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = 'outer'")).toInt(), 1);
        QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = 'inner'")).toInt(), 0);
        {
            SqlTransaction outer(f.database.get());
            SqlTransaction inner(f.database.get());
            QVERIFY(f.exec(QStringLiteral("INSERT INTO preferences VALUES ('lost', '1')")));
            QVERIFY(inner.commit());
        } // outer not committed: the inner work goes too
        QCOMPARE(f.scalar(QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = 'lost'")).toInt(), 0);
    }

    void dataDirectoryIsCreatedFromEnvironment()
    {
        QTemporaryDir dir;
        const QByteArray saved = qgetenv("TALLYRA_DATA_DIR");
        const QString nested = dir.filePath(QStringLiteral("a/b/c"));
        qputenv("TALLYRA_DATA_DIR", nested.toUtf8());
        QCOMPARE(dataDirectory(), nested);
        QVERIFY(QDir(nested).exists());
        QCOMPARE(databasePath(), nested + QStringLiteral("/tallyra.db"));
        qputenv("TALLYRA_DATA_DIR", saved);
    }

};

TALLYRA_TEST(DatabaseTest)
#include "test_database.moc"
