// Reconciliation figures against the sqlite3 C API on the same rows: opening
// the screen on 100k unreconciled rows, finishing with 10k ticked rows, and
// toggling one row on a large and on a small account.

#include "benchutil.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "register/smartamountfield.h"
#include "register/userprompts.h"
#include "screens/reconciliationactions.h"
#include "screens/reconciliationmodel.h"
#include "screens/reconciliationscreen.h"
#include "support/datagenerator.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace Bench;

namespace {

const char kUnreconciledSql[] =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at FROM transactions t WHERE t.account_id = ? "
    "AND t.deleted_at IS NULL AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC";

const char kMarkSql[] = "UPDATE transactions SET cleared = 1, reconciled = 1, version = version + 1, updated_at = ?, "
                        "sync_status = 'pending' WHERE id = ?";

// Unreconciled rows; none cleared, so the screen opens with nothing ticked.
void fill(AppState *app, const QString &accountId, QList<Transaction> transactions)
{
    BulkWriteScope bulk(app->database());
    SqlTransaction sql(app->database());
    for (Transaction &transaction : transactions) {
        transaction.cleared = false;
        transaction.reconciled = false;
        transaction.accountId = accountId;
        app->transactionRepository()->insert(transaction);
    }
    sql.commit();
}

double toggleMedianMs(ReconciliationScreen &screen, int rows)
{
    QTableView *table = screen.table();
    return medianOfRuns(41, [&] {
        static int run = 0;
        table->setCurrentIndex(screen.model()->index((run++ * 7919) % rows, ReconciliationModel::PayeeColumn));
        QElapsedTimer timer;
        timer.start();
        const bool before = screen.model()->isTicked(table->currentIndex().row());
        QTest::keyClick(table, Qt::Key_Space);
        if (screen.model()->isTicked(table->currentIndex().row()) == before)
            std::fprintf(stderr, "Space did not toggle\n");
        return double(timer.nsecsElapsed()) / 1e6;
    });
}

// Answers every message box at once, so no modal loop runs.
class SilentPrompts : public UserPrompts
{
public:
    void information(QWidget *, const QString &, const QString &) override {}
    void warning(QWidget *, const QString &, const QString &text) override
    {
        std::fprintf(stderr, "warning: %s\n", qPrintable(text));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    useTemporaryDirectory(dir);
    QApplication application(argc, argv);

    DataGenerator generator;
    QList<Account> accounts = generator.accounts(3);
    for (Account &account : accounts) {
        account.startingBalance = 0;
        account.accountType = AccountType::Checking;
        account.currency = Currency::USD;
    }
    const QList<Category> categories = generator.categories();
    const QString large = accounts[0].id;
    const QString small = accounts[1].id;
    const QString finishing = accounts[2].id;

    SilentPrompts prompts;
    UserPrompts::setCurrent(&prompts);
    AppState app;
    if (!app.initialize())
        return 1;
    for (const Account &account : accounts)
        app.accountRepository()->insert(account);
    for (const Category &category : categories)
        app.categoryRepository()->insert(category);
    fill(&app, large, generator.transactions(large, 100000, categories));
    fill(&app, small, generator.transactions(small, 1000, categories));

    RawDb raw(dir.filePath(QStringLiteral("tallyra.db")));

    // 1. Opening the screen: every unreconciled row, the previous balance and
    // the summary.
    sqlite3_stmt *select = raw.prepare(QString::fromLatin1(kUnreconciledSql));
    RawDb::bindText(select, 1, large);
    const double rawSelectMs = medianMs(7, [&] { raw.readAll(select); });
    sqlite3_finalize(select);
    const double openMs = medianMs(7, [&] {
        ReconciliationScreen screen(&app);
        screen.setAccount(large);
        if (screen.model()->rowCount() != 100000)
            std::fprintf(stderr, "unexpected row count %d\n", screen.model()->rowCount());
    });
    printRatio("reconcile_open_100k_vs_raw_select", openMs, rawSelectMs, 2.5);
    printMs("reconcile_open_100k", openMs);

    // 2. Toggling one row with Space, on 100k rows and on 1k rows.
    {
        ReconciliationScreen largeScreen(&app);
        largeScreen.resize(1100, 720);
        largeScreen.show();
        largeScreen.setAccount(large);
        ReconciliationScreen smallScreen(&app);
        smallScreen.resize(1100, 720);
        smallScreen.show();
        smallScreen.setAccount(small);
        QApplication::processEvents();
        const double largeToggle = toggleMedianMs(largeScreen, 100000);
        const double smallToggle = toggleMedianMs(smallScreen, 1000);
        printRatio("reconcile_toggle_100k_vs_1k", largeToggle, smallToggle, 2.0);
        std::printf("reconcile_toggle_100k_median: %.3f ms\n", largeToggle);
    }

    // 3. Finishing with 10k ticked rows, against one prepared UPDATE per row
    // in one SQL transaction. Each run reconciles fresh rows.
    sqlite3_stmt *mark = raw.prepare(QString::fromLatin1(kMarkSql));
    const double rawFinishMs = medianOfRuns(5, [&] {
        fill(&app, finishing, generator.transactions(finishing, 10000, categories));
        QList<QString> ids;
        for (const Transaction &t : app.transactionRepository()->listUnreconciled(finishing))
            ids.append(t.id);
        QElapsedTimer timer;
        timer.start();
        raw.exec("BEGIN");
        const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
        for (const QString &id : ids) {
            RawDb::bindText(mark, 1, now);
            RawDb::bindText(mark, 2, id);
            sqlite3_step(mark);
            sqlite3_reset(mark);
        }
        raw.exec("COMMIT");
        return double(timer.nsecsElapsed()) / 1e6;
    });
    sqlite3_finalize(mark);

    int signals = -1;
    const double finishMs = medianOfRuns(5, [&] {
        fill(&app, finishing, generator.transactions(finishing, 10000, categories));
        ReconciliationScreen screen(&app);
        screen.setAccount(finishing);
        ReconciliationModel *model = screen.model();
        // Rows reconciled by earlier runs make up the previous balance.
        const Account account = *app.accountRepository()->findById(finishing);
        qint64 cleared = *ReconciliationActions::previousBalance(&app, account).balance;
        for (int row = 0; row < model->rowCount(); ++row) {
            model->toggle(row);
            cleared += model->rowAt(row).amount;
        }
        screen.findChild<SmartAmountField *>(QStringLiteral("statementAmountField"))->setMinorUnits(cleared);
        QSignalSpy changed(app.transactionRepository(), &TransactionRepository::transactionsChanged);
        QElapsedTimer timer;
        timer.start();
        screen.finish();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        signals = int(changed.count());
        if (!app.transactionRepository()->listUnreconciled(finishing).isEmpty())
            std::fprintf(stderr, "finish left rows unreconciled\n");
        return ms;
    });
    printRatio("reconcile_finish_10k_vs_raw_update", finishMs, rawFinishMs, 3.0);
    printMs("reconcile_finish_10k", finishMs);
    std::printf("reconcile_finish_10k_change_signals: %d\n", signals);
    UserPrompts::setCurrent(nullptr);
    return 0;
}
