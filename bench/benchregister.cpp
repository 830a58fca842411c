// Register figures on a 100k-transaction account against reading the same
// rows through the sqlite3 C API: opening the account, re-sorting it,
// reloading after one edit, and opening the payee editor.

#include "benchtransactions.h"
#include "benchutil.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "register/registerscreen.h"
#include "register/registertableview.h"
#include "support/datagenerator.h"

#include <QApplication>
#include <QTemporaryDir>

using namespace Bench;

namespace {

void fill(AppState *app, const QList<Account> &accounts, const QList<Category> &categories,
    const QList<Transaction> &transactions)
{
    for (const Account &account : accounts)
        app->accountRepository()->insert(account);
    for (const Category &category : categories)
        app->categoryRepository()->insert(category);
    BulkWriteScope bulk(app->database());
    SqlTransaction sql(app->database());
    for (const Transaction &transaction : transactions)
        app->transactionRepository()->insert(transaction);
    sql.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    useTemporaryDirectory(dir);
    QApplication application(argc, argv);

    DataGenerator generator;
    QList<Account> accounts = generator.accounts(3);
    for (Account &account : accounts)
        account.startingBalance = 0;
    const QList<Category> categories = generator.categories();
    const QString accountId = accounts[0].id;

    AppState app;
    if (!app.initialize())
        return 1;
    fill(&app, accounts, categories, generator.transactions(accountId, 100000, categories));
    fill(&app, {}, {}, generator.transactions(accounts[1].id, 100, categories));

    RegisterScreen screen(&app);
    screen.resize(1400, 800);
    screen.show();
    QApplication::processEvents();
    RegisterModel *model = screen.model();

    RawDb raw(dir.filePath(QStringLiteral("tallyra.db")));
    sqlite3_stmt *statement = raw.prepare(QString::fromLatin1(kRegisterSql));
    RawDb::bindText(statement, 1, accountId);
    const double rawMs = medianMs(7, [&] { raw.readAll(statement); });

    // 1. Opening the account: every row loaded and sorted by date.
    const double openMs = medianMs(7, [&] {
        screen.setAccount(accounts[1].id);
        screen.setAccount(accountId);
        if (model->listRowCount() != 100000 || model->sortColumn() != RegisterModel::DateColumn)
            std::fprintf(stderr, "unexpected register\n");
    });
    // Each run also loads a 100-row account first, so every run is a switch.
    printRatio("register_setAccount_100k_vs_raw", openMs, rawMs, 2.5);
    printMs("register_setAccount_100k", openMs);

    // 2. Re-sorting by payee, and reloading after one edit.
    // Each sort starts from the date order, as after opening the account.
    std::vector<double> sortTimes;
    for (int run = 0; run < 9; ++run) {
        screen.table()->sortByColumn(RegisterModel::DateColumn, Qt::AscendingOrder);
        QElapsedTimer timer;
        timer.start();
        screen.table()->sortByColumn(RegisterModel::PayeeColumn, run % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
        sortTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(sortTimes.begin(), sortTimes.end());
    printMs("register_sort_by_payee_100k_median", sortTimes[sortTimes.size() / 2]);
    screen.table()->sortByColumn(RegisterModel::DateColumn, Qt::AscendingOrder);

    Transaction edited = app.transactionRepository()->listRegister(accountId).value(500).transaction;
    int version = edited.version;
    const double reloadMs = medianMs(7, [&] {
        edited.memo = QStringLiteral("edited %1").arg(version);
        edited.version = ++version;
        edited.updatedAt = QDateTime::currentDateTimeUtc();
        app.transactionRepository()->update(edited);
        screen.reload();
        screen.selectNewRow();
    });
    printRatio("register_reload_after_edit_100k_vs_raw", reloadMs, rawMs, 2.5);
    printMs("register_reload_after_edit_100k", reloadMs);

    // 3. Opening the payee editor of the new row, completion list ready.
    const QModelIndex payee = model->index(model->newRowPosition(), RegisterModel::PayeeColumn);
    screen.table()->setCurrentIndex(payee);
    screen.table()->edit(payee);
    screen.table()->setFocus();
    QApplication::processEvents();
    const double editorMs = medianMs(21, [&] {
        screen.table()->setFocus();
        QApplication::processEvents();
        screen.table()->setCurrentIndex(payee);
        screen.table()->edit(payee);
        if (!screen.table()->openEditor())
            std::fprintf(stderr, "no payee editor\n");
    });
    printMs("register_open_payee_editor_100k_median", editorMs);

    sqlite3_finalize(statement);
    return 0;
}
