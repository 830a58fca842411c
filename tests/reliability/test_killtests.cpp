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

#include <QProcessEnvironment>

#include <csignal>
#include <random>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

// Long writes killed with SIGKILL in a child process: afterwards the
// database must pass SQLite's checks and hold the operation all or nothing
// (a sync pull: whole pages, and a cursor that names exactly the pages kept),
// and a write killed after its commit must be there whole.
// The kill moments come from a printed seed, TALLYRA_KILL_SEED (fixed unless
// set); TALLYRA_KILL_COUNT sets the kills per operation, and the time each
// test function may take grows with it (QTEST_FUNCTION_TIMEOUT, when set,
// decides instead).
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
    int afterCommit = 0; // kills drawn after the commit began
    int lost = 0;        // of those, kills after which the write was not there whole
};

struct Run
{
    QString databasePath;
    bool killed = false;
    bool finished = false;
    qint64 events = 0;      // SQLite statement starts and ends
    qint64 commitEvent = 0; // the event at which the final COMMIT started
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

// QtTest reads the time a test function may take once, when the first one
// starts, so it is set before that: a reference run and each kill of the
// slowest operation (a restore of 10,000 transactions) take well under a
// minute each in the sanitizer build, also on a busy two-core machine.
[[maybe_unused]] const bool s_timeLimitSet = [] {
    constexpr int baseSeconds = 300;
    constexpr int secondsPerKill = 90;
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT",
                QByteArray::number(qint64(baseSeconds + secondsPerKill * qMax(0, killCount())) * 1000));
    return true;
}();

// Removes the test folders however the test process ends. A normal end runs
// the destructors; after a signal nothing runs in the process any more
// (QtTest ends a test function that runs out of time with abort(), ctest
// ends a test that runs out of time with SIGKILL, Ctrl+C sends SIGINT). So a
// helper process started at the beginning waits for the test process to go:
// when its pipe closes without the word that all went well, it kills the
// child at work and runs "rm -rf" on the folders. It is detached from the
// test process (its parent exits at once, and it has a session of its own),
// so what ends the test process and its children does not end it; and being
// forked from a process with threads, it makes async-signal-safe calls only.
class FolderReaper
{
public:
    ~FolderReaper() { send(kDone); }

    bool start(const QStringList &folders)
    {
        QList<QByteArray> paths;
        for (const QString &folder : folders)
            paths.append(QFile::encodeName(folder));
        std::vector<char *> arguments{const_cast<char *>("/bin/rm"), const_cast<char *>("-rf"),
                                      const_cast<char *>("--")};
        for (QByteArray &path : paths)
            arguments.push_back(path.data());
        arguments.push_back(nullptr);

        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0)
            return false;
        const pid_t middle = ::fork();
        if (middle == 0) {
            ::close(ends[1]);
            if (::fork() != 0)
                ::_exit(0);
            ::setsid();
            qint64 child = 0;
            qint64 word = 0;
            while (::read(ends[0], &word, sizeof word) == sizeof word) {
                if (word == kDone)
                    ::_exit(0);
                child = word;
            }
            if (child > 0)
                ::kill(pid_t(child), SIGKILL);
            ::execv(arguments[0], arguments.data());
            ::_exit(127);
        }
        ::close(ends[0]);
        if (middle < 0) {
            ::close(ends[1]);
            return false;
        }
        ::waitpid(middle, nullptr, 0);
        m_pipe = ends[1];
        return true;
    }

    // The child at work, to be killed with the test process; 0 when none.
    void watchChild(qint64 pid) { send(pid); }

private:
    static constexpr qint64 kDone = -1;

    void send(qint64 word)
    {
        if (m_pipe < 0)
            return;
        if (::write(m_pipe, &word, sizeof word) != sizeof word || word == kDone) {
            ::close(m_pipe);
            m_pipe = -1;
        }
    }

    int m_pipe = -1;
};

FolderReaper *s_reaper = nullptr;

// Starts the child; once it reports that the write began, waits killAfterMs
// (never, when negative) and kills it.
// The child keeps its own temporary files (a sync pull's database) in
// `scratch`, inside the tests' folder.
Run runWorker(const QString &operation, const QString &folder, qint64 killAtEvent, int killAfterMs,
              const QString &scratch)
{
    Run run;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), scratch);
    process.setProcessEnvironment(environment);
    QStringList arguments{operation, folder};
    if (killAtEvent > 0)
        arguments << QString::number(killAtEvent);
    process.start(QStringLiteral(KILL_WORKER), arguments);
    if (!process.waitForStarted(60000))
        qFatal("the kill worker does not start");
    if (s_reaper)
        s_reaper->watchChild(process.processId());
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
    if (s_reaper)
        s_reaper->watchChild(0);
    run.elapsedMs = timer.elapsed();
    output += process.readAllStandardOutput();
    run.killed = process.exitStatus() == QProcess::CrashExit;
    run.finished = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    const qsizetype done = output.indexOf("done ");
    if (done >= 0) {
        const QList<QByteArray> counts = output.mid(done + 5).trimmed().split(' ');
        run.events = counts.value(0).toLongLong();
        run.commitEvent = counts.value(1).toLongLong();
    }
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
    qInfo("kill %s: seed %u, %d kills (%d runs finished first, %d after the commit began): none %d, whole pages %d, "
          "whole %d, partial %d, corrupt %d, lost after the commit %d",
          qPrintable(operation), seed, figures.kills, figures.finishedFirst, figures.afterCommit, figures.none,
          figures.pages, figures.whole, figures.partial, figures.corrupt, figures.lost);
}

} // namespace

class KillTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FolderReaper m_reaper;

    QString folder(const QString &name) const { return m_dir.filePath(name); }
    QString scratch() const { return m_dir.filePath(QStringLiteral("scratch")); }

    // Kills a child running the operation on a copy of the prepared folder,
    // at SQLite statement events drawn from the seed among those the
    // reference run counted, so the moments do not depend on how busy the
    // machine is. Every third moment is drawn after the commit began (its
    // end, and the reads that follow), where the write must be there whole;
    // the others from the whole run.
    void killRepeatedly(const QString &operation)
    {
        const QString prepared = folder(QStringLiteral("prepared"));
        const QString before = fingerprintOf(prepared + QLatin1Char('/') + KillPlan::databaseName);

        QVERIFY(copyFolder(prepared, folder(QStringLiteral("reference"))));
        const Run reference = runWorker(operation, folder(QStringLiteral("reference")), 0, -1, scratch());
        QVERIFY2(reference.finished, "the operation completes when nobody kills it");
        const QString after = fingerprintOf(reference.databasePath);
        QVERIFY2(after != before, "the operation changes the register");
        QVERIFY2(reference.commitEvent > 0 && reference.commitEvent < reference.events,
                 "the operation ends with a commit, and events follow it");

        const quint32 seed = killSeed();
        std::mt19937 random(seed);
        Figures figures;
        for (int i = 0; i < killCount(); ++i) {
            const QString attempt = folder(QStringLiteral("kill-%1").arg(i));
            QVERIFY(copyFolder(prepared, attempt));
            const bool afterCommit = i % 3 == 2;
            const qint64 firstEvent = afterCommit ? reference.commitEvent + 1 : 1;
            const Run run = runWorker(operation, attempt,
                                      std::uniform_int_distribution<qint64>(firstEvent, reference.events)(random), -1,
                                      scratch());
            figures.afterCommit += afterCommit;
            {
                Database database;
                if (!openIntact(run, database, figures))
                    continue; // kept for a look until the tests end
                const QString state = fingerprint(&database);
                if (state == before) {
                    ++figures.none;
                } else if (state == after) {
                    ++figures.whole;
                } else {
                    ++figures.partial;
                    qWarning() << "partly written after a kill:" << state << "instead of" << before << "or" << after;
                }
                if (afterCommit && state != after) {
                    ++figures.lost;
                    qWarning() << "a kill after the commit lost the write:" << state << "instead of" << after;
                }
            }
            QDir(attempt).removeRecursively();
        }
        print(operation, seed, figures);
        QCOMPARE(figures.corrupt, 0);
        QCOMPARE(figures.partial, 0);
        QCOMPARE(figures.lost, 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(scratch()));
        QStringList folders{m_dir.path()};
        if (!TestRegistry::rootPath().isEmpty())
            folders.append(TestRegistry::rootPath());
        QVERIFY(m_reaper.start(folders));
        s_reaper = &m_reaper;
    }

    void cleanupTestCase() { s_reaper = nullptr; }

    void init()
    {
        QDir(folder(QStringLiteral("prepared"))).removeRecursively();
        QDir().mkpath(folder(QStringLiteral("prepared")));
    }

    // Killed at SQLite's statement events, like the restore: the moments
    // are the same on a quiet machine and a busy one.
    void qifImportOf4kRowsIsAllOrNothing()
    {
        {
            Database database;
            insertRegister(openMigrated(database, folder(QStringLiteral("prepared/tallyra.db"))),
                           KillPlan::importAccountId, 100, 1);
        }
        QFile qif(folder(QStringLiteral("prepared/")) + KillPlan::qifName);
        QVERIFY(qif.open(QIODevice::WriteOnly));
        qif.write(qifText(4000));
        qif.close();
        killRepeatedly(KillPlan::qifImport);
    }

    void replacingRestoreOf10kTransactionsIsAllOrNothing()
    {
        {
            Database source;
            insertRegister(openMigrated(source, folder(QStringLiteral("source.db"))), QStringLiteral("backed-up"),
                           10000, 2);
            QFile archive(folder(QStringLiteral("prepared/")) + KillPlan::backupName);
            QVERIFY(archive.open(QIODevice::WriteOnly));
            archive.write(BackupService(&source).exportBackup());
        }
        {
            Database database;
            insertRegister(openMigrated(database, folder(QStringLiteral("prepared/tallyra.db"))),
                           QStringLiteral("kept-before"), 100, 3);
        }
        killRepeatedly(KillPlan::restore);
    }

    void sampleDataLoadsAllOrNothing()
    {
        {
            Database database;
            openMigrated(database, folder(QStringLiteral("prepared/tallyra.db")));
        }
        killRepeatedly(KillPlan::sampleData);
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

        const Run reference = runWorker(KillPlan::syncPull, QString(), 0, -1, scratch());
        QVERIFY2(reference.finished, "the pull completes when nobody kills it");
        QDir(QFileInfo(reference.databasePath).path()).removeRecursively();

        const quint32 seed = killSeed();
        std::mt19937 random(seed);
        Figures figures;
        for (int i = 0; i < killCount(); ++i) {
            const Run run = runWorker(KillPlan::syncPull, QString(), 0, killDelay(random, reference), scratch());
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
