// Domain service figures against the same work done through the sqlite3 C
// API: restoring and writing a 100k-transaction backup, the reports over 1M
// transactions, and the catch-up posting of 100 daily rules; and the peak
// memory of restoring a hostile archive against its own size.

#include "benchfill.h"
#include "benchreports.h"
#include "benchutil.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/sqlvalues.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "support/datagenerator.h"
#include "support/hostilearchives.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <variant>

using namespace Bench;

namespace {

void benchBackup(const QTemporaryDir &dir, DataGenerator &generator)
{
    const QString sourcePath = dir.filePath(QStringLiteral("backup-source.db"));
    buildRegister(sourcePath, generator, 10, 10000);

    QByteArray archive;
    double exportMs = 0;
    {
        auto source = openDatabase(sourcePath);
        BackupService service(source.get());
        exportMs = medianMs(1, [&] { archive = service.exportBackup(); });
    }

    double importMs = 0;
    {
        auto target = openDatabase(dir.filePath(QStringLiteral("backup-target.db")));
        BackupService service(target.get());
        importMs = medianMs(1, [&] {
            const BackupImportResult result = service.importBackup(archive, BackupImportMode::ReplaceAll);
            if (result.transactionsImported != 100000 || !result.errors.isEmpty())
                std::fprintf(stderr, "unexpected restore: %d transactions, %d errors\n", result.transactionsImported,
                             int(result.errors.size()));
        });
    }

    double rawMs = 0;
    {
        std::vector<TableRows> tables;
        {
            RawDb source(sourcePath);
            for (const char *table : {"accounts", "categories", "transactions"})
                tables.push_back(readTable(source, table));
        }
        const QString rawPath = dir.filePath(QStringLiteral("backup-raw.db"));
        openDatabase(rawPath);
        RawDb raw(rawPath);
        rawMs = medianMs(1, [&] {
            raw.exec("BEGIN");
            for (const TableRows &table : tables)
                insertRows(raw, table);
            raw.exec("COMMIT");
        });
    }

    printRatio("importBackup_100k_replace_all_vs_raw_inserts", importMs, rawMs, 4.0);
    printMs("importBackup_100k_replace_all", importMs);
    printMs("exportBackup_100k", exportMs);
    std::printf("exportBackup_100k_archive_size: %.1f MiB\n", double(archive.size()) / (1024.0 * 1024.0));
}

// A crafted archive whose categories form one chain, each stored before its
// parent: restored in reference order, it still takes one pass.
void benchCategoryChain(const QTemporaryDir &dir)
{
    constexpr int depth = 4000;
    const QString sourcePath = dir.filePath(QStringLiteral("chain-source.db"));
    openDatabase(sourcePath);
    {
        RawDb raw(sourcePath);
        raw.exec("BEGIN");
        raw.exec("PRAGMA defer_foreign_keys=ON");
        sqlite3_stmt *statement = raw.prepare(QStringLiteral(
            "INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES (?, ?, ?, "
            "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
        for (int i = depth - 1; i >= 0; --i) {
            const QString id = QStringLiteral("chain-%1").arg(i);
            RawDb::bindText(statement, 1, id);
            RawDb::bindText(statement, 2, id);
            RawDb::bindText(statement, 3, i == 0 ? QString() : QStringLiteral("chain-%1").arg(i - 1), true);
            if (sqlite3_step(statement) != SQLITE_DONE)
                std::fprintf(stderr, "chain insert failed: %s\n", sqlite3_errmsg(raw.handle()));
            sqlite3_reset(statement);
        }
        sqlite3_finalize(statement);
        raw.exec("COMMIT");
    }
    QByteArray archive;
    {
        auto source = openDatabase(sourcePath);
        archive = BackupService(source.get()).exportBackup();
    }
    auto target = openDatabase(dir.filePath(QStringLiteral("chain-target.db")));
    BackupService service(target.get());
    const double ms = medianMs(1, [&] {
        const BackupImportResult result = service.importBackup(archive, BackupImportMode::ReplaceAll);
        if (result.categoriesImported != depth)
            std::fprintf(stderr, "unexpected chain restore: %d categories\n", result.categoriesImported);
    });
    printMs("importBackup_category_chain_4000_child_first", ms);
}

// A 1.1 MiB archive whose 2,000 directory entries all point at one 1 MiB
// stored entry: its memory must stay within a few times the archive's own
// size, where each entry once kept its own copy of the payload (3.95 GB).
void benchOverlappingEntries(const QTemporaryDir &dir)
{
    constexpr double mib = 1024.0 * 1024.0;
    // What a restore needs whatever the archive: the connection's page
    // cache, the prepared statements, Qt's and QuaZip's own buffers.
    constexpr double baseMiB = 16.0;
    const QByteArray archive = HostileArchives::overlappingEntries(2000, 1024 * 1024);
    auto target = openDatabase(dir.filePath(QStringLiteral("overlap-target.db")));
    BackupService service(target.get());
    const bool peakReset = resetResidentPeak();
    const qint64 before = residentKiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    const BackupImportResult result = service.importBackup(archive, BackupImportMode::ReplaceAll);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const double peakMiB = double(residentKiB("VmHWM:") - before) / 1024.0;
    if (result.totalImported() != 0 || result.errors.size() != 2000)
        std::fprintf(stderr, "unexpected overlapping restore: %d imported, %d errors\n", result.totalImported(),
                     int(result.errors.size()));
    if (!peakReset)
        std::fprintf(stderr, "the peak could not be reset: it covers the whole run so far\n");
    const double archiveMiB = double(archive.size()) / mib;
    std::printf("restore_overlapping_entries_2000: %.1f MiB peak (target <= %.1f MiB: 4 x %.2f MiB archive + %.0f "
                "MiB base)\n",
                peakMiB, 4 * archiveMiB + baseMiB, archiveMiB, baseMiB);
    printMs("restore_overlapping_entries_2000_time", ms);
}

struct ReportCase
{
    const char *name;
    std::function<int(const ReportService &)> run;
    QString sql;
    QStringList binds;
};

void benchReports(const QTemporaryDir &dir, DataGenerator &generator)
{
    const QString path = dir.filePath(QStringLiteral("reports.db"));
    buildRegister(path, generator, 10, 100000);

    const QDate from(2006, 1, 1);
    const QDate to(2025, 12, 31);
    const QString fromText = from.toString(Qt::ISODate);
    const QString toText = to.toString(Qt::ISODate);
    const QDate yearFrom(2015, 1, 1);
    const QDate yearTo(2015, 12, 31);
    const QDate middle(2015, 12, 31);

    const QStringList range = {fromText, toText};
    const QList<ReportCase> cases = {
        {"accountSummary", [](const ReportService &r) { return int(r.accountSummary().size()); },
         reportSql("accountSummary").text(false), {}},
        {"cashFlowByMonth", [&](const ReportService &r) { return int(r.cashFlowByMonth(from, to, {}).size()); },
         reportSql("cashFlowByMonth").text(false), range},
        {"spendingByCategory", [&](const ReportService &r) { return int(r.spendingByCategory(from, to, {}).size()); },
         reportSql("spendingByCategory").text(false), range},
        {"incomeVsExpenses", [&](const ReportService &r) { return int(r.incomeVsExpenses(from, to, {}).size()); },
         reportSql("incomeVsExpenses").text(false), range},
        {"payeeSummary", [&](const ReportService &r) { return int(r.payeeSummary(from, to, {}).size()); },
         reportSql("payeeSummary").text(false), range},
        {"taxReport", [&](const ReportService &r) { return int(r.taxReport(from, to).size()); },
         reportSql("taxReport").text(false), range},
        // Year over year is two category totals, the halves of the range.
        {"yearOverYear",
         [&](const ReportService &r) { return int(r.yearOverYear(from, middle, middle.addDays(1), to, {}).size()); },
         reportSql("categoryTotals").text(false), range},
    };

    auto database = openDatabase(path);
    ReportService service(database.get());
    RawDb raw(path);
    for (const ReportCase &report : cases) {
        const double serviceMs = medianMs(3, [&] { report.run(service); });
        sqlite3_stmt *statement = raw.prepare(report.sql);
        for (int i = 0; i < report.binds.size(); ++i)
            RawDb::bindText(statement, i + 1, report.binds.at(i));
        const double rawMs = medianMs(3, [&] { raw.readAll(statement); });
        sqlite3_finalize(statement);
        const QByteArray name = QByteArray(report.name) + "_1M_whole_range_vs_raw";
        printRatio(name.constData(), serviceMs, rawMs, 1.5);
    }

    const double listMs = medianMs(3, [&] {
        if (service.transactionList(yearFrom, yearTo, {}, {}).size() < 40000)
            std::fprintf(stderr, "unexpected transaction list size\n");
    });
    sqlite3_stmt *statement = raw.prepare(reportSql("transactionList").text(false));
    RawDb::bindText(statement, 1, yearFrom.toString(Qt::ISODate));
    RawDb::bindText(statement, 2, yearTo.toString(Qt::ISODate));
    const double rawListMs = medianMs(3, [&] { raw.readAll(statement); });
    sqlite3_finalize(statement);
    printRatio("transactionList_1M_one_year_vs_raw", listMs, rawListMs, 3.0);
    printMs("transactionList_1M_one_year", listMs);
}

// Catches 100 daily rules up by `days` occurrences each.
double catchUpMs(const QString &path, int days)
{
    auto database = openDatabase(path);
    AccountRepository accounts(database.get());
    TransactionRepository transactions(database.get());
    RecurringRepository recurring(database.get());
    Account account;
    account.id = QStringLiteral("bench-account");
    account.name = QStringLiteral("Checking");
    account.createdAt = QDateTime::currentDateTimeUtc();
    account.updatedAt = account.createdAt;
    accounts.insert(account);
    const QDate today = QDate::currentDate();
    for (int i = 0; i < 100; ++i) {
        RecurringTransaction rule;
        rule.id = QStringLiteral("bench-rule-%1").arg(i);
        rule.accountId = account.id;
        rule.payee = QStringLiteral("Daily %1").arg(i);
        rule.amount = -100 - i;
        rule.frequency = RecurringFrequency::Daily;
        rule.startDate = today.addDays(1 - days);
        rule.nextDueDate = rule.startDate;
        rule.createdAt = account.createdAt;
        rule.updatedAt = account.createdAt;
        recurring.insert(rule);
    }
    RecurringService service(&recurring, &transactions, &accounts, database.get());
    int posted = 0;
    const double ms = medianMs(1, [&] {
        // One run posts at most a year per rule; keep going until caught up.
        for (int n = service.postDueThrough(today); n > 0; n = service.postDueThrough(today))
            posted += n;
    });
    if (posted != 100 * days)
        std::fprintf(stderr, "unexpected catch-up: %d posted\n", posted);
    return ms;
}

void benchCatchUp(const QTemporaryDir &dir)
{
    const double yearMs = catchUpMs(dir.filePath(QStringLiteral("catchup-365.db")), 365);
    const double twoYearsMs = catchUpMs(dir.filePath(QStringLiteral("catchup-730.db")), 730);
    printMs("postDueThrough_100_daily_rules_365_days", yearMs);
    printMs("postDueThrough_100_daily_rules_730_days", twoYearsMs);
    std::printf("postDueThrough_730_over_365: %.2fx (target <= 2.5)\n", twoYearsMs / yearMs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    DataGenerator generator;
    // First, while the process's memory holds nothing freed by other runs.
    benchOverlappingEntries(dir);
    benchBackup(dir, generator);
    benchCategoryChain(dir);
    benchCatchUp(dir);
    benchReports(dir, generator);
    return 0;
}
