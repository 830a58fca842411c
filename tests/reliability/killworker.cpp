// The child process of the kill tests: runs one long write on a database and
// is killed somewhere inside it. "killworker <operation> <folder> [n]" writes
// "ready <database>" when the write starts and, when it ends, "done <events>
// <commit>": SQLite's statement events (each statement's start and its end
// count one each) and the event at which the write's final COMMIT started.
// With n it kills itself with SIGKILL at its n-th event: an odd n as a
// statement starts, an even n as one has finished. After the write it reads
// every table as the screens do when they reload, so moments after the
// commit can be drawn too. The folder holds the prepared database and input
// files.
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "services/sampledataservice.h"
#include "killplan.h"
#include "syncfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDriver>
#include <QSqlQuery>

#include <sqlite3.h>

#include <csignal>
#include <cstdio>

namespace {

qint64 s_events = 0;
qint64 s_commitEvent = 0;
qint64 s_killAt = 0;

int countEvent(unsigned type, void *, void *, void *sql)
{
    ++s_events;
    if (type == SQLITE_TRACE_STMT && qstrnicmp(static_cast<const char *>(sql), "COMMIT", 6) == 0)
        s_commitEvent = s_events;
    if (s_events == s_killAt)
        std::raise(SIGKILL);
    return 0;
}

void watchStatements(Database *database)
{
    sqlite3 *handle = *static_cast<sqlite3 *const *>(database->db()->driver()->handle().data());
    sqlite3_trace_v2(handle, SQLITE_TRACE_STMT | SQLITE_TRACE_PROFILE, countEvent, nullptr);
}

// What the screens read once a write has ended.
void readEveryTable(Database *database)
{
    QSqlQuery query(*database->db());
    for (const char *table : {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                              "reconciliations"}) {
        if (query.exec(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)))
            query.next();
    }
}

void announce(const char *what, const QString &detail)
{
    std::printf("%s %s\n", what, qPrintable(detail));
    std::fflush(stdout);
}

bool openDatabase(Database &database, const QString &folder)
{
    return database.open(folder + QLatin1Char('/') + KillPlan::databaseName) && database.migrate();
}

bool runImportOrRestore(const QString &operation, const QString &folder)
{
    Database database;
    if (!openDatabase(database, folder))
        return false;
    watchStatements(&database);
    announce("ready", folder + QLatin1Char('/') + KillPlan::databaseName);
    if (operation == KillPlan::sampleData) {
        const bool loaded = SampleDataService(&database).loadSampleData();
        readEveryTable(&database);
        return loaded;
    }
    if (operation == KillPlan::restore) {
        QFile archive(folder + QLatin1Char('/') + KillPlan::backupName);
        if (!archive.open(QIODevice::ReadOnly))
            return false;
        const BackupImportResult result = BackupService(&database).importBackup(archive.readAll(), BackupImportMode::ReplaceAll);
        readEveryTable(&database);
        return result.errors.isEmpty();
    }
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    SplitLineRepository splitLines(&database);
    ImportService service(&transactions, &categories, &splitLines, &database);
    const QString path = folder + QLatin1Char('/') + KillPlan::qifName;
    QHash<QString, QString> mapping;
    for (const QifSourceAccount &source : service.analyzeQifFiles({path}).accounts)
        mapping.insert(source.sourceName.toLower(), KillPlan::importAccountId);
    const ImportResult result = service.importQif({path}, mapping);
    readEveryTable(&database);
    return !result.aborted && result.imported > 0;
}

// The sync service runs in this process too, so the kill takes both down.
bool runSyncPull()
{
    SyncHarness harness;
    harness.service->pageSize = KillPlan::syncPageSize;
    KillPlan::syncData().putInto(*harness.service);
    LocalStore device(harness.server.url());
    watchStatements(device.database.get());
    announce("ready", device.dir.filePath(KillPlan::databaseName));
    device.dir.setAutoRemove(false);
    return device.sync(600000);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 3)
        return 2;
    if (arguments.size() > 3)
        s_killAt = arguments.at(3).toLongLong();
    const QString operation = arguments.at(1);
    const bool ok = operation == KillPlan::syncPull ? runSyncPull() : runImportOrRestore(operation, arguments.at(2));
    announce("done", QStringLiteral("%1 %2").arg(s_events).arg(s_commitEvent));
    return ok ? 0 : 1;
}
