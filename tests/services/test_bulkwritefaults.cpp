#include "servicesfixture.h"
#include "support/testmain.h"

#include "data/splitlinerepository.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"

#include <QFile>
#include <QSqlDriver>
#include <QSqlRecord>

#include <sqlite3.h>

#include <functional>

// Bulk writes under real store faults: a database that reaches its page
// limit (the full disk) and one whose write lock another connection holds.
// Whatever the fault, the stored rows are exactly those before, and what
// the user is told is a failure that names the reason.
namespace {

sqlite3 *handleOf(Database *database)
{
    return *static_cast<sqlite3 *const *>(database->db()->driver()->handle().data());
}

// Every row of every table a bulk write touches, in storage order.
QStringList storedRows(const DatabaseFixture &f)
{
    QStringList rows;
    for (const char *table : {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                              "reconciliations", "sync_queue"}) {
        QSqlQuery query(*f.database->db());
        if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(table))))
            return {QStringLiteral("unreadable ") + QLatin1String(table)};
        while (query.next()) {
            QStringList cells{QLatin1String(table)};
            for (int column = 0; column < query.record().count(); ++column)
                cells.append(query.value(column).toString());
            rows.append(cells.join(u'|'));
        }
    }
    return rows;
}

// A backup of 3 accounts with 400 transactions, one account sharing its id
// with a stored one, so a restore that kept part of itself would show.
QByteArray backupArchive()
{
    ServicesFixture source;
    for (int a = 1; a <= 3; ++a)
        source.addAccount(QStringLiteral("acc-%1").arg(a));
    QSqlQuery query(*source.database->db());
    query.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                                 "updated_at) VALUES (?, ?, '2024-05-01', ?, ?, ?, '2024-05-01T10:00:00Z', "
                                 "'2024-05-01T10:00:00Z')"));
    for (int n = 0; n < 400; ++n) {
        query.addBindValue(QStringLiteral("tx-%1").arg(n));
        query.addBindValue(QStringLiteral("acc-%1").arg(n % 3 + 1));
        query.addBindValue(QStringLiteral("Payee %1").arg(n));
        query.addBindValue(QString(200, QLatin1Char('m')));
        query.addBindValue(-100 - n);
        if (!query.exec())
            qFatal("cannot fill the backup source");
    }
    return BackupService(source.database.get()).exportBackup();
}

struct Outcome
{
    bool written = false;
    QString message; // what the user is told of a failure
};

using BulkWriteRun = std::function<Outcome(Database *)>;

BulkWriteRun restore(const QByteArray &archive)
{
    return [archive](Database *database) {
        const BackupImportResult result = BackupService(database).importBackup(archive, BackupImportMode::ReplaceAll);
        if (!result.aborted && result.errors.isEmpty())
            return Outcome{true, {}};
        return Outcome{false, result.errors.value(0)};
    };
}

Outcome loadSampleData(Database *database)
{
    QString reason;
    if (SampleDataService(database).loadSampleData(&reason))
        return {true, {}};
    return {false, SampleDataService::loadFailedMessage(reason)};
}

QString writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write the import file");
    return path;
}

// 300 rows into "mine", with new categories and one unreadable row.
QString csvFile(const QString &path)
{
    QByteArray content;
    for (int n = 0; n < 300; ++n) {
        content += QStringLiteral("2024-04-%1,Payee %2,-%3.25,%4,Category %5\n")
                       .arg(n % 28 + 1, 2, 10, QLatin1Char('0'))
                       .arg(n)
                       .arg(n + 1)
                       .arg(QString(200, QLatin1Char('m')))
                       .arg(n % 7)
                       .toUtf8();
    }
    content += "not a date,Footer,-1.00,,\n";
    return writeFile(path, content);
}

// 300 records, every tenth with split lines, with new categories.
QString qifFile(const QString &path)
{
    QByteArray content = "!Type:Bank\n";
    for (int n = 0; n < 300; ++n) {
        content += QStringLiteral("D04/%1/2024\nT-%2.00\nPPayee %3\nM%4\n")
                       .arg(n % 28 + 1)
                       .arg(n + 2)
                       .arg(n)
                       .arg(QString(200, QLatin1Char('m')))
                       .toUtf8();
        if (n % 10 == 0)
            content += QStringLiteral("SSplit %1\n$-1.00\nSOther\n$-%2.00\n").arg(n % 3).arg(n + 1).toUtf8();
        else
            content += QStringLiteral("LQif %1\n").arg(n % 5).toUtf8();
        content += "^\n";
    }
    return writeFile(path, content);
}

struct ImportRepositories
{
    explicit ImportRepositories(Database *database)
        : transactions(database)
        , categories(database)
        , splitLines(database)
        , service(&transactions, &categories, &splitLines, database)
    {
    }
    TransactionRepository transactions;
    CategoryRepository categories;
    SplitLineRepository splitLines;
    ImportService service;
};

Outcome importOutcome(const ImportResult &result)
{
    if (!result.aborted && result.failed == 0 && result.imported > 0)
        return {true, {}};
    return {false, result.aborted ? result.failureReason
                                  : QStringLiteral("complete: %1 imported, %2 failed")
                                        .arg(result.imported)
                                        .arg(result.failed)};
}

BulkWriteRun csvImport(const QString &path)
{
    return [path](Database *database) {
        ImportRepositories store(database);
        CsvImportMapping mapping;
        mapping.memoColumn = 3;
        mapping.categoryColumn = 4;
        const ImportResult result = store.service.importCsv(path, QStringLiteral("mine"), mapping);
        return importOutcome(result);
    };
}

BulkWriteRun qifImport(const QString &path)
{
    return [path](Database *database) {
        ImportRepositories store(database);
        return importOutcome(store.service.importQif({path}, {{path, QStringLiteral("mine")}}));
    };
}

// The rules the fixture leaves due: automatic posting catches up on them.
BulkWriteRun catchUp(const std::function<int(RecurringService &)> &post)
{
    return [post](Database *database) {
        AccountRepository accounts(database);
        TransactionRepository transactions(database);
        RecurringRepository recurring(database);
        RecurringService service(&recurring, &transactions, &accounts, database);
        const int posted = post(service);
        if (posted > 0 && service.failureReason().isEmpty())
            return Outcome{true, {}};
        return Outcome{false, RecurringService::postFailedMessage(service.failureReason())};
    };
}

} // namespace

Q_DECLARE_METATYPE(BulkWriteRun)

class BulkWriteFaultsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_files;

private Q_SLOTS:
    void bulkWritesKeepNothingWhenTheStoreFails_data()
    {
        QTest::addColumn<BulkWriteRun>("bulkWrite");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");

        const BulkWriteRun restoring = restore(backupArchive());
        const QString restoreFailed = QStringLiteral("The backup could not be restored: %1. No data was changed.");
        const QString sampleFailed = QStringLiteral("The sample data could not be loaded: %1. Nothing was added.");
        const QString full = QStringLiteral("the disk is full");
        const QString locked = QStringLiteral("the data is in use by another program");
        QTest::newRow("restore, disk full") << restoring << "full" << restoreFailed.arg(full);
        QTest::newRow("restore, database locked") << restoring << "locked" << restoreFailed.arg(locked);
        QTest::newRow("sample data, disk full") << BulkWriteRun(loadSampleData) << "full" << sampleFailed.arg(full);
        QTest::newRow("sample data, database locked")
            << BulkWriteRun(loadSampleData) << "locked" << sampleFailed.arg(locked);

        const BulkWriteRun csv = csvImport(csvFile(m_files.filePath(QStringLiteral("bank.csv"))));
        QTest::newRow("CSV import, disk full") << csv << "full" << full;
        QTest::newRow("CSV import, database locked") << csv << "locked" << locked;
        const BulkWriteRun qif = qifImport(qifFile(m_files.filePath(QStringLiteral("bank.qif"))));
        QTest::newRow("QIF import, disk full") << qif << "full" << full;
        QTest::newRow("QIF import, database locked") << qif << "locked" << locked;

        const QString postFailed =
            QStringLiteral("The recurring transactions could not be entered: %1. None of them were entered.");
        const BulkWriteRun autoPost = catchUp([](RecurringService &service) { return service.processAutoPost(); });
        QTest::newRow("automatic posting catch-up, disk full") << autoPost << "full" << postFailed.arg(full);
        QTest::newRow("automatic posting catch-up, database locked") << autoPost << "locked" << postFailed.arg(locked);
        const BulkWriteRun nextDays = catchUp(
            [](RecurringService &service) { return service.postDueThrough(service.today().addDays(7)); });
        QTest::newRow("entering the next days, disk full") << nextDays << "full" << postFailed.arg(full);
        QTest::newRow("entering the next days, database locked") << nextDays << "locked" << postFailed.arg(locked);
    }

    void bulkWritesKeepNothingWhenTheStoreFails()
    {
        QFETCH(BulkWriteRun, bulkWrite);
        QFETCH(QString, fault);
        QFETCH(QString, message);

        ServicesFixture f;
        CategoryService(f.database.get(), &f.categories).ensureDefaultCategories();
        f.addAccount(QStringLiteral("acc-1"));
        f.addAccount(QStringLiteral("mine"));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                      "updated_at) VALUES ('tx-1', 'acc-1', '2024-01-01', 'Stored', -1, 'x', 'x')")));
        // Two automatic rules, 150 days behind: a catch-up of 302 posts.
        for (const char *id : {"rule-1", "rule-2"}) {
            RecurringTransaction rule;
            rule.id = QLatin1String(id);
            rule.accountId = QStringLiteral("acc-1");
            rule.payee = QStringLiteral("Rent ") + rule.id;
            rule.memo = QString(200, QLatin1Char('r'));
            rule.amount = -90000;
            rule.frequency = RecurringFrequency::Daily;
            rule.startDate = rule.nextDueDate = QDate::currentDate().addDays(-150);
            rule.autoPost = true;
            rule.createdAt = rule.updatedAt = ServicesFixture::stamp();
            QVERIFY(f.recurring.insert(rule));
        }
        const QStringList before = storedRows(f);

        sqlite3 *handle = handleOf(f.database.get());
        sqlite3 *other = nullptr;
        if (fault == QLatin1String("full")) {
            // Room for one more page and no free ones: the write fails part of
            // the way through, and SQLite rolls the whole transaction back
            // itself when it cannot grow the file.
            QVERIFY(f.exec(QStringLiteral("VACUUM")));
            const int pages = f.scalar(QStringLiteral("PRAGMA page_count")).toInt();
            QVERIFY(f.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 1)));
        } else {
            sqlite3_busy_timeout(handle, 100);
            QCOMPARE(sqlite3_open(qPrintable(f.dir.filePath(QStringLiteral("tallyra.db"))), &other), SQLITE_OK);
            QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE; INSERT INTO preferences VALUES ('other', '1')", nullptr,
                                  nullptr, nullptr),
                     SQLITE_OK);
        }

        const Outcome failed = bulkWrite(f.database.get());
        QVERIFY(!failed.written);
        QCOMPARE(failed.message, message);
        QVERIFY(!f.database->isBulkWriteInProgress());
        QVERIFY(sqlite3_get_autocommit(handle));
        QCOMPARE(storedRows(f), before);

        // With the fault gone the same write goes through.
        if (other) {
            sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
            sqlite3_close(other);
        }
        QVERIFY(f.exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
        const Outcome retried = bulkWrite(f.database.get());
        QVERIFY2(retried.written, qPrintable(retried.message));
        QVERIFY(storedRows(f) != before);
    }
};


TALLYRA_TEST(BulkWriteFaultsTest)
#include "test_bulkwritefaults.moc"
