// Sync figures: a pull of 10,000 server records (50 pages of 200, every
// kind, one transaction in ten split) from the in-process fake service into
// an empty database, against raw prepared INSERTs of the same rows in one
// transaction; and the push phase of 10,000 pending rows (20 batches).

#include "benchutil.h"

#include "../tests/sync/fakesyncservice.h"
#include "../tests/sync/syncfixture.h"
#include "data/sqlvalues.h"
#include "support/datagenerator.h"
#include "sync/syncrecords.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>

using namespace Bench;
using namespace SqlValues;

namespace {

constexpr int kRecords = 10000;

// Every kind, with ten percent of the transactions split in three.
SampleData benchData()
{
    DataGenerator generator;
    SampleData data;
    data.accounts = generator.accounts(10);
    data.categories = generator.categories();
    QList<Category> leaves;
    for (const Category &c : data.categories) {
        if (!c.parentId.isEmpty())
            leaves.append(c);
    }
    for (int i = 0; i < 20; ++i) {
        RecurringTransaction rule;
        rule.id = QStringLiteral("bench-rule-%1").arg(i);
        rule.accountId = data.accounts.at(i % 10).id;
        rule.payee = DataGenerator::payees().at(i % DataGenerator::payees().size());
        rule.amount = -1000 * (i + 1);
        rule.categoryId = leaves.at(i % leaves.size()).id;
        rule.startDate = QDate(2024, 1, 1);
        rule.nextDueDate = QDate(2024, 7, 1);
        rule.createdAt = rule.updatedAt = QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
        data.recurring.append(rule);
    }
    for (int i = 0; i < 10; ++i) {
        Reconciliation r;
        r.id = QStringLiteral("bench-recon-%1").arg(i);
        r.accountId = data.accounts.at(i).id;
        r.statementDate = QDate(2024, 6, 30);
        r.statementBalance = 100000 + i;
        r.reconciledBalance = 100000 + i;
        r.completedAt = r.createdAt = r.updatedAt = QDateTime(QDate(2024, 7, 1), QTime(9, 0), Qt::UTC);
        data.reconciliations.append(r);
    }
    const int transactions = kRecords - int(data.accounts.size() + data.categories.size() + data.recurring.size()
                                            + data.reconciliations.size());
    for (int a = 0; a < 10; ++a) {
        const int count = transactions / 10 + (a < transactions % 10 ? 1 : 0);
        data.transactions += generator.transactions(data.accounts.at(a).id, count, leaves);
    }
    for (int i = 0; i < data.transactions.size(); i += 10) {
        Transaction &t = data.transactions[i];
        t.isSplit = true;
        t.categoryId.clear();
        QList<SplitLine> lines;
        for (int l = 0; l < 3; ++l) {
            SplitLine line;
            line.id = QStringLiteral("%1-%2").arg(t.id).arg(l);
            line.transactionId = t.id;
            line.categoryId = leaves.at((i + l) % leaves.size()).id;
            line.amount = l == 0 ? t.amount - 2 * (t.amount / 3) : t.amount / 3;
            line.memo = QStringLiteral("part %1").arg(l);
            line.createdAt = t.createdAt;
            line.updatedAt = t.updatedAt;
            lines.append(line);
        }
        data.splitLines.insert(t.id, lines);
    }
    return data;
}

void step(RawDb &raw, sqlite3_stmt *statement)
{
    if (sqlite3_step(statement) != SQLITE_DONE)
        std::fprintf(stderr, "raw insert failed: %s\n", sqlite3_errmsg(raw.handle()));
    sqlite3_reset(statement);
}

// The same rows as the pull writes them, through prepared statements.
void rawInsertAll(RawDb &raw, const SampleData &data)
{
    sqlite3_stmt *account = raw.prepare(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'synced', ?, ?, ?)"));
    sqlite3_stmt *category = raw.prepare(QStringLiteral(
        "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, "
        "is_default, account_id, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'synced', ?, ?, ?)"));
    sqlite3_stmt *rule = raw.prepare(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
        "start_date, end_date, next_due_date, auto_post, is_active, transfer_dest_account_id, version, "
        "sync_status, server_id, created_at, updated_at, lead_days, interval_count, semimonthly_day_1, "
        "semimonthly_day_2) VALUES (?, ?, ?, ?, ?, ?, 'monthly', ?, NULL, ?, 0, 1, '', ?, 'synced', ?, ?, ?, 0, "
        "1, 1, 15)"));
    sqlite3_stmt *transaction = raw.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'synced', ?, ?, "
        "?)"));
    sqlite3_stmt *line = raw.prepare(QStringLiteral(
        "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?)"));
    sqlite3_stmt *reconciliation = raw.prepare(QStringLiteral(
        "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
        "completed_at, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, 'synced', ?, ?, ?)"));

    raw.exec("BEGIN");
    for (const Account &a : data.accounts) {
        RawDb::bindText(account, 1, a.id);
        RawDb::bindText(account, 2, a.name);
        RawDb::bindText(account, 3, accountTypeToString(a.accountType));
        RawDb::bindText(account, 4, currencyToString(a.currency));
        RawDb::bindText(account, 5, a.institution);
        RawDb::bindText(account, 6, a.accountNumberLast4);
        sqlite3_bind_int64(account, 7, a.startingBalance);
        sqlite3_bind_int(account, 8, a.sortOrder);
        sqlite3_bind_int(account, 9, a.isShared);
        sqlite3_bind_int(account, 10, a.version);
        RawDb::bindText(account, 11, QStringLiteral("srv-") + a.id);
        RawDb::bindText(account, 12, isoDateTime(a.createdAt));
        RawDb::bindText(account, 13, isoDateTime(a.updatedAt));
        step(raw, account);
    }
    for (const Category &c : data.categories) {
        RawDb::bindText(category, 1, c.id);
        RawDb::bindText(category, 2, c.name);
        RawDb::bindText(category, 3, QStringLiteral("expense"));
        RawDb::bindText(category, 4, c.parentId, true);
        sqlite3_bind_int(category, 5, c.isTaxRelevant);
        RawDb::bindText(category, 6, c.taxCategory);
        RawDb::bindText(category, 7, c.icon);
        RawDb::bindText(category, 8, c.color);
        sqlite3_bind_int(category, 9, c.isDefault);
        RawDb::bindText(category, 10, c.accountId);
        sqlite3_bind_int(category, 11, c.version);
        RawDb::bindText(category, 12, QStringLiteral("srv-") + c.id);
        RawDb::bindText(category, 13, isoDateTime(c.createdAt));
        RawDb::bindText(category, 14, isoDateTime(c.updatedAt));
        step(raw, category);
    }
    for (const RecurringTransaction &r : data.recurring) {
        RawDb::bindText(rule, 1, r.id);
        RawDb::bindText(rule, 2, r.accountId);
        RawDb::bindText(rule, 3, r.payee);
        RawDb::bindText(rule, 4, r.memo);
        sqlite3_bind_int64(rule, 5, r.amount);
        RawDb::bindText(rule, 6, r.categoryId, true);
        RawDb::bindText(rule, 7, isoDate(r.startDate));
        RawDb::bindText(rule, 8, isoDate(r.nextDueDate));
        sqlite3_bind_int(rule, 9, r.version);
        RawDb::bindText(rule, 10, QStringLiteral("srv-") + r.id);
        RawDb::bindText(rule, 11, isoDateTime(r.createdAt));
        RawDb::bindText(rule, 12, isoDateTime(r.updatedAt));
        step(raw, rule);
    }
    for (const Transaction &t : data.transactions) {
        RawDb::bindText(transaction, 1, t.id);
        RawDb::bindText(transaction, 2, t.accountId);
        RawDb::bindText(transaction, 3, isoDate(t.date));
        RawDb::bindText(transaction, 4, t.payee);
        RawDb::bindText(transaction, 5, t.memo);
        sqlite3_bind_int64(transaction, 6, t.amount);
        RawDb::bindText(transaction, 7, t.categoryId, true);
        RawDb::bindText(transaction, 8, t.checkNumber);
        sqlite3_bind_int(transaction, 9, t.cleared);
        sqlite3_bind_int(transaction, 10, t.reconciled);
        RawDb::bindText(transaction, 11, t.transferLinkId);
        RawDb::bindText(transaction, 12, t.transferDestAccountId);
        sqlite3_bind_int(transaction, 13, t.isSplit);
        RawDb::bindText(transaction, 14, t.recurringId);
        sqlite3_bind_int(transaction, 15, t.version);
        RawDb::bindText(transaction, 16, QStringLiteral("srv-") + t.id);
        RawDb::bindText(transaction, 17, isoDateTime(t.createdAt));
        RawDb::bindText(transaction, 18, isoDateTime(t.updatedAt));
        step(raw, transaction);
        for (const SplitLine &l : data.splitLines.value(t.id)) {
            RawDb::bindText(line, 1, l.id);
            RawDb::bindText(line, 2, t.id);
            RawDb::bindText(line, 3, l.categoryId);
            sqlite3_bind_int64(line, 4, l.amount);
            RawDb::bindText(line, 5, l.memo);
            RawDb::bindText(line, 6, isoDateTime(l.createdAt));
            RawDb::bindText(line, 7, isoDateTime(l.updatedAt));
            step(raw, line);
        }
    }
    for (const Reconciliation &r : data.reconciliations) {
        RawDb::bindText(reconciliation, 1, r.id);
        RawDb::bindText(reconciliation, 2, r.accountId);
        RawDb::bindText(reconciliation, 3, isoDate(r.statementDate));
        sqlite3_bind_int64(reconciliation, 4, r.statementBalance);
        sqlite3_bind_int64(reconciliation, 5, r.reconciledBalance);
        RawDb::bindText(reconciliation, 6, isoDateTime(r.completedAt));
        sqlite3_bind_int(reconciliation, 7, r.version);
        RawDb::bindText(reconciliation, 8, QStringLiteral("srv-") + r.id);
        RawDb::bindText(reconciliation, 9, isoDateTime(r.createdAt));
        RawDb::bindText(reconciliation, 10, isoDateTime(r.updatedAt));
        step(raw, reconciliation);
    }
    raw.exec("COMMIT");
    for (sqlite3_stmt *statement : {account, category, rule, transaction, line, reconciliation})
        sqlite3_finalize(statement);
}

// Median of runs that time themselves, leaving their set-up out.
double elapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}


} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const SampleData data = benchData();

    // Pull into an empty database, one run per fresh database.
    const double pullMs = Bench::medianOfRuns(3, [&] {
        SyncHarness harness;
        data.putInto(*harness.service);
        LocalStore device(harness.server.url());
        QSignalSpy completed(device.engine.get(), &SyncEngine::syncCompleted);
        QSignalSpy failed(device.engine.get(), &SyncEngine::syncFailed);
        QElapsedTimer timer;
        timer.start();
        device.engine->syncNow();
        const bool done = waitUntil([&] { return !completed.isEmpty() || !failed.isEmpty(); }, 120000);
        const double ms = elapsedMs(timer);
        if (!done || !failed.isEmpty() || harness.service->pullCount() != 50
            || device.count("SELECT COUNT(*) FROM transactions") != int(data.transactions.size())
            || device.count("SELECT COUNT(*) FROM split_lines") != 3 * int(data.splitLines.size()))
            std::fprintf(stderr, "pull did not complete as expected\n");
        return ms;
    });

    const double rawMs = Bench::medianOfRuns(3, [&] {
        LocalStore empty; // the same migrated schema
        RawDb raw(empty.dir.filePath(QStringLiteral("tallyra.db")));
        QElapsedTimer timer;
        timer.start();
        rawInsertAll(raw, data);
        return elapsedMs(timer);
    });

    // The push phase: from syncNow until the pull starts.
    const double pushMs = Bench::medianOfRuns(3, [&] {
        SyncHarness harness;
        LocalStore device(harness.server.url());
        {
            BulkWriteScope bulk(device.database.get());
            SqlTransaction transaction(device.database.get());
            device.insert(data);
            transaction.commit();
        }
        bool pulling = false;
        QObject::connect(&harness.server, &FakeServer::requestReceived, [&pulling](const FakeRequest &request) {
            pulling = pulling || request.method == QLatin1String("GET");
        });
        QElapsedTimer timer;
        timer.start();
        device.engine->syncNow();
        waitUntil([&] { return pulling; }, 120000);
        const double ms = elapsedMs(timer);
        if (harness.service->pushCount() != 20 || !device.pendingRows().isEmpty())
            std::fprintf(stderr, "push did not complete as expected\n");
        return ms;
    });

    printRatio("pull_10k_records_vs_raw_insert", pullMs, rawMs, 4.0);
    printMs("pull_10k_records", pullMs);
    printMs("raw_insert_10k_records", rawMs);
    printMs("push_10k_pending_rows", pushMs);
    return 0;
}
