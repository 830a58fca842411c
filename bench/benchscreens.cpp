// Payee and category screen figures against the sqlite3 C API on the same
// rows: the payee list over 1M transactions with 100k and with 500 payees,
// merging 20 payees that cover 50k transactions, the category tree of
// 2,000 categories, and category chains 20,000 and 100,000 levels deep.

#include "benchtransactions.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "screens/categoriesscreen.h"
#include "screens/categorytreemodel.h"
#include "screens/payeescreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>
#include <QUuid>

#include <memory>

using namespace Bench;

namespace {

constexpr int kAccounts = 10;
constexpr int kTransactions = 1000000;
constexpr int kDistinctPayees = 100000;
// Every 20th row belongs to one of 20 merge payees: 50k rows in all.
constexpr int kMergePayees = 20;
constexpr int kMergeStride = 20;
constexpr int kParentCategories = 200;
constexpr int kChildrenEach = 9;

QString mergePayee(int k)
{
    return QStringLiteral("Merge Payee %1").arg(k);
}

// The merge payees get back their texts; rowid n is the n-th row written.
const char kRestoreSql[] = "UPDATE transactions SET payee = 'Merge Payee ' || (((rowid - 1) / 20) % 20) "
                           "WHERE payee = 'Merged'";

const char kRawMergeSql[] =
    "UPDATE transactions SET payee = 'Merged', updated_at = ?, version = version + 1, sync_status = 'pending' "
    "WHERE deleted_at IS NULL AND payee IN (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

const char kDistinctPayeesSql[] =
    "SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' ORDER BY payee";
const char kPayeeStepsSql[] =
    "WITH RECURSIVE p(payee) AS (SELECT MIN(payee) FROM transactions WHERE deleted_at IS NULL AND payee > '' "
    "UNION ALL SELECT (SELECT MIN(t.payee) FROM transactions t WHERE t.deleted_at IS NULL AND t.payee > p.payee) "
    "FROM p WHERE p.payee IS NOT NULL) SELECT payee FROM p WHERE payee IS NOT NULL";
constexpr int kFewPayees = 500;

const char kCategoriesSql[] =
    "SELECT id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, version, "
    "sync_status, server_id, created_at, updated_at, deleted_at FROM categories WHERE deleted_at IS NULL ORDER BY "
    "name";

void createTransactions(const QString &path)
{
    createAccountsWithTransactions(path, kAccounts, [](int) { return kTransactions / kAccounts; },
        [](Transaction &transaction, int position) {
            if (position % kMergeStride == 0)
                transaction.payee = mergePayee((position / kMergeStride) % kMergePayees);
            else
                transaction.payee += QStringLiteral(" #%1").arg(position % kDistinctPayees);
        });
}

// 200 parents with 9 children each, named from the generator's payees.
void createCategories(AppState &app)
{
    const QStringList &names = DataGenerator::payees();
    BulkWriteScope bulk(app.database());
    SqlTransaction sql(app.database());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int p = 0; p < kParentCategories; ++p) {
        Category parent;
        parent.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        parent.name = QStringLiteral("%1 %2").arg(names.at(p % names.size())).arg(p);
        parent.createdAt = now;
        parent.updatedAt = now;
        app.categoryRepository()->insert(parent);
        for (int c = 0; c < kChildrenEach; ++c) {
            Category child = parent;
            child.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            child.name = QStringLiteral("%1 %2").arg(names.at((p + c * 7) % names.size())).arg(c);
            child.parentId = parent.id;
            app.categoryRepository()->insert(child);
        }
    }
    sql.commit();
}

// Adds the levels from `from` to `to` to the chain "chain-000000" (the top)
// > "chain-000001" > ...
void extendCategoryChain(RawDb &raw, int from, int to)
{
    const auto id = [](int level) { return QStringLiteral("chain-%1").arg(level, 6, 10, QLatin1Char('0')); };
    sqlite3_stmt *insert = raw.prepare(QStringLiteral(
        "INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES (?, ?, ?, "
        "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    raw.exec("BEGIN");
    for (int level = from; level < to; ++level) {
        RawDb::bindText(insert, 1, id(level));
        RawDb::bindText(insert, 2, QStringLiteral("Level %1").arg(level));
        RawDb::bindText(insert, 3, level == 0 ? QString() : id(level - 1), true);
        if (sqlite3_step(insert) != SQLITE_DONE)
            std::fprintf(stderr, "chain insert failed: %s\n", sqlite3_errmsg(raw.handle()));
        sqlite3_reset(insert);
    }
    raw.exec("COMMIT");
    sqlite3_finalize(insert);
}

void restoreMergePayees(RawDb &raw)
{
    raw.exec(kRestoreSql);
}

// A category chain 20,000 and then 100,000 levels deep, each category the
// child of the one before, ids rising from the top, on a database of its own:
// building the tree is linear in the categories, so five times the levels
// take about five times as long. It runs first, before a million rows have
// passed through the process's heap and made every allocation dearer.
bool benchCategoryChain(const QTemporaryDir &dir)
{
    const QString folder = dir.filePath(QStringLiteral("chain"));
    QDir().mkpath(folder);
    const QByteArray mainFolder = qgetenv("TALLYRA_DATA_DIR");
    qputenv("TALLYRA_DATA_DIR", QFile::encodeName(folder));
    {
        AppState app;
        if (!app.initialize())
            return false;
        RawDb raw(folder + QStringLiteral("/tallyra.db"));
        raw.exec("UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'");
        CategoriesScreen screen(&app);
        screen.resize(700, 600);
        screen.show();
        double chainMs[2] = {0, 0};
        const int depths[2] = {20000, 100000};
        int depth = 0;
        for (int d = 0; d < 2; ++d) {
            extendCategoryChain(raw, depth, depths[d]);
            depth = depths[d];
            chainMs[d] = medianMs(5, [&] {
                screen.reload();
                if (screen.proxy()->rowCount() != 1)
                    std::fprintf(stderr, "unexpected chain top-level count %d\n", screen.proxy()->rowCount());
            });
        }
        printMs("categories_chain_20000", chainMs[0]);
        printMs("categories_chain_100000", chainMs[1]);
        printRatio("categories_chain_100000_vs_20000", chainMs[1], chainMs[0], 7.0);
    }
    qputenv("TALLYRA_DATA_DIR", mainFolder);
    return true;
}

// The payee list where 500 payees share 1M transactions, on a database of
// its own, against SELECT DISTINCT and against stepping from payee to payee
// through the payee index (one seek each), both raw.
void benchFewPayees(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("few-payees.db"));
    createAccountsWithTransactions(path, kAccounts, [](int) { return kTransactions / kAccounts; },
        [](Transaction &transaction, int position) {
            transaction.payee = QStringLiteral("Payee %1").arg(position % kFewPayees);
        });
    auto database = std::make_unique<Database>();
    if (!database->open(path) || !database->migrate())
        return;
    TransactionRepository transactions(database.get());
    RawDb raw(path);
    const auto rawMs = [&raw](const char *sql) {
        sqlite3_stmt *statement = raw.prepare(QString::fromLatin1(sql));
        const double ms = medianMs(3, [&] { raw.readAll(statement); });
        sqlite3_finalize(statement);
        return ms;
    };
    const double distinctMs = rawMs(kDistinctPayeesSql);
    const double stepsMs = rawMs(kPayeeStepsSql);
    const double listMs = medianMs(3, [&] {
        if (transactions.distinctPayees().size() != kFewPayees)
            std::fprintf(stderr, "unexpected payee count\n");
    });
    printRatio("payee_list_500_of_1m_vs_raw_select_distinct", listMs, distinctMs, 1.5);
    printRatio("payee_list_500_of_1m_vs_raw_index_steps", listMs, stepsMs, 1.5);
    printMs("payee_list_500_of_1m", listMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    useTemporaryDirectory(dir);
    QApplication application(argc, argv);
    const QString path = dir.filePath(QStringLiteral("tallyra.db"));
    if (!benchCategoryChain(dir))
        return 1;
    createTransactions(path);

    AppState app;
    if (!app.initialize())
        return 1;
    RawDb raw(path);

    // 1. The payee list: every distinct payee of 1M transactions.
    {
        sqlite3_stmt *select = raw.prepare(QString::fromLatin1(kDistinctPayeesSql));
        int distinct = 0;
        const double rawMs = medianMs(3, [&] { distinct = raw.readAll(select); });
        sqlite3_finalize(select);
        PayeeScreen screen(&app);
        screen.resize(550, 500);
        screen.show();
        const double reloadMs = medianMs(3, [&] {
            screen.reloadPayees();
            const int listed = screen.payeeList()->model()->rowCount();
            if (listed != distinct)
                std::fprintf(stderr, "unexpected payee count %d of %d\n", listed, distinct);
        });
        printRatio("payee_list_100k_of_1m_vs_raw_select_distinct", reloadMs, rawMs, 1.5);
        printMs("payee_list_100k_of_1m", reloadMs);
    }
    benchFewPayees(dir);

    // 2. Merging 20 payees of 50k transactions into one, against one raw
    // UPDATE of the same rows; each run starts from the same texts.
    {
        QStringList merged;
        for (int k = 0; k < kMergePayees; ++k)
            merged.append(mergePayee(k));
        sqlite3_stmt *update = raw.prepare(QString::fromLatin1(kRawMergeSql));
        const double rawMs = medianOfRuns(3, [&] {
            QElapsedTimer timer;
            timer.start();
            RawDb::bindText(update, 1, SqlValues::nowUtcIso());
            for (int k = 0; k < kMergePayees; ++k)
                RawDb::bindText(update, k + 2, merged.at(k));
            raw.exec("BEGIN");
            if (sqlite3_step(update) != SQLITE_DONE)
                std::fprintf(stderr, "raw merge failed: %s\n", sqlite3_errmsg(raw.handle()));
            const int changed = sqlite3_changes(raw.handle());
            raw.exec("COMMIT");
            sqlite3_reset(update);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            if (changed != kTransactions / kMergeStride)
                std::fprintf(stderr, "raw merge changed %d rows\n", changed);
            restoreMergePayees(raw);
            return ms;
        });
        sqlite3_finalize(update);
        const double mergeMs = medianOfRuns(3, [&] {
            QElapsedTimer timer;
            timer.start();
            const int changed = app.transactionRepository()->renamePayees(merged, QStringLiteral("Merged")).renamed;
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            if (changed != kTransactions / kMergeStride)
                std::fprintf(stderr, "merge changed %d rows\n", changed);
            restoreMergePayees(raw);
            return ms;
        });
        printRatio("payee_merge_20_of_50k_rows_vs_raw_update", mergeMs, rawMs, 1.5);
        printMs("payee_merge_20_of_50k_rows", mergeMs);
    }

    // 3. The category tree of 2,000 categories.
    {
        // Only the generated tree is live.
        raw.exec("UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'");
        createCategories(app);
        sqlite3_stmt *select = raw.prepare(QString::fromLatin1(kCategoriesSql));
        const double rawMs = medianMs(21, [&] { raw.readAll(select); });
        sqlite3_finalize(select);
        CategoriesScreen screen(&app);
        screen.resize(700, 600);
        screen.show();
        const double reloadMs = medianMs(21, [&] {
            screen.reload();
            if (screen.proxy()->rowCount() != kParentCategories)
                std::fprintf(stderr, "unexpected top-level count %d\n", screen.proxy()->rowCount());
        });
        printRatio("categories_tree_2000_vs_raw_select", reloadMs, rawMs, 3.0);
        printMs("categories_tree_2000", reloadMs);
    }

    return 0;
}
