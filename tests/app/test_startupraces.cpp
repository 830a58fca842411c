#include "support/testmain.h"

#include "childprocess.h"

#include "app/datadirectorylock.h"
#include "data/database.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <memory>
#include <thread>

// Several copies of the program, or several connections, on one data folder.
// The copies are child processes (startupworker, and the program itself);
// every wait is bounded.
namespace {

// A data folder with its own settings and data homes, as a user's would be.
struct Folder
{
    QTemporaryDir root;
    QString data = root.filePath(QStringLiteral("data"));

    Folder() { QDir(root.path()).mkpath(QStringLiteral("data")); }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TALLYRA_DATA_DIR"), data);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("share")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("TALLYRA_VERBOSE"));
        return environment;
    }

    QString lockFile() const { return QDir(data).filePath(DataDirectoryLock::lockFileName()); }
    QString database() const { return QDir(data).filePath(QStringLiteral("tallyra.db")); }
    QStringList files() const { return QDir(data).entryList(QDir::Files | QDir::Hidden); }
};

class Child : public ChildProcess
{
public:
    using ChildProcess::ChildProcess;

    explicit Child(const Folder &folder)
        : ChildProcess(QStringLiteral(STARTUP_WORKER), {QStringLiteral("app")}, folder.environment())
    {
    }
};

QList<int> appliedVersions(const QString &path)
{
    Database database;
    QList<int> versions;
    if (!database.open(path))
        return versions;
    QSqlQuery query(*database.db());
    query.exec(QStringLiteral("SELECT version FROM schema_version ORDER BY version"));
    while (query.next())
        versions << query.value(0).toInt();
    return versions;
}

const QList<int> kAllVersions{1, 2, 3, 4, 5, 6, 7, 8};

// Another connection that holds the write lock of a database file.
class WriteHold
{
public:
    explicit WriteHold(const QString &path)
    {
        if (sqlite3_open(QFile::encodeName(path).constData(), &m_handle) != SQLITE_OK
            || !exec("PRAGMA journal_mode=WAL") || !exec("BEGIN IMMEDIATE") || !exec("CREATE TABLE held (x)"))
            qFatal("cannot hold the database");
    }
    ~WriteHold()
    {
        release();
        sqlite3_close(m_handle);
    }
    void release() { exec("COMMIT"); }

private:
    bool exec(const char *sql) { return sqlite3_exec(m_handle, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }
    sqlite3 *m_handle = nullptr;
};

} // namespace

class StartupRacesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondCopyIsRefusedUntilTheFirstEnds_data()
    {
        QTest::addColumn<bool>("killFirst");
        QTest::newRow("first copy quits") << false;
        QTest::newRow("first copy is killed, leaving its lock file") << true;
    }

    void secondCopyIsRefusedUntilTheFirstEnds()
    {
        QFETCH(bool, killFirst);
        Folder folder;
        Child first(folder);
        QCOMPARE(first.firstLine(), QByteArray("running"));

        Child second(folder);
        QCOMPARE(second.firstLine(), QByteArray("refused AlreadyRunning"));
        QCOMPARE(second.exitCode(), 1);
        QVERIFY(first.isRunning());

        if (killFirst) {
            first.kill();
            QVERIFY(QFile::exists(folder.lockFile()));
        } else {
            QCOMPARE(first.quit(), 0);
            QVERIFY(!QFile::exists(folder.lockFile()));
        }

        Child third(folder);
        QCOMPARE(third.firstLine(), QByteArray("running"));
        QCOMPARE(third.quit(), 0);
        QCOMPARE(appliedVersions(folder.database()), kAllVersions);
    }

    void refusedStartLeavesTheFolderAlone()
    {
        Folder folder;
        DataDirectoryLock held(folder.data);
        QCOMPARE(held.acquire(), DataDirectoryLock::Result::Acquired);

        Child refused(folder);
        QCOMPARE(refused.firstLine(), QByteArray("refused AlreadyRunning"));
        QCOMPARE(refused.exitCode(), 1);
        QCOMPARE(folder.files(), QStringList{DataDirectoryLock::lockFileName()});
    }

    // The program itself, without a screen: the message box waits for the
    // user, and the reason is on standard error as well.
    void programShowsWhyItStops()
    {
        Folder folder;
        DataDirectoryLock held(folder.data);
        QCOMPARE(held.acquire(), DataDirectoryLock::Result::Acquired);

        Child program(QStringLiteral(TALLYRA_PROGRAM), {}, folder.environment());
        QVERIFY2(program.saysOnStandardError("already running"), program.standardError().constData());
        QVERIFY(program.staysRunningFor(300));
        program.kill();
        QCOMPARE(folder.files(), QStringList{DataDirectoryLock::lockFileName()});
    }

    void copiesStartedTogetherOnANewFolder()
    {
        constexpr int kRounds = 3;
        constexpr int kCopies = 3;
        for (int round = 0; round < kRounds; ++round) {
            Folder folder;
            std::vector<std::unique_ptr<Child>> copies;
            for (int i = 0; i < kCopies; ++i)
                copies.push_back(std::make_unique<Child>(folder));

            Child *running = nullptr;
            int refused = 0;
            for (const auto &copy : copies) {
                const QByteArray line = copy->firstLine();
                if (line == "running") {
                    QVERIFY2(!running, "two copies run on one folder");
                    running = copy.get();
                } else {
                    QCOMPARE(line, QByteArray("refused AlreadyRunning"));
                    QCOMPARE(copy->exitCode(), 1);
                    ++refused;
                }
            }
            QVERIFY(running);
            QCOMPARE(refused, kCopies - 1);
            QCOMPARE(running->quit(), 0);
            for (const auto &copy : copies)
                QVERIFY2(!copy->standardError().contains("failed"), copy->standardError().constData());
            QCOMPARE(appliedVersions(folder.database()), kAllVersions);
        }
    }

    // Connections that race to create and migrate one new file (copies
    // started before the folder lock existed, tools beside the program):
    // every one of them ends with the schema up to date.
    void connectionsMigratingOneNewFileTogether()
    {
        constexpr int kRounds = 5;
        constexpr int kConnections = 4;
        for (int round = 0; round < kRounds; ++round) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("tallyra.db"));
            std::vector<std::unique_ptr<Child>> workers;
            for (int i = 0; i < kConnections; ++i)
                workers.push_back(std::make_unique<Child>(QStringLiteral(STARTUP_WORKER),
                                                          QStringList{QStringLiteral("migrate"), path},
                                                          QProcessEnvironment::systemEnvironment()));
            for (const auto &worker : workers) {
                QCOMPARE(worker->firstLine(), QByteArray("migrated"));
                QCOMPARE(worker->exitCode(), 0);
            }
            QCOMPARE(appliedVersions(path), kAllVersions);
        }
    }

    void busyDatabaseIsToldApartFromAnUnusableOne_data()
    {
        QTest::addColumn<bool>("heldByAnotherConnection");
        QTest::newRow("held by another connection") << true;
        QTest::newRow("not a database") << false;
    }

    void busyDatabaseIsToldApartFromAnUnusableOne()
    {
        QFETCH(bool, heldByAnotherConnection);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tallyra.db"));
        std::unique_ptr<WriteHold> hold;
        if (heldByAnotherConnection) {
            hold = std::make_unique<WriteHold>(path);
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, 'x'));
        }

        Database database;
        database.setBusyTimeout(100);
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to")));
        QVERIFY(!(database.open(path) && database.migrate()));
        QCOMPARE(database.failedOnBusyDatabase(), heldByAnotherConnection);
    }

    void migrationWaitsForAnotherConnectionToFinish()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tallyra.db"));
        auto hold = std::make_unique<WriteHold>(path);
        std::thread releaser([&hold] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            hold->release();
        });
        Database database;
        const bool migrated = database.open(path) && database.migrate();
        releaser.join();
        QVERIFY(migrated);
        QVERIFY(!database.failedOnBusyDatabase());
        QCOMPARE(appliedVersions(path), kAllVersions);
    }
};

TALLYRA_TEST(StartupRacesTest)
#include "test_startupraces.moc"
