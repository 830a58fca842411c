// Reports and search screens over 1M transactions against the statements
// behind them run through the sqlite3 C API: switching the reports' period
// or account with each tab on screen, showing the search window, and a
// search for a common word until the list holds its rows.

#include "benchfill.h"
#include "benchreports.h"
#include "benchutil.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "register/registermodel.h"
#include "screens/reportsscreen.h"
#include "screens/searchscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSqlDriver>
#include <QTabWidget>
#include <QTemporaryDir>

#include <functional>

using namespace Bench;

namespace {

constexpr int kAccounts = 10;
constexpr int kPerAccount = 100000;
constexpr int kRuns = 3;
// Switching between two accounts reads a tenth of the rows: more runs, less noise.
constexpr int kAccountRuns = 7;

const char *const kTabNames[] = {"category_spending", "payee_summary", "tax_report", "income_vs_expenses",
                                 "cash_flow", "year_over_year", "account_summary", "transactions"};
// The statement each tab runs; year over year runs it twice.
const char *const kTabStatements[] = {"spendingByCategory", "payeeSummary", "taxReport", "incomeVsExpenses",
                                      "cashFlowByMonth", "categoryTotals", "accountSummary", "transactionList"};

// The tab's statement(s) through the sqlite3 C API with the screen's
// arguments: the period from `from` to today ("All Time" by default), and the
// account when one is chosen and the tab's report takes one.
class RawTabReport
{
public:
    RawTabReport(RawDb &raw, int tab, const QString &accountId, const QDate &from = QDate(2000, 1, 1))
        : m_raw(raw)
        , m_tab(tab)
        , m_sql(reportSql(kTabStatements[tab]))
        , m_filtered(!accountId.isEmpty() && m_sql.perAccount)
        , m_accountId(accountId)
        , m_from(from)
    {
    }

    // Prepares, runs and finalizes, as a program that runs the report once.
    void run()
    {
        m_statement = m_raw.prepare(m_sql.text(m_filtered));
        const QDate today = QDate::currentDate();
        if (m_tab == ReportsScreen::YearOverYearTab) {
            // The tab's own default periods: last year and this year.
            bind(QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31));
            m_raw.readAll(m_statement);
            bind(QDate(today.year(), 1, 1), today);
        } else {
            bind(m_from, today);
        }
        m_raw.readAll(m_statement);
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }

private:
    void bind(const QDate &from, const QDate &to)
    {
        sqlite3_reset(m_statement);
        int index = 1;
        if (m_sql.dated) {
            RawDb::bindText(m_statement, index++, from.toString(Qt::ISODate));
            RawDb::bindText(m_statement, index++, to.toString(Qt::ISODate));
        }
        if (m_filtered)
            RawDb::bindText(m_statement, index, m_accountId);
    }

    RawDb &m_raw;
    int m_tab;
    const ReportSql &m_sql;
    bool m_filtered;
    QString m_accountId;
    QDate m_from;
    sqlite3_stmt *m_statement = nullptr;
};

// Alternates timed switches of a control (until the tab on screen is filled
// and painted) with timed runs of the raw statements, so that both see the
// same machine, each side first doing what the screen showed before the
// switch; which side goes first alternates too, as each run warms caches for
// the next. Prints the ratio of the medians.
double printSwitchRatio(const QByteArray &name, int runs, double target, const std::function<void()> &before,
                        const std::function<void()> &change, RawTabReport &rawBefore, RawTabReport &raw)
{
    std::vector<double> screenTimes;
    std::vector<double> rawTimes;
    const auto timeScreen = [&] {
        before();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        change();
        QApplication::processEvents();
        screenTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    };
    const auto timeRaw = [&] {
        rawBefore.run();
        QElapsedTimer timer;
        timer.start();
        raw.run();
        rawTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    };
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            timeScreen();
            timeRaw();
        } else {
            timeRaw();
            timeScreen();
        }
    }
    std::sort(screenTimes.begin(), screenTimes.end());
    std::sort(rawTimes.begin(), rawTimes.end());
    const double screenMs = screenTimes[screenTimes.size() / 2];
    printRatio(name.constData(), screenMs, rawTimes[rawTimes.size() / 2], target);
    return screenMs;
}

void benchReports(AppState &app, RawDb &raw, const QString &firstAccountId, const QString &secondAccountId)
{
    ReportsScreen screen(&app);
    screen.resize(1200, 800);
    screen.show();
    screen.refresh();
    QApplication::processEvents();
    auto *tabs = screen.findChild<QTabWidget *>(QStringLiteral("reportTabs"));
    auto *period = screen.findChild<QComboBox *>(QStringLiteral("periodCombo"));
    auto *accounts = screen.findChild<QComboBox *>(QStringLiteral("accountCombo"));
    const int allTime = period->findText(QStringLiteral("All Time"));
    const int thisMonth = period->findText(QStringLiteral("This Month"));
    const auto chooseAccount = [&](const QString &id) { accounts->setCurrentIndex(accounts->findData(id)); };
    chooseAccount(firstAccountId);
    period->setCurrentIndex(allTime);

    for (int tab = 0; tab < ReportsScreen::TabCount; ++tab) {
        tabs->setCurrentIndex(tab);
        const double target = tab == ReportsScreen::TransactionsTab ? 3.0 : 1.5;

        // Account: from one account to another over "All Time".
        RawTabReport firstAccount(raw, tab, firstAccountId);
        RawTabReport secondAccount(raw, tab, secondAccountId);
        // The tax report and the account summary ignore the account: a
        // switch reruns the whole report, so one run; a listing of 100k rows
        // takes a second a run.
        int accountRuns = tab == ReportsScreen::TransactionsTab ? kRuns : kAccountRuns;
        if (!reportSql(kTabStatements[tab]).perAccount)
            accountRuns = 1;
        printSwitchRatio(QByteArray("reports_switch_account_") + kTabNames[tab] + "_1M_vs_raw", accountRuns, target,
                         [&] { chooseAccount(firstAccountId); }, [&] { chooseAccount(secondAccountId); },
                         firstAccount, secondAccount);

        // Period: from "This Month" to "All Time" over all accounts. A run
        // reads the whole million rows, so one run keeps the program short.
        RawTabReport thisMonthAccounts(raw, tab, QString(), QDate::currentDate().addDays(1 - QDate::currentDate().day()));
        RawTabReport allAccounts(raw, tab, QString());
        const double periodMs = printSwitchRatio(
            QByteArray("reports_period_to_all_time_") + kTabNames[tab] + "_1M_vs_raw", 1, target,
            [&] {
                period->setCurrentIndex(thisMonth);
                accounts->setCurrentIndex(0);
            },
            [&] { period->setCurrentIndex(allTime); }, thisMonthAccounts, allAccounts);
        if (tab == ReportsScreen::TransactionsTab)
            printMs("reports_period_to_all_time_transactions_1M", periodMs);

        // The next tab starts on one account over "All Time".
        period->setCurrentIndex(thisMonth);
        chooseAccount(firstAccountId);
        period->setCurrentIndex(allTime);
    }
}

const char kSearchColumns[] =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, CASE WHEN c.parent_id IS NOT NULL "
    "THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE "
    "c.name END AS category_name ";

void benchSearch(AppState &app, RawDb &raw)
{
    SearchScreen screen(&app);
    screen.resize(800, 550);
    QSignalSpy searches(screen.model(), &QAbstractItemModel::modelReset);

    // Showing the window: the combos refilled, then the focus.
    const double showMs = medianMs(kRuns, [&] {
        screen.reloadFilterCombos();
        screen.show();
        screen.focusSearchField();
        QApplication::processEvents();
    });
    std::printf("search_show_window_searches_per_show: %.0f (target 1)\n", double(searches.count()) / kRuns);
    printMs("search_show_window_1M", showMs);

    // A common word, from the typing pause until the table holds its rows.
    const QString word = DataGenerator::payees().first().section(u' ', 0, 0);
    auto *edit = screen.findChild<QLineEdit *>(QStringLiteral("searchEdit"));
    const double typedMs = medianOfRuns(kRuns, [&] {
        edit->clear();
        screen.performSearch();
        QApplication::processEvents();
        edit->setText(word);
        QElapsedTimer timer;
        timer.start();
        screen.performSearch(); // what the typing pause's time-out runs
        QApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1e6;
    });
    if (screen.model()->rowCount() != 200)
        std::fprintf(stderr, "unexpected search result: %d rows\n", screen.model()->rowCount());
    sqlite3_stmt *matching = raw.prepare(
        QString::fromLatin1(kSearchColumns)
        + QStringLiteral("FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid LEFT JOIN categories c "
                         "ON t.category_id = c.id WHERE t.deleted_at IS NULL AND transactions_fts MATCH ? ORDER BY "
                         "t.date DESC, t.created_at DESC LIMIT 200"));
    RawDb::bindText(matching, 1, TransactionRepository::buildFtsQuery(word));
    const double rawTypedMs = medianMs(kRuns, [&] { raw.readAll(matching); });
    sqlite3_finalize(matching);
    printRatio("search_common_word_1M_vs_raw", typedMs, rawTypedMs, 2.0);
    printMs("search_common_word_1M", typedMs);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TALLYRA_DATA_DIR", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toUtf8());
    QApplication application(argc, argv);

    const QString path = dir.filePath(QStringLiteral("tallyra.db"));
    DataGenerator generator;
    buildRegister(path, generator, kAccounts, kPerAccount);
    AppState app;
    if (!app.initialize())
        return 1;

    // The baselines run on the program's own connection: the same page cache.
    const QVariant handle = app.database()->db()->driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return 1;
    RawDb raw(*static_cast<sqlite3 *const *>(handle.data()));
    QStringList accountIds;
    {
        sqlite3_stmt *ids = raw.prepare(QStringLiteral("SELECT id FROM accounts ORDER BY sort_order, name LIMIT 2"));
        while (sqlite3_step(ids) == SQLITE_ROW)
            accountIds.append(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(ids, 0))));
        sqlite3_finalize(ids);
    }
    benchReports(app, raw, accountIds.value(0), accountIds.value(1));
    benchSearch(app, raw);
    return 0;
}
