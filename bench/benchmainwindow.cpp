// Main window figures: the account list rebuild with 50 accounts over 1M
// transactions against the 50 raw balance sums of the same run, and how
// often a burst of change signals rebuilds the list.

#include "benchtransactions.h"
#include "benchutil.h"

#include "app/appstate.h"
#include "data/recordid.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurringservice.h"
#include "ui/mainwindow.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidget>
#include <QTemporaryDir>

using namespace Bench;

namespace {

constexpr int kAccounts = 50;
constexpr int kTotalRows = 1000000;
constexpr int kRuns = 7;
constexpr int kBurst = 100;

double rawBalancesMs(const QString &path, const QList<Account> &accounts)
{
    RawDb raw(path);
    sqlite3_stmt *balance = raw.prepare(QString::fromLatin1(kBalanceSql));
    const double ms = medianMs(kRuns, [&] {
        for (const Account &account : accounts) {
            RawDb::bindText(balance, 1, account.id);
            raw.readAll(balance);
        }
    });
    sqlite3_finalize(balance);
    return ms;
}

// Runs the event loop until nothing is left for it, so deferred rebuilds
// have run.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

RecurringTransaction dueRule(const QString &accountId, int number)
{
    RecurringTransaction rule;
    rule.id = newRecordId();
    rule.accountId = accountId;
    rule.payee = QStringLiteral("Standing order %1").arg(number);
    rule.amount = -1000 - number;
    rule.frequency = RecurringFrequency::Monthly;
    rule.startDate = QDate::currentDate();
    rule.nextDueDate = rule.startDate;
    rule.autoPost = true;
    rule.createdAt = QDateTime::currentDateTimeUtc();
    rule.updatedAt = rule.createdAt;
    return rule;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    qputenv("TALLYRA_DATA_DIR", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("share")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.info=false;qt.qpa.*=false");
    QApplication application(argc, argv);

    const QString path = dir.filePath(QStringLiteral("tallyra.db"));
    const QList<Account> accounts =
        createAccountsWithTransactions(path, kAccounts, [](int) { return kTotalRows / kAccounts; });

    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "the application state did not start\n");
        return 1;
    }
    MainWindow window(&state);
    window.show();
    settle();
    int rebuilds = 0;
    QObject::connect(window.accountList()->model(), &QAbstractItemModel::modelReset, [&rebuilds] { ++rebuilds; });

    const double rebuildMs = medianMs(kRuns, [&] {
        const int before = rebuilds;
        window.onAccountsChanged();
        while (rebuilds == before)
            QApplication::processEvents();
    });
    const double rawMs = rawBalancesMs(path, accounts);
    printRatio("account_list_rebuild_50_accounts_1M_vs_raw_balances", rebuildMs, rawMs, 1.5);
    printMs("account_list_rebuild_50_accounts_1M", rebuildMs);
    printMs("raw_50_balances", rawMs);

    // Posting due recurring transactions: one rule per account, twice over.
    for (int i = 0; i < kBurst; ++i)
        state.recurringRepository()->insert(dueRule(accounts[i % kAccounts].id, i));
    settle();
    rebuilds = 0;
    const int pendingBefore = state.recurringService()->pendingCount();
    window.autoPostRecurring();
    settle();
    std::printf("list_rebuilds_after_posting_%d_recurring: %d\n", pendingBefore - state.recurringService()->pendingCount(),
                rebuilds);

    // Writes one by one, as a screen or sync applying rows would make them.
    rebuilds = 0;
    for (int i = 0; i < kBurst; ++i) {
        Transaction transaction;
        transaction.id = newRecordId();
        transaction.accountId = accounts[i % kAccounts].id;
        transaction.date = QDate::currentDate();
        transaction.payee = QStringLiteral("Burst %1").arg(i);
        transaction.amount = -100;
        transaction.createdAt = QDateTime::currentDateTimeUtc();
        transaction.updatedAt = transaction.createdAt;
        state.transactionRepository()->insert(transaction);
    }
    settle();
    std::printf("list_rebuilds_after_%d_transaction_writes: %d\n", kBurst, rebuilds);
    std::fflush(stdout);
    return 0;
}
