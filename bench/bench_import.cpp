// Times the importers against raw prepared INSERTs of the rows they store,
// through the sqlite3 C API on a database with the same schema, indexes and
// full-text triggers; and the peak memory of reading large CSV and QIF files
// against their size. Prints one line per figure.

#include "benchutil.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/recordid.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvparser.h"
#include "services/importservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <malloc.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

const QStringList kAccounts{QStringLiteral("Checking"), QStringLiteral("Savings"), QStringLiteral("Visa"),
                            QStringLiteral("Cash")};
const QStringList kCategories{QStringLiteral("Groceries"), QStringLiteral("Rent"),  QStringLiteral("Fuel"),
                              QStringLiteral("Dining"),    QStringLiteral("Books"), QStringLiteral("Travel")};

QByteArray qifDate(const QDate &date)
{
    return QByteArray::number(date.month()) + '/' + QByteArray::number(date.day()) + '/'
           + QByteArray::number(date.year());
}

QByteArray qifAmount(qint64 cents)
{
    const qint64 magnitude = cents < 0 ? -cents : cents;
    return QByteArray(cents < 0 ? "-" : "") + QByteArray::number(magnitude / 100) + '.'
           + QByteArray::number(magnitude % 100).rightJustified(2, '0');
}

// A QIF file of `count` transactions over four accounts: about 10% of them
// are transfer legs (both legs present), 5% are splits. Fixed seed.
QByteArray generateQif(int count)
{
    QRandomGenerator random(20240101);
    QList<QByteArray> blocks(kAccounts.size());
    const QDate start(2019, 1, 1);
    for (int i = 0; i < count;) {
        const int account = int(random.bounded(kAccounts.size()));
        const QDate date = start.addDays(random.bounded(5 * 365));
        const qint64 amount = -qint64(random.bounded(1, 50000));
        const int kind = int(random.bounded(100));
        QByteArray &block = blocks[account];
        if (kind < 5 && i + 1 < count) {
            const int other = (account + 1 + int(random.bounded(kAccounts.size() - 1))) % kAccounts.size();
            block += "D" + qifDate(date) + "\nPTransfer " + QByteArray::number(i) + "\nT" + qifAmount(amount) + "\nL["
                     + kAccounts[other].toUtf8() + "]\n^\n";
            blocks[other] += "D" + qifDate(date) + "\nPTransfer " + QByteArray::number(i) + "\nT" + qifAmount(-amount)
                             + "\nL[" + kAccounts[account].toUtf8() + "]\n^\n";
            i += 2;
            continue;
        }
        block += "D" + qifDate(date) + "\nPShop " + QByteArray::number(i) + "\nT" + qifAmount(amount) + "\nMmemo "
                 + QByteArray::number(i % 97) + "\n";
        if (kind < 10) {
            const qint64 first = amount / 2;
            block += "S" + kCategories[i % kCategories.size()].toUtf8() + "\n$" + qifAmount(first) + "\nS"
                     + kCategories[(i + 1) % kCategories.size()].toUtf8() + "\n$" + qifAmount(amount - first) + "\n";
        } else {
            block += "L" + kCategories[i % kCategories.size()].toUtf8() + "\n";
        }
        block += "C*\n^\n";
        ++i;
    }
    QByteArray file = "!Type:Cat\n";
    for (const QString &category : kCategories)
        file += "N" + category.toUtf8() + "\nE\n^\n";
    for (int a = 0; a < kAccounts.size(); ++a)
        file += "!Account\nN" + kAccounts[a].toUtf8() + "\nTBank\n^\n!Type:Bank\n" + blocks[a];
    return file;
}

QByteArray generateCsv(int count)
{
    QRandomGenerator random(20240202);
    QByteArray file = "Date,Payee,Amount,Memo,Category\n";
    const QDate start(2019, 1, 1);
    for (int i = 0; i < count; ++i) {
        const QDate date = start.addDays(random.bounded(5 * 365));
        file += date.toString(QStringLiteral("MM/dd/yyyy")).toUtf8() + ",\"Shop " + QByteArray::number(i) + "\","
                + qifAmount(-qint64(random.bounded(1, 50000))) + ",memo " + QByteArray::number(i % 97) + ","
                + kCategories[i % kCategories.size()].toUtf8() + "\n";
    }
    return file;
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

// One database with the services on it.
struct Store
{
    std::unique_ptr<Database> database = std::make_unique<Database>();
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<CategoryRepository> categories;
    std::unique_ptr<SplitLineRepository> splitLines;
    std::unique_ptr<ImportService> service;
    QHash<QString, QString> mapping;

    explicit Store(const QString &path)
    {
        if (!database->open(path) || !database->migrate())
            qFatal("cannot open %s", qPrintable(path));
        accounts = std::make_unique<AccountRepository>(database.get());
        transactions = std::make_unique<TransactionRepository>(database.get());
        categories = std::make_unique<CategoryRepository>(database.get());
        splitLines = std::make_unique<SplitLineRepository>(database.get());
        service = std::make_unique<ImportService>(transactions.get(), categories.get(), splitLines.get(),
                                                  database.get());
        for (const QString &name : kAccounts) {
            Account account;
            account.id = newRecordId();
            account.name = name;
            account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
            accounts->insert(account);
            mapping.insert(name, account.id);
        }
    }
};

struct TableRows
{
    QString table;
    int columns = 0;
    QList<QVariantList> rows;
};

QList<TableRows> readRows(Database *database, const QStringList &tables)
{
    QList<TableRows> result;
    for (const QString &table : tables) {
        TableRows rows;
        rows.table = table;
        QSqlQuery query(*database->db());
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT * FROM ") + table);
        rows.columns = query.record().count();
        while (query.next()) {
            QVariantList values;
            for (int c = 0; c < rows.columns; ++c)
                values << query.value(c);
            rows.rows << values;
        }
        result << rows;
    }
    return result;
}

// Raw baseline: the same rows through prepared statements in one transaction.
qint64 rawInsertMs(const QString &path, const QList<TableRows> &accountRows, const QList<TableRows> &data)
{
    {
        Database schema;
        if (!schema.open(path) || !schema.migrate())
            qFatal("cannot create %s", qPrintable(path));
    }
    sqlite3 *db = nullptr;
    sqlite3_open(path.toUtf8().constData(), &db);
    sqlite3_exec(db, "PRAGMA foreign_keys=ON; PRAGMA synchronous=NORMAL;", nullptr, nullptr, nullptr);

    auto insertAll = [db](const QList<TableRows> &tables) {
        for (const TableRows &rows : tables) {
            QByteArray sql = "INSERT INTO " + rows.table.toUtf8() + " VALUES (";
            for (int c = 0; c < rows.columns; ++c)
                sql += c == 0 ? "?" : ",?";
            sql += ")";
            sqlite3_stmt *statement = nullptr;
            sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
            for (const QVariantList &values : rows.rows) {
                for (int c = 0; c < rows.columns; ++c) {
                    const QVariant &value = values[c];
                    if (value.isNull()) {
                        sqlite3_bind_null(statement, c + 1);
                    } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
                        sqlite3_bind_int64(statement, c + 1, value.toLongLong());
                    } else {
                        const QByteArray text = value.toString().toUtf8();
                        sqlite3_bind_text(statement, c + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
                    }
                }
                if (sqlite3_step(statement) != SQLITE_DONE)
                    qFatal("raw insert failed: %s", sqlite3_errmsg(db));
                sqlite3_reset(statement);
            }
            sqlite3_finalize(statement);
        }
    };

    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    insertAll(accountRows);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);

    QElapsedTimer timer;
    timer.start();
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    insertAll(data);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    const qint64 elapsed = timer.elapsed();
    sqlite3_close(db);
    return elapsed;
}

void printRatio(const char *name, qint64 measured, qint64 baseline, double target)
{
    std::printf("%s: %.2fx (target <= %.1f)\n", name, double(measured) / double(qMax<qint64>(1, baseline)), target);
}

void printMs(const char *name, qint64 ms)
{
    std::printf("%s: %lld ms\n", name, static_cast<long long>(ms));
}

constexpr qint64 kMiB = 1024 * 1024;

// Writes `size` bytes made of `unit` repeated, a piece at a time, so that
// the file is never held in memory.
void writeRepeated(const QString &path, const QByteArray &unit, qint64 size, const QByteArray &end)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray piece;
    while (piece.size() + unit.size() <= kMiB)
        piece += unit;
    qint64 written = 0;
    while (written + piece.size() <= size - end.size()) {
        if (file.write(piece) != piece.size())
            qFatal("cannot write %s", qPrintable(path));
        written += piece.size();
    }
    const QByteArray rest = QByteArray(unit).repeated((size - end.size() - written) / unit.size() + 1)
                                .left(size - end.size() - written)
                            + end;
    if (file.write(rest) != rest.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Resident memory above the start of `work` at its peak, in MiB.
double peakMiB(const std::function<void()> &work)
{
    // Memory freed by the earlier figures would otherwise be reused unseen.
    malloc_trim(0);
    if (!Bench::resetResidentPeak())
        std::fprintf(stderr, "the peak could not be reset: it covers the whole run so far\n");
    const qint64 before = Bench::residentKiB("VmRSS:");
    work();
    return double(Bench::residentKiB("VmHWM:") - before) / 1024.0;
}

// A QIF file of 64 MiB (over a million records) read, analysed and imported
// as the import screen does it: the whole run stays within three times the
// file's size.
void benchLargeQif(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("64mb.qif"));
    const qint64 size = 64 * kMiB;
    qint64 written = 0;
    {
        const qsizetype sample = generateQif(10000).size();
        QByteArray content = generateQif(int(size * 10000 / sample));
        written = content.size();
        writeFile(path, content);
    }
    Store store(dir.filePath(QStringLiteral("qif64.db")));
    QifAnalysis analysis;
    ImportResult result;
    QElapsedTimer timer;
    timer.start();
    const double peak = peakMiB([&] {
        analysis = store.service->analyzeQifFiles({path});
        result = store.service->importQif(analysis, store.mapping);
        analysis = QifAnalysis();
    });
    const qint64 ms = timer.elapsed();
    QFile::remove(path);
    std::printf("qif_read_64mb_peak: %.1f MiB (target <= %lld; %.1f MiB file, %d imported, %d transfers linked)\n",
                peak, 3 * size / kMiB, double(written) / kMiB, result.imported, result.transfersLinked);
    printMs("qif_read_64mb_time", ms);
}

// A sparse CSV file of 16 GiB, chosen for the preview and then imported: it
// is refused by its size before any of it is read.
void benchSparseCsv(const QTemporaryDir &dir, Store &store, const CsvImportMapping &mapping)
{
    const QString path = dir.filePath(QStringLiteral("sparse.csv"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(16 * 1024 * kMiB))
            qFatal("cannot make the sparse file %s", qPrintable(path));
    }
    CsvParser::FileRead preview;
    ImportResult result;
    const double peak = peakMiB([&] {
        preview = CsvParser::readFile(path);
        result = store.service->importCsv(path, store.mapping.value(QStringLiteral("Cash")), mapping);
    });
    QFile::remove(path);
    const bool refused = preview.refusal.reason == ImportFileRefusal::Reason::TooLarge
                         && result.refusal.reason == ImportFileRefusal::Reason::TooLarge;
    std::printf("csv_sparse_16gb_refused_peak: %.1f MiB (target <= 64; %s)\n", peak,
                refused ? qPrintable(QStringLiteral("refused: larger than %1 MB").arg(kMaxImportFileSize / kMiB))
                        : "not refused by its size");
}

// A CSV file of one 256 MiB line (29 million cells) imported: its row is
// refused once it passes the longest row a file may hold, and the reading
// stays within three times the file's size (it once took 2.97 GB).
void benchOneLineCsv(const QTemporaryDir &dir, Store &store, const CsvImportMapping &mapping)
{
    const QString path = dir.filePath(QStringLiteral("one-line.csv"));
    const qint64 size = 256 * kMiB;
    writeRepeated(path, "-1234.56,", size, "\n");
    ImportResult result;
    QElapsedTimer timer;
    timer.start();
    const double peak = peakMiB([&] {
        result = store.service->importCsv(path, store.mapping.value(QStringLiteral("Cash")), mapping);
    });
    const qint64 ms = timer.elapsed();
    QFile::remove(path);
    if (result.refusal.reason == ImportFileRefusal::Reason::RowTooLong) {
        std::printf("csv_one_line_256mb_peak: %.1f MiB (target <= %lld; refused: the row on line %lld is longer than "
                    "%lld characters)\n",
                    peak, 3 * size / kMiB, static_cast<long long>(result.refusal.line),
                    static_cast<long long>(CsvParser::kMaxRowLength));
    } else {
        std::printf("csv_one_line_256mb_peak: %.1f MiB (target <= %lld; %d imported, %d skipped)\n", peak,
                    3 * size / kMiB, result.imported, result.skipped);
    }
    printMs("csv_one_line_256mb_time", ms);
}

// Reading a 64 MiB bank export of a million short rows, kept whole for the
// import: the table of its cells stays within three times the file's size.
void benchManyRowsCsv(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("many-rows.csv"));
    const qint64 size = 64 * kMiB;
    writeRepeated(path, "29.12.2024;\"Corner Shop 1234\";-1.234,56;card payment 0042;Groceries\r\n", size, "");
    qsizetype rows = 0;
    QElapsedTimer timer;
    timer.start();
    const double peak = peakMiB([&] { rows = CsvParser::readFile(path).table.rowCount(); });
    const qint64 ms = timer.elapsed();
    QFile::remove(path);
    std::printf("csv_read_64mb_rows_peak: %.1f MiB (target <= %lld; %lld rows)\n", peak, 3 * size / kMiB,
                static_cast<long long>(rows));
    printMs("csv_read_64mb_rows_time", ms);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false\ndefault.info=false"));
    QTemporaryDir dir;
    // First, while the process holds little: peaks of large files.
    benchLargeQif(dir);

    const QStringList dataTables{QStringLiteral("categories"), QStringLiteral("transactions"),
                                 QStringLiteral("split_lines")};

    // 1. QIF import of 50k transactions into an empty database.
    const QString qifPath = dir.filePath(QStringLiteral("large.qif"));
    writeFile(qifPath, generateQif(50000));
    {
        Store store(dir.filePath(QStringLiteral("qif.db")));
        QElapsedTimer timer;
        timer.start();
        const ImportResult result = store.service->importQif({qifPath}, store.mapping);
        const qint64 importMs = timer.elapsed();
        const qint64 rawMs = rawInsertMs(dir.filePath(QStringLiteral("qif-raw.db")),
                                         readRows(store.database.get(), {QStringLiteral("accounts")}),
                                         readRows(store.database.get(), dataTables));
        std::printf("qif rows: %d imported, %d transfers linked, %d failed\n", result.imported,
                    result.transfersLinked, result.failed);
        printMs("qif_import_50k", importMs);
        printMs("qif_raw_insert_50k", rawMs);
        printRatio("qif_import_vs_raw", importMs, rawMs, 3.0);
    }

    // 2. CSV import of 50k rows into one account.
    const QString csvPath = dir.filePath(QStringLiteral("large.csv"));
    writeFile(csvPath, generateCsv(50000));
    {
        Store store(dir.filePath(QStringLiteral("csv.db")));
        CsvImportMapping mapping;
        mapping.dateColumn = 0;
        mapping.payeeColumn = 1;
        mapping.amountColumn = 2;
        mapping.memoColumn = 3;
        mapping.categoryColumn = 4;
        mapping.hasHeader = true;
        QElapsedTimer timer;
        timer.start();
        const ImportResult result =
            store.service->importCsv(csvPath, store.mapping.value(QStringLiteral("Checking")), mapping);
        const qint64 importMs = timer.elapsed();
        const qint64 rawMs = rawInsertMs(dir.filePath(QStringLiteral("csv-raw.db")),
                                         readRows(store.database.get(), {QStringLiteral("accounts")}),
                                         readRows(store.database.get(), dataTables));
        std::printf("csv rows: %d imported\n", result.imported);
        printMs("csv_import_50k", importMs);
        printMs("csv_raw_insert_50k", rawMs);
        printRatio("csv_import_vs_raw", importMs, rawMs, 3.0);

        benchOneLineCsv(dir, store, mapping);
        benchSparseCsv(dir, store, mapping);
    }
    benchManyRowsCsv(dir);

    // 3. Re-import (every record a duplicate) at two sizes.
    // Best of three runs each, so that load from other processes does not
    // pass for growth.
    qint64 reimportMs[2] = {0, 0};
    const int sizes[2] = {25000, 50000};
    for (int s = 0; s < 2; ++s) {
        const QString path = dir.filePath(QStringLiteral("re%1.qif").arg(sizes[s]));
        writeFile(path, generateQif(sizes[s]));
        Store store(dir.filePath(QStringLiteral("re%1.db").arg(sizes[s])));
        store.service->importQif({path}, store.mapping);
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            const ImportResult again = store.service->importQif({path}, store.mapping);
            const qint64 elapsed = timer.elapsed();
            reimportMs[s] = run == 0 ? elapsed : qMin(reimportMs[s], elapsed);
            if (again.imported != 0)
                std::printf("re-import stored %d rows\n", again.imported);
        }
    }
    printMs("qif_reimport_25k", reimportMs[0]);
    printMs("qif_reimport_50k", reimportMs[1]);
    printRatio("qif_reimport_50k_vs_25k", reimportMs[1], reimportMs[0], 2.5);
    return 0;
}
