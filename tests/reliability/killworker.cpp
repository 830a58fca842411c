// The child process of the kill tests: runs one long write on a database and
// is killed somewhere inside it. "killworker <operation> <folder> [n]" writes
// "ready <database>" when the write starts and "done <statements>" when it
// ends; with n it kills itself with SIGKILL as SQLite starts its n-th
// statement. The folder holds the prepared database and input files.
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

#include <sqlite3.h>

#include <csignal>
#include <cstdio>

namespace {

qint64 s_statements = 0;
qint64 s_killAt = 0;

int countStatement(unsigned, void *, void *, void *)
{
    if (++s_statements == s_killAt)
        std::raise(SIGKILL);
    return 0;
}

void watchStatements(Database *database)
{
    sqlite3 *handle = *static_cast<sqlite3 *const *>(database->db()->driver()->handle().data());
    sqlite3_trace_v2(handle, SQLITE_TRACE_STMT, countStatement, nullptr);
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
    if (operation == KillPlan::sampleData)
        return SampleDataService(&database).loadSampleData();
    if (operation == KillPlan::restore) {
        QFile archive(folder + QLatin1Char('/') + KillPlan::backupName);
        if (!archive.open(QIODevice::ReadOnly))
            return false;
        const BackupImportResult result = BackupService(&database).importBackup(archive.readAll(), BackupImportMode::ReplaceAll);
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
    announce("done", QString::number(s_statements));
    return ok ? 0 : 1;
}
