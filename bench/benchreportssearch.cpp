// Reports and search screens over 1M transactions against the statements
// behind them run through the sqlite3 C API: switching the reports' account
// with each tab on screen, each tab over "All Time" against the same figures
// from one plain read of the table, Income vs Expenses for "This Month" over
// 1M rows against 100k rows of the same density, showing the search window,
// and a search for a common word until the list holds its rows.

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
#include <QDateEdit>
#include <QDir>
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
constexpr int kYears = 20;
// The small register: a tenth of the rows over a tenth of the years, so a
// month holds as many rows as in the large one.
constexpr int kSmallPerAccount = 10000;
constexpr int kSmallYears = 2;
constexpr int kRuns = 3;
// Switching between two accounts reads a tenth of the rows: more runs, less noise.
constexpr int kAccountRuns = 7;
constexpr int kThisMonthRuns = 9;

const char *const kTabNames[] = {"category_spending", "payee_summary", "tax_report", "income_vs_expenses",
                                 "cash_flow", "year_over_year", "account_summary", "transactions"};
// The statement each tab runs; year over year runs it twice.
const char *const kTabStatements[] = {"spendingByCategory", "payeeSummary", "taxReport", "incomeVsExpenses",
                                      "cashFlowByMonth", "categoryTotals", "accountSummary", "transactionList"};

// The account summary's sums, and the year comparison's two sets of
// category totals, each from one plain read of the table.
const QString kAccountSumsScanSql = QStringLiteral(
    "SELECT t.account_id, SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), SUM(CASE WHEN t.cleared = 0 "
    "THEN t.amount ELSE 0 END), SUM(t.amount) FROM transactions t NOT INDEXED WHERE t.deleted_at IS NULL "
    "GROUP BY t.account_id");
const QString kTwoPeriodTotalsScanSql =
    QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(CASE WHEN t.date <= ?2 THEN t.amount END), "
                   "SUM(CASE WHEN t.date >= ?3 THEN t.amount END), ")
    + kCurrencyColumn
    + QStringLiteral(" FROM transactions t NOT INDEXED LEFT JOIN categories c ON t.category_id = c.id LEFT JOIN "
                     "accounts a ON a.id = t.account_id WHERE t.deleted_at IS NULL AND t.date >= ?1 AND t.date <= ?4 "
                     "GROUP BY COALESCE(c.name, 'Uncategorized'), report_currency");

QDate firstDate(int years)
{
    return QDate::currentDate().addYears(-years).addDays(1);
}

// One statement through the sqlite3 C API: prepared, bound, read whole and
// finalized, as a program that runs the report once.
void runRaw(RawDb &raw, const QString &sql, const QStringList &binds)
{
    sqlite3_stmt *statement = raw.prepare(sql);
    for (int i = 0; i < binds.size(); ++i)
        RawDb::bindText(statement, i + 1, binds.at(i));
    raw.readAll(statement);
    sqlite3_finalize(statement);
}

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

// Alternates timed changes of the screen (until the tab on screen is filled
// and painted) with timed runs of the raw statements, so that both see the
// same machine, each side first doing what the screen showed before the
// change; which side goes first alternates too, as each run warms caches for
// the next. Prints the ratio of the medians and returns the screen's median.
double printSwitchRatio(const QByteArray &name, int runs, double target, const std::function<void()> &before,
                        const std::function<void()> &change, const std::function<void()> &rawBefore,
                        const std::function<void()> &raw)
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
        rawBefore();
        QElapsedTimer timer;
        timer.start();
        raw();
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

// The reports screen as the user finds it, and its controls.
struct ReportsWindow
{
    ReportsScreen screen;
    QTabWidget *tabs;
    QComboBox *period;
    QComboBox *accounts;

    explicit ReportsWindow(AppState &app)
        : screen(&app)
    {
        screen.resize(1200, 800);
        screen.show();
        screen.refresh();
        QApplication::processEvents();
        tabs = screen.findChild<QTabWidget *>(QStringLiteral("reportTabs"));
        period = screen.findChild<QComboBox *>(QStringLiteral("periodCombo"));
        accounts = screen.findChild<QComboBox *>(QStringLiteral("accountCombo"));
    }

    void choosePeriod(const char *name) { period->setCurrentIndex(period->findText(QLatin1String(name))); }
    void chooseAccount(const QString &id) { accounts->setCurrentIndex(accounts->findData(id)); }
};

// From one account to another over "All Time", each tab on screen.
void benchAccountSwitch(ReportsWindow &window, RawDb &raw, const QString &firstAccountId,
                        const QString &secondAccountId)
{
    window.chooseAccount(firstAccountId);
    window.choosePeriod("All Time");
    for (int tab = 0; tab < ReportsScreen::TabCount; ++tab) {
        window.tabs->setCurrentIndex(tab);
        const double target = tab == ReportsScreen::TransactionsTab ? 3.0 : 1.5;
        RawTabReport firstAccount(raw, tab, firstAccountId);
        RawTabReport secondAccount(raw, tab, secondAccountId);
        // The tax report and the account summary ignore the account, so a
        // switch does not run them; a listing of 100k rows takes a second a
        // run.
        int accountRuns = tab == ReportsScreen::TransactionsTab ? kRuns : kAccountRuns;
        if (!reportSql(kTabStatements[tab]).perAccount)
            accountRuns = 1;
        printSwitchRatio(QByteArray("reports_switch_account_") + kTabNames[tab] + "_1M_vs_raw", accountRuns, target,
                         [&] { window.chooseAccount(firstAccountId); }, [&] { window.chooseAccount(secondAccountId); },
                         [&] { firstAccount.run(); }, [&] { secondAccount.run(); });
    }
}

// Each tab over all accounts and "All Time", against the same figures from
// one plain read of the table. A dated tab goes from "This Month" to "All
// Time"; the year comparison, set to the two halves of "All Time", is shown
// after a refresh on another tab; the account summary (always the whole
// register) runs as a data change runs it.
void benchAllTime(ReportsWindow &window, RawDb &raw)
{
    const QDate today = QDate::currentDate();
    const QDate allTimeFrom(2000, 1, 1);
    const QDate middle = allTimeFrom.addDays(allTimeFrom.daysTo(today) / 2);
    const QStringList allTime = {allTimeFrom.toString(Qt::ISODate), today.toString(Qt::ISODate)};
    const QStringList thisMonth = {QDate(today.year(), today.month(), 1).toString(Qt::ISODate),
                                   today.toString(Qt::ISODate)};
    window.accounts->setCurrentIndex(0);
    window.choosePeriod("This Month");
    auto *compare = window.screen.findChild<QComboBox *>(QStringLiteral("compareCombo"));
    compare->setCurrentIndex(compare->findText(QStringLiteral("Custom")));
    const std::pair<const char *, QDate> halves[] = {{"period1FromEdit", allTimeFrom},
                                                     {"period1ToEdit", middle},
                                                     {"period2FromEdit", middle.addDays(1)},
                                                     {"period2ToEdit", today}};
    for (const auto &[edit, date] : halves)
        window.screen.findChild<QDateEdit *>(QLatin1String(edit))->setDate(date);

    for (int tab = 0; tab < ReportsScreen::TabCount; ++tab) {
        std::function<void()> before;
        std::function<void()> change;
        std::function<void()> rawBefore = [] {};
        std::function<void()> rawScan;
        if (tab == ReportsScreen::AccountSummaryTab) {
            window.tabs->setCurrentIndex(tab);
            before = [] {};
            change = [&] { window.screen.refresh(); };
            rawScan = [&] { runRaw(raw, kAccountSumsScanSql, {}); };
        } else if (tab == ReportsScreen::YearOverYearTab) {
            before = [&] {
                window.tabs->setCurrentIndex(ReportsScreen::CategorySpendingTab);
                window.screen.refresh();
            };
            change = [&] { window.tabs->setCurrentIndex(ReportsScreen::YearOverYearTab); };
            rawScan = [&] {
                runRaw(raw, kTwoPeriodTotalsScanSql,
                       {allTime.at(0), middle.toString(Qt::ISODate), middle.addDays(1).toString(Qt::ISODate),
                        allTime.at(1)});
            };
        } else {
            window.tabs->setCurrentIndex(tab);
            const ReportSql &sql = reportSql(kTabStatements[tab]);
            before = [&] { window.choosePeriod("This Month"); };
            change = [&] { window.choosePeriod("All Time"); };
            rawBefore = [&raw, &sql, &thisMonth] { runRaw(raw, sql.text(false), thisMonth); };
            rawScan = [&raw, &sql, &allTime] { runRaw(raw, sql.scanText(false), allTime); };
        }
        const QByteArray name = QByteArray("report_") + QByteArray(kTabNames[tab]).replace("_", "") + "_alltime_1m";
        const double ms = printSwitchRatio(name + "_vs_scan", kRuns, 1.5, before, change, rawBefore, rawScan);
        printMs(name.constData(), ms);
        window.choosePeriod("This Month");
    }
}

// Income vs Expenses on screen, from "Last Month" to "This Month".
double incomeVsExpensesThisMonthMs(AppState &app)
{
    ReportsWindow window(app);
    window.tabs->setCurrentIndex(ReportsScreen::IncomeVsExpensesTab);
    return medianOfRuns(kThisMonthRuns, [&] {
        window.choosePeriod("Last Month");
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        window.choosePeriod("This Month");
        QApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1e6;
    });
}

void benchReports(AppState &app, RawDb &raw, const QString &firstAccountId, const QString &secondAccountId,
                  double smallThisMonthMs)
{
    const double thisMonthMs = incomeVsExpensesThisMonthMs(app);
    printRatio("report_incomevsexpenses_thismonth_1m_vs_100k", thisMonthMs, smallThisMonthMs, 2.0);
    printMs("report_incomevsexpenses_thismonth_1m", thisMonthMs);
    printMs("report_incomevsexpenses_thismonth_100k", smallThisMonthMs);

    // The account switches first, while the year comparison still compares
    // this year with last year, as the raw statements do.
    ReportsWindow window(app);
    benchAccountSwitch(window, raw, firstAccountId, secondAccountId);
    benchAllTime(window, raw);
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

// Income vs Expenses for "This Month" over the small register, in a data
// folder of its own.
double smallThisMonthMs(const QTemporaryDir &dir)
{
    const QString folder = dir.filePath(QStringLiteral("small"));
    QDir().mkpath(folder);
    const QByteArray mainFolder = qgetenv("TALLYRA_DATA_DIR");
    qputenv("TALLYRA_DATA_DIR", QFile::encodeName(folder));
    double ms = -1;
    {
        DataGenerator generator;
        buildRegister(folder + QStringLiteral("/tallyra.db"), generator, kAccounts, kSmallPerAccount,
                      firstDate(kSmallYears), kSmallYears);
        AppState app;
        if (app.initialize())
            ms = incomeVsExpensesThisMonthMs(app);
    }
    qputenv("TALLYRA_DATA_DIR", mainFolder);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    useTemporaryDirectory(dir);
    QApplication application(argc, argv);

    const double smallMs = smallThisMonthMs(dir);
    if (smallMs < 0)
        return 1;
    const QString path = dir.filePath(QStringLiteral("tallyra.db"));
    DataGenerator generator;
    buildRegister(path, generator, kAccounts, kPerAccount, firstDate(kYears), kYears);
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
    benchReports(app, raw, accountIds.value(0), accountIds.value(1), smallMs);
    benchSearch(app, raw);
    return 0;
}
