#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "support/datagenerator.h"
#include "support/storechecks.h"
#include "killplan.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <random>

// Long writes killed with SIGKILL in a child process: afterwards the
// database must pass SQLite's checks and hold the operation all or nothing
// (a sync pull: whole pages, and a cursor that names exactly the pages kept).
// The kill moments come from a printed seed, TALLYRA_KILL_SEED (fixed unless
// set); TALLYRA_KILL_COUNT sets the kills per operation.
namespace {

const char *const kTables[] = {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                               "reconciliations"};

struct Figures
{
    int kills = 0;
    int finishedFirst = 0;
    int none = 0;
    int pages = 0; // sync pull: some whole pages
    int whole = 0;
    int partial = 0;
    int corrupt = 0;
};

struct Run
{
    QString databasePath;
    bool killed = false;
    bool finished = false;
    qint64 statements = 0;
    qint64 elapsedMs = 0;
};

quint32 killSeed()
{
    const QByteArray value = qgetenv("TALLYRA_KILL_SEED");
    return value.isEmpty() ? 18u : value.toUInt();
}

int killCount()
{
    const QByteArray value = qgetenv("TALLYRA_KILL_COUNT");
    return value.isEmpty() ? 6 : value.toInt();
}

// Starts the child; once it reports that the write began, waits killAfterMs
// (never, when negative) and kills it.
Run runWorker(const QString &operation, const QString &folder, qint64 killAtStatement, int killAfterMs)
{
    Run run;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{operation, folder};
    if (killAtStatement > 0)
        arguments << QString::number(killAtStatement);
    process.start(QStringLiteral(KILL_WORKER), arguments);
    if (!process.waitForStarted(60000))
        qFatal("the kill worker does not start");
    QByteArray output;
    while (!output.contains('\n') && process.waitForReadyRead(600000))
        output += process.readAllStandardOutput();
    QElapsedTimer timer;
    timer.start();
    if (output.startsWith("ready "))
        run.databasePath = QString::fromLocal8Bit(output.mid(6, output.indexOf('\n') - 6));
    if (killAfterMs >= 0 && !process.waitForFinished(killAfterMs))
        process.kill();
    process.waitForFinished(600000);
    run.elapsedMs = timer.elapsed();
    output += process.readAllStandardOutput();
    run.killed = process.exitStatus() == QProcess::CrashExit;
    run.finished = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const qsizetype done = output.indexOf("done ");
    if (done >= 0)
        run.statements = output.mid(done + 5).trimmed().toLongLong();
    return run;
}

// Row counts and amount sums of every register table: what tells "nothing",
// "all" and "part" apart.
QString fingerprint(Database *database)
{
    QStringList parts;
    QSqlQuery query(*database->db());
    for (const char *table : kTables) {
        const QString name = QLatin1String(table);
        const bool hasAmount = name == QLatin1String("transactions") || name == QLatin1String("split_lines");
        const QString sql = QStringLiteral("SELECT count(*), %1 FROM %2")
                                .arg(hasAmount ? QStringLiteral("total(amount)") : QStringLiteral("0"), name);
        if (!query.exec(sql) || !query.next())
            return QStringLiteral("unreadable");
        parts << QStringLiteral("%1 %2/%3").arg(name, query.value(0).toString(), query.value(1).toString());
    }
    return parts.join(QStringLiteral(", "));
}

QString fingerprintOf(const QString &path)
{
    Database database;
    if (!database.open(path))
        return QStringLiteral("unopenable");
    return fingerprint(&database);
}

bool copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files)) {
        QFile::remove(to + QLatin1Char('/') + name);
        if (!QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

Database *openMigrated(Database &database, const QString &path)
{
    if (!database.open(path) || !database.migrate())
        qFatal("cannot create a database for the kill tests");
    return &database;
}

void insertRegister(Database *database, const QString &accountId, int transactionCount, quint32 seed)
{
    DataGenerator generator(seed);
    AccountRepository accounts(database);
    TransactionRepository transactions(database);
    CategoryRepository categories(database);
    BulkWriteScope bulk(database);
    SqlTransaction transaction(database);
    const QList<Category> tree = generator.categories();
    bool ok = true;
    for (const Category &category : tree)
        ok = ok && categories.insert(category);
    Account account = generator.accounts(1).constFirst();
    account.id = accountId;
    ok = ok && accounts.insert(account);
    for (const Transaction &row : generator.transactions(accountId, transactionCount, tree))
        ok = ok && transactions.insert(row);
    if (!ok || !transaction.commit())
        qFatal("cannot write the register for the kill tests");
}

QByteArray qifText(int rows)
{
    DataGenerator generator(5);
    QByteArray text = "!Type:Bank\n";
    for (const Transaction &row : generator.transactions(QStringLiteral("any"), rows, {})) {
        text += "D" + row.date.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + "\nT"
                + QByteArray::number(double(row.amount) / 100, 'f', 2) + "\nP" + row.payee.toUtf8() + "\nM"
                + row.memo.toUtf8() + "\n^\n";
    }
    return text;
}

// A moment within the reference run's duration and a little past it, so
// some kills meet the final commit and some runs finish first.
int killDelay(std::mt19937 &random, const Run &reference)
{
    return std::uniform_int_distribution<int>(0, int(reference.elapsedMs * 11 / 10))(random);
}

// Counts the run and opens what it left; false, counted as corrupt, when
// SQLite's checks fail.
bool openIntact(const Run &run, Database &database, Figures &figures)
{
    figures.kills += run.killed;
    figures.finishedFirst += !run.killed;
    const QStringList problems = database.open(run.databasePath) ? storeProblems(&database)
                                                                  : QStringList{QStringLiteral("cannot open")};
    if (problems.isEmpty())
        return true;
    ++figures.corrupt;
    qWarning() << "corrupt after a kill:" << problems;
    return false;
}

void print(const QString &operation, quint32 seed, const Figures &figures)
{
    qInfo("kill %s: seed %u, %d kills (%d runs finished first): none %d, whole pages %d, whole %d, partial %d, "
          "corrupt %d",
          qPrintable(operation), seed, figures.kills, figures.finishedFirst, figures.none, figures.pages,
          figures.whole, figures.partial, figures.corrupt);
}

} // namespace

class KillTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString folder(const QString &name) const { return m_dir.filePath(name); }

    // Kills a child running the operation on a copy of the prepared folder,
    // at moments drawn from the seed: at statements when the reference run
    // counted them, else at times within the reference run's duration.
    void killRepeatedly(const QString &operation, bool atStatements)
    {
        const QString prepared = folder(QStringLiteral("prepared"));
        const QString before = fingerprintOf(prepared + QLatin1Char('/') + KillPlan::databaseName);

        QVERIFY(copyFolder(prepared, folder(QStringLiteral("reference"))));
        const Run reference = runWorker(operation, folder(QStringLiteral("reference")), 0, -1);
        QVERIFY2(reference.finished, "the operation completes when nobody kills it");
        const QString after = fingerprintOf(reference.databasePath);
        QVERIFY2(after != before, "the operation changes the register");

        const quint32 seed = killSeed();
        std::mt19937 random(seed);
        Figures figures;
        for (int i = 0; i < killCount(); ++i) {
            const QString attempt = folder(QStringLiteral("kill-%1").arg(i));
            QVERIFY(copyFolder(prepared, attempt));
            const Run run = atStatements
                ? runWorker(operation, attempt,
                            std::uniform_int_distribution<qint64>(1, qMax<qint64>(1, reference.statements))(random), -1)
                : runWorker(operation, attempt, 0, killDelay(random, reference));
            Database database;
            if (!openIntact(run, database, figures))
                continue;
            const QString state = fingerprint(&database);
            if (state == before) {
                ++figures.none;
            } else if (state == after) {
                ++figures.whole;
            } else {
                ++figures.partial;
                qWarning() << "partly written after a kill:" << state << "instead of" << before << "or" << after;
            }
        }
        print(operation, seed, figures);
        QCOMPARE(figures.corrupt, 0);
        QCOMPARE(figures.partial, 0);
    }

private Q_SLOTS:
    void init()
    {
        QDir(folder(QStringLiteral("prepared"))).removeRecursively();
        QDir().mkpath(folder(QStringLiteral("prepared")));
    }

    void qifImportOf50kRowsIsAllOrNothing()
    {
        {
            Database database;
            insertRegister(openMigrated(database, folder(QStringLiteral("prepared/tallyra.db"))),
                           KillPlan::importAccountId, 100, 1);
        }
        QFile qif(folder(QStringLiteral("prepared/")) + KillPlan::qifName);
        QVERIFY(qif.open(QIODevice::WriteOnly));
        qif.write(qifText(50000));
        qif.close();
        killRepeatedly(KillPlan::qifImport, false);
    }

    void replacingRestoreOf50kTransactionsIsAllOrNothing()
    {
        {
            Database source;
            insertRegister(openMigrated(source, folder(QStringLiteral("source.db"))), QStringLiteral("backed-up"),
                           50000, 2);
            QFile archive(folder(QStringLiteral("prepared/")) + KillPlan::backupName);
            QVERIFY(archive.open(QIODevice::WriteOnly));
            archive.write(BackupService(&source).exportBackup());
        }
        {
            Database database;
            insertRegister(openMigrated(database, folder(QStringLiteral("prepared/tallyra.db"))),
                           QStringLiteral("kept-before"), 100, 3);
        }
        killRepeatedly(KillPlan::restore, false);
    }

    void sampleDataLoadsAllOrNothing()
    {
        {
            Database database;
            openMigrated(database, folder(QStringLiteral("prepared/tallyra.db")));
        }
        killRepeatedly(KillPlan::sampleData, true);
    }

    // Each page is applied with its cursor as one unit: after a kill the
    // cursor names the end of the last page kept, and exactly the records of
    // the pages before it are in the database.
    void syncPullKeepsWholePagesAndItsCursor()
    {
        QMap<QString, int> baseCounts;
        {
            Database fresh;
            openMigrated(fresh, folder(QStringLiteral("fresh.db")));
            QSqlQuery query(*fresh.db());
            for (const char *table : kTables) {
                QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)) && query.next());
                baseCounts.insert(QLatin1String(table), query.value(0).toInt());
            }
        }
        const SampleData data = KillPlan::syncData();
        // The service's change log, in the order the records were put.
        const QList<QPair<QString, int>> log{{QStringLiteral("accounts"), int(data.accounts.size())},
                                             {QStringLiteral("categories"), int(data.categories.size())},
                                             {QStringLiteral("recurring_transactions"), int(data.recurring.size())},
                                             {QStringLiteral("transactions"), int(data.transactions.size())},
                                             {QStringLiteral("reconciliations"), int(data.reconciliations.size())}};
        int total = 0;
        for (const auto &kind : log)
            total += kind.second;

        const Run reference = runWorker(KillPlan::syncPull, QString(), 0, -1);
        QVERIFY2(reference.finished, "the pull completes when nobody kills it");
        QDir(QFileInfo(reference.databasePath).path()).removeRecursively();

        const quint32 seed = killSeed();
        std::mt19937 random(seed);
        Figures figures;
        for (int i = 0; i < killCount(); ++i) {
            const Run run = runWorker(KillPlan::syncPull, QString(), 0, killDelay(random, reference));
            {
                Database database;
                if (!openIntact(run, database, figures))
                    continue;
                const QString cursor = PreferencesRepository(&database).value(QStringLiteral("syncCursor"));
                const int position = cursor.isEmpty() ? 0 : cursor.mid(cursor.lastIndexOf(QLatin1Char('+')) + 1).toInt();
                bool pagesWhole = position % KillPlan::syncPageSize == 0 || position == total;
                int before = 0;
                QSqlQuery query(*database.db());
                for (const auto &kind : log) {
                    const int expected = baseCounts.value(kind.first) + qBound(0, position - before, kind.second);
                    before += kind.second;
                    QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM ") + kind.first) && query.next());
                    if (query.value(0).toInt() != expected) {
                        qWarning() << kind.first << query.value(0).toInt() << "rows with the cursor at" << position
                                   << "instead of" << expected;
                        pagesWhole = false;
                    }
                }
                if (!pagesWhole)
                    ++figures.partial;
                else if (position == 0)
                    ++figures.none;
                else if (position == total)
                    ++figures.whole;
                else
                    ++figures.pages;
            }
            QDir(QFileInfo(run.databasePath).path()).removeRecursively();
        }
        print(KillPlan::syncPull, seed, figures);
        QCOMPARE(figures.corrupt, 0);
        QCOMPARE(figures.partial, 0);
    }
};

TALLYRA_TEST(KillTest)
#include "test_killtests.moc"
