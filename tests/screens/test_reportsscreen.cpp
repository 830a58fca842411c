#include "register/registerfixture.h"
#include "support/testmain.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "screens/reportsscreen.h"
#include "support/smallfilesystem.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {

using Rows = QList<QStringList>;

Rows cells(const QTableView *table)
{
    Rows rows;
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList line;
        for (int column = 0; column < model->columnCount(); ++column)
            line.append(model->index(row, column).data().toString());
        rows.append(line);
    }
    return rows;
}

QString shortDate(int year, int month, int day)
{
    return QLocale().toString(QDate(year, month, day), QLocale::ShortFormat);
}

// A reports screen over the fixture's database, opened once the data is in,
// and the ways a user reads it.
struct ReportsScreenFixture : AppFixture
{
    std::unique_ptr<ReportsScreen> screen;

    void openScreen()
    {
        screen = std::make_unique<ReportsScreen>(app());
        screen->resize(1000, 600);
    }

    void add(const Account &account, const QDate &date, const QString &payee, qint64 amount, const Category &category,
             bool cleared = false)
    {
        Transaction t = addTransaction(account.id, date, payee, amount);
        t.categoryId = category.id;
        t.cleared = cleared;
        app()->transactionRepository()->update(t);
    }

    Category addTaxCategory(const QString &name, const QString &taxCategory)
    {
        const Category category = addCategory(name);
        execSql(QStringLiteral("UPDATE categories SET is_tax_relevant = 1, tax_category = '%1' WHERE id = '%2'")
                    .arg(taxCategory, category.id));
        return category;
    }

    QComboBox *combo(const char *name) const { return findNamed<QComboBox>(screen.get(), name); }
    QDateEdit *dateEdit(const char *name) const { return findNamed<QDateEdit>(screen.get(), name); }
    QTabWidget *tabs() const { return findNamed<QTabWidget>(screen.get(), "reportTabs"); }
    QLabel *errorLabel() const { return findNamed<QLabel>(screen.get(), "errorLabel"); }

    // The whole of 2024 through the Custom preset.
    void showYear2024()
    {
        combo("periodCombo")->setCurrentIndex(combo("periodCombo")->findText(QStringLiteral("Custom")));
        dateEdit("fromEdit")->setDate(QDate(2024, 1, 1));
        dateEdit("toEdit")->setDate(QDate(2024, 12, 31));
    }

    void chooseAccount(const Account &account)
    {
        combo("accountCombo")->setCurrentIndex(combo("accountCombo")->findData(account.id));
    }

    Rows tab(int index)
    {
        tabs()->setCurrentIndex(index);
        return cells(screen->tableForTab(index));
    }

    // The year comparison reads its own dates, not the main period.
    Rows yearOverYear2023To2024()
    {
        tabs()->setCurrentIndex(ReportsScreen::YearOverYearTab);
        combo("compareCombo")->setCurrentIndex(3);
        dateEdit("period1FromEdit")->setDate(QDate(2023, 1, 1));
        dateEdit("period1ToEdit")->setDate(QDate(2023, 12, 31));
        dateEdit("period2FromEdit")->setDate(QDate(2024, 1, 1));
        dateEdit("period2ToEdit")->setDate(QDate(2024, 12, 31));
        return cells(screen->tableForTab(ReportsScreen::YearOverYearTab));
    }
};

// A checking account in dollars with a starting balance, a travel account
// (in yen unless told) and an account of a type the screen does not know; a
// year of 2024 entries, one 2023 rent for the comparison, and one entry
// before 2000.
struct ReportsFixture : ReportsScreenFixture
{
    Account checking;
    Account travel;
    Account odd;

    explicit ReportsFixture(Currency travelCurrency = Currency::JPY)
    {
        checking = addAccount(QStringLiteral("Checking"), AccountType::Checking, Currency::USD, 100000, 0);
        travel = addAccount(QStringLiteral("Travel"), AccountType::Savings, travelCurrency, 0, 1);
        odd = addAccount(QStringLiteral("Odd"), AccountType::Other, Currency::USD, 0, 2);
        execSql(QStringLiteral("UPDATE accounts SET account_type = 'brokerage' WHERE id = '%1'").arg(odd.id));
        const Category rent = addCategory(QStringLiteral("Rent"));
        const Category salary = addCategory(QStringLiteral("Salary"));
        const Category food = addCategory(QStringLiteral("Food"));
        const Category medical = addTaxCategory(QStringLiteral("Medical"), QStringLiteral("medical"));
        add(checking, QDate(2024, 1, 5), QStringLiteral("Landlord"), -120000, rent, true);
        add(checking, QDate(2024, 1, 15), QStringLiteral("Employer"), 300000, salary);
        add(checking, QDate(2024, 2, 10), QStringLiteral("Clinic"), -15025, medical);
        add(checking, QDate(2024, 2, 12), QStringLiteral("Say \"hi\""), -1000, {});
        add(travel, QDate(2024, 2, 20), QStringLiteral("Ramen"), -1500, food);
        add(checking, QDate(2023, 1, 5), QStringLiteral("Landlord"), -110000, rent);
        add(checking, QDate(1999, 12, 31), QStringLiteral("Millennium"), -500, {});
        openScreen();
    }
};

// Accounts in dollars, euros and yen (in that list order) whose payees,
// categories, months and tax category recur across the currencies.
struct MixedCurrencyFixture : ReportsScreenFixture
{
    Account dollars;
    Account euros;
    Account yen;

    MixedCurrencyFixture()
    {
        dollars = addAccount(QStringLiteral("Dollars"), AccountType::Checking, Currency::USD, 100000, 0);
        euros = addAccount(QStringLiteral("Euros"), AccountType::Checking, Currency::EUR, 0, 1);
        yen = addAccount(QStringLiteral("Yen"), AccountType::Savings, Currency::JPY, 50000, 2);
        const Category rent = addCategory(QStringLiteral("Rent"));
        const Category salary = addCategory(QStringLiteral("Salary"));
        const Category food = addCategory(QStringLiteral("Food"));
        const Category medical = addTaxCategory(QStringLiteral("Medical"), QStringLiteral("medical"));
        add(dollars, QDate(2024, 1, 5), QStringLiteral("Landlord"), -120000, rent, true);
        add(dollars, QDate(2024, 1, 15), QStringLiteral("Employer"), 300000, salary);
        add(euros, QDate(2024, 1, 20), QStringLiteral("Employer"), 250000, salary);
        add(yen, QDate(2024, 1, 25), QStringLiteral("Bonus"), 100000, salary);
        add(yen, QDate(2024, 2, 3), QStringLiteral("Ramen"), -1500, food);
        add(euros, QDate(2024, 2, 10), QStringLiteral("Clinic"), -4000, medical);
        add(dollars, QDate(2024, 2, 11), QStringLiteral("Clinic"), -15025, medical);
        add(yen, QDate(2024, 2, 12), QStringLiteral("Clinic"), -3000, medical);
        add(yen, QDate(2024, 2, 20), QStringLiteral("Ramen"), -800, food);
        add(dollars, QDate(2023, 1, 5), QStringLiteral("Landlord"), -110000, rent);
        add(yen, QDate(2023, 3, 1), QStringLiteral("Ramen"), -1200, food);
        openScreen();
    }
};

} // namespace

class TestReportsScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void datePresets_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("last month from 31 March") << QDate(2026, 3, 31) << "Last Month" << QDate(2026, 2, 1)
                                                  << QDate(2026, 2, 28);
        QTest::newRow("last month in a leap year") << QDate(2024, 3, 31) << "Last Month" << QDate(2024, 2, 1)
                                                   << QDate(2024, 2, 29);
        QTest::newRow("last month across the year") << QDate(2026, 1, 15) << "Last Month" << QDate(2025, 12, 1)
                                                    << QDate(2025, 12, 31);
        QTest::newRow("this month") << QDate(2026, 3, 31) << "This Month" << QDate(2026, 3, 1) << QDate(2026, 3, 31);
        QTest::newRow("this quarter on its first day") << QDate(2026, 4, 1) << "This Quarter" << QDate(2026, 4, 1)
                                                       << QDate(2026, 4, 1);
        QTest::newRow("this quarter on its last day") << QDate(2026, 3, 31) << "This Quarter" << QDate(2026, 1, 1)
                                                      << QDate(2026, 3, 31);
        QTest::newRow("last quarter across the year") << QDate(2026, 1, 15) << "Last Quarter" << QDate(2025, 10, 1)
                                                      << QDate(2025, 12, 31);
        QTest::newRow("last quarter") << QDate(2026, 5, 20) << "Last Quarter" << QDate(2026, 1, 1)
                                      << QDate(2026, 3, 31);
        QTest::newRow("this year") << QDate(2026, 5, 20) << "This Year" << QDate(2026, 1, 1) << QDate(2026, 5, 20);
        QTest::newRow("last year") << QDate(2026, 5, 20) << "Last Year" << QDate(2025, 1, 1) << QDate(2025, 12, 31);
        QTest::newRow("last 30 days") << QDate(2026, 3, 1) << "Last 30 Days" << QDate(2026, 1, 30)
                                      << QDate(2026, 3, 1);
        QTest::newRow("last 90 days") << QDate(2026, 3, 1) << "Last 90 Days" << QDate(2025, 12, 1)
                                      << QDate(2026, 3, 1);
        QTest::newRow("last 12 months from 29 February") << QDate(2024, 2, 29) << "Last 12 Months"
                                                         << QDate(2023, 2, 28) << QDate(2024, 2, 29);
        QTest::newRow("all time") << QDate(2026, 5, 20) << "All Time" << QDate(2000, 1, 1) << QDate(2026, 5, 20);
        QTest::newRow("custom has no dates") << QDate(2026, 5, 20) << "Custom" << QDate() << QDate();
    }

    void datePresets()
    {
        QFETCH(QDate, today);
        QFETCH(QString, preset);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const QList<ReportsScreen::DatePreset> presets = ReportsScreen::datePresets(today);
        const auto found = std::find_if(presets.begin(), presets.end(),
                                        [&](const ReportsScreen::DatePreset &p) { return p.name == preset; });
        QVERIFY(found != presets.end());
        QCOMPARE(found->from, from);
        QCOMPARE(found->to, to);
    }

    void presetsAreOfferedInOrder()
    {
        ReportsFixture f;
        QStringList names;
        for (int i = 0; i < f.combo("periodCombo")->count(); ++i)
            names.append(f.combo("periodCombo")->itemText(i));
        QCOMPARE(names, QStringList({"This Month", "Last Month", "This Quarter", "Last Quarter", "This Year",
                                     "Last Year", "Last 30 Days", "Last 90 Days", "Last 12 Months", "All Time",
                                     "Custom"}));
    }

    void comparedPeriods_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<QDate>>("dates");
        QTest::newRow("this year vs last year")
            << 0 << QDate(2026, 5, 20)
            << QList<QDate>{QDate(2025, 1, 1), QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 5, 20)};
        QTest::newRow("last year vs year before")
            << 1 << QDate(2026, 5, 20)
            << QList<QDate>{QDate(2024, 1, 1), QDate(2024, 12, 31), QDate(2025, 1, 1), QDate(2025, 12, 31)};
        QTest::newRow("quarters across the year")
            << 2 << QDate(2026, 1, 15)
            << QList<QDate>{QDate(2025, 10, 1), QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 1, 15)};
        QTest::newRow("quarters") << 2 << QDate(2026, 8, 31)
                                  << QList<QDate>{QDate(2026, 4, 1), QDate(2026, 6, 30), QDate(2026, 7, 1),
                                                  QDate(2026, 8, 31)};
    }

    void comparedPeriods()
    {
        QFETCH(int, index);
        QFETCH(QDate, today);
        QFETCH(QList<QDate>, dates);
        const auto periods = ReportsScreen::comparedPeriods(index, today);
        QVERIFY(periods.has_value());
        QCOMPARE((QList<QDate>{periods->period1From, periods->period1To, periods->period2From, periods->period2To}),
                 dates);
        QVERIFY(!ReportsScreen::comparedPeriods(3, today).has_value());
    }

    // Dollars and yen are never added up: each row and each total is of one
    // currency, with its code beside the figures and the yen left whole.
    void tabsFilledFromTheFixture()
    {
        ReportsFixture f;
        QVERIFY(f.isValid());
        f.screen->refresh();
        f.showYear2024();

        QCOMPARE(f.tab(ReportsScreen::CategorySpendingTab),
                 (Rows{{"Rent", "-1,200.00 USD"}, {"Medical", "-150.25 USD"}, {"Uncategorized", "-10.00 USD"},
                       {"Food", "-1,500 JPY"}}));
        QCOMPARE(f.tab(ReportsScreen::PayeeSummaryTab),
                 (Rows{{"Landlord", "-1,200.00 USD", "1"}, {"Clinic", "-150.25 USD", "1"},
                       {"Say \"hi\"", "-10.00 USD", "1"}, {"Employer", "3,000.00 USD", "1"},
                       {"Ramen", "-1,500 JPY", "1"}}));
        // Only dollars are tax-relevant, but the report covers the yen account too.
        QCOMPARE(f.tab(ReportsScreen::TaxReportTab), (Rows{{"Medical", "medical", "-150.25 USD"}}));
        const Rows flow{{"2024-01", "3,000.00 USD", "-1,200.00 USD", "1,800.00 USD"},
                        {"2024-02", "0.00 USD", "-160.25 USD", "-160.25 USD"},
                        {"2024-02", "0 JPY", "-1,500 JPY", "-1,500 JPY"},
                        {"Total", "3,000.00 USD", "-1,360.25 USD", "1,639.75 USD"},
                        {"Total", "0 JPY", "-1,500 JPY", "-1,500 JPY"}};
        QCOMPARE(f.tab(ReportsScreen::IncomeVsExpensesTab), flow);
        QCOMPARE(f.tab(ReportsScreen::CashFlowTab), flow);
        QCOMPARE(f.tab(ReportsScreen::AccountSummaryTab),
                 (Rows{{"Checking", "Checking", "-200.00 USD", "1,734.75 USD", "1,534.75 USD"},
                       {"Travel", "Savings", "0 JPY", "-1,500 JPY", "-1,500 JPY"},
                       {"Odd", "Other", "0.00 USD", "0.00 USD", "0.00 USD"}}));
        QCOMPARE(f.tab(ReportsScreen::TransactionsTab),
                 (Rows{{shortDate(2024, 1, 5), "Checking", "Landlord", "Rent", "", "-1,200.00 USD"},
                       {shortDate(2024, 1, 15), "Checking", "Employer", "Salary", "", "3,000.00 USD"},
                       {shortDate(2024, 2, 10), "Checking", "Clinic", "Medical", "", "-150.25 USD"},
                       {shortDate(2024, 2, 12), "Checking", "Say \"hi\"", "", "", "-10.00 USD"},
                       {shortDate(2024, 2, 20), "Travel", "Ramen", "Food", "", "-1,500 JPY"}}));
        QCOMPARE(f.yearOverYear2023To2024(),
                 (Rows{{"Food", "0 JPY", "-1,500 JPY", "-1,500 JPY"},
                       {"Medical", "0.00 USD", "-150.25 USD", "-150.25 USD"},
                       {"Rent", "-1,100.00 USD", "-1,200.00 USD", "-100.00 USD"},
                       {"Salary", "0.00 USD", "3,000.00 USD", "3,000.00 USD"},
                       {"Uncategorized", "0.00 USD", "-10.00 USD", "-10.00 USD"}}));
    }

    // With every account in dollars the reports read as they always did.
    void oneCurrencyReadsInDollars()
    {
        ReportsFixture f(Currency::USD);
        f.screen->refresh();
        f.showYear2024();

        QCOMPARE(f.tab(ReportsScreen::CategorySpendingTab),
                 (Rows{{"Rent", "-$1,200.00"}, {"Medical", "-$150.25"}, {"Food", "-$15.00"},
                       {"Uncategorized", "-$10.00"}}));
        QCOMPARE(f.tab(ReportsScreen::PayeeSummaryTab),
                 (Rows{{"Landlord", "-$1,200.00", "1"}, {"Clinic", "-$150.25", "1"}, {"Ramen", "-$15.00", "1"},
                       {"Say \"hi\"", "-$10.00", "1"}, {"Employer", "$3,000.00", "1"}}));
        QCOMPARE(f.tab(ReportsScreen::TaxReportTab), (Rows{{"Medical", "medical", "-$150.25"}}));
        const Rows flow{{"2024-01", "$3,000.00", "-$1,200.00", "$1,800.00"},
                        {"2024-02", "$0.00", "-$175.25", "-$175.25"},
                        {"Total", "$3,000.00", "-$1,375.25", "$1,624.75"}};
        QCOMPARE(f.tab(ReportsScreen::IncomeVsExpensesTab), flow);
        QCOMPARE(f.tab(ReportsScreen::CashFlowTab), flow);
        QCOMPARE(f.tab(ReportsScreen::AccountSummaryTab),
                 (Rows{{"Checking", "Checking", "-$200.00", "$1,734.75", "$1,534.75"},
                       {"Travel", "Savings", "$0.00", "-$15.00", "-$15.00"},
                       {"Odd", "Other", "$0.00", "$0.00", "$0.00"}}));
        QCOMPARE(f.tab(ReportsScreen::TransactionsTab),
                 (Rows{{shortDate(2024, 1, 5), "Checking", "Landlord", "Rent", "", "-$1,200.00"},
                       {shortDate(2024, 1, 15), "Checking", "Employer", "Salary", "", "$3,000.00"},
                       {shortDate(2024, 2, 10), "Checking", "Clinic", "Medical", "", "-$150.25"},
                       {shortDate(2024, 2, 12), "Checking", "Say \"hi\"", "", "", "-$10.00"},
                       {shortDate(2024, 2, 20), "Travel", "Ramen", "Food", "", "-$15.00"}}));
        QCOMPARE(f.yearOverYear2023To2024(),
                 (Rows{{"Food", "$0.00", "-$15.00", "-$15.00"},
                       {"Medical", "$0.00", "-$150.25", "-$150.25"},
                       {"Rent", "-$1,100.00", "-$1,200.00", "-$100.00"},
                       {"Salary", "$0.00", "$3,000.00", "$3,000.00"},
                       {"Uncategorized", "$0.00", "-$10.00", "-$10.00"}}));
    }

    // One currency other than dollars keeps the dollar texts in its own
    // digits, all accounts together as for one of them.
    void oneOtherCurrencyKeepsItsDigits_data()
    {
        QTest::addColumn<Currency>("currency");
        QTest::addColumn<Rows>("spending");
        QTest::addColumn<Rows>("flow");
        QTest::newRow("yen") << Currency::JPY << Rows{{"Food", "-$2,300"}}
                             << Rows{{"2024-02", "$100,000", "-$2,300", "$97,700"},
                                     {"Total", "$100,000", "-$2,300", "$97,700"}};
        QTest::newRow("euro") << Currency::EUR << Rows{{"Food", "-$23.00"}}
                              << Rows{{"2024-02", "$1,000.00", "-$23.00", "$977.00"},
                                      {"Total", "$1,000.00", "-$23.00", "$977.00"}};
    }

    void oneOtherCurrencyKeepsItsDigits()
    {
        QFETCH(Currency, currency);
        QFETCH(Rows, spending);
        QFETCH(Rows, flow);
        ReportsScreenFixture f;
        const Account first = f.addAccount(QStringLiteral("First"), AccountType::Checking, currency, 0, 0);
        const Account second = f.addAccount(QStringLiteral("Second"), AccountType::Cash, currency, 0, 1);
        const Category food = f.addCategory(QStringLiteral("Food"));
        f.add(first, QDate(2024, 2, 3), QStringLiteral("Ramen"), -1500, food);
        f.add(second, QDate(2024, 2, 3), QStringLiteral("Ramen"), -800, food);
        f.add(second, QDate(2024, 2, 4), QStringLiteral("Bonus"), 100000, {});
        f.openScreen();
        f.screen->refresh();
        f.showYear2024();
        QCOMPARE(f.tab(ReportsScreen::CategorySpendingTab), spending);
        QCOMPARE(f.tab(ReportsScreen::IncomeVsExpensesTab), flow);
    }

    // Dollars, euros and yen: every tab's cells, per currency in the order of
    // the account list. The same payee, category, month and tax category
    // occur in several currencies, and are never added up.
    void mixedCurrenciesNeverAdd()
    {
        MixedCurrencyFixture f;
        f.screen->refresh();
        f.showYear2024();

        QCOMPARE(f.tab(ReportsScreen::CategorySpendingTab),
                 (Rows{{"Rent", "-1,200.00 USD"}, {"Medical", "-150.25 USD"}, {"Medical", "-40.00 EUR"},
                       {"Medical", "-3,000 JPY"}, {"Food", "-2,300 JPY"}}));
        QCOMPARE(f.tab(ReportsScreen::PayeeSummaryTab),
                 (Rows{{"Landlord", "-1,200.00 USD", "1"}, {"Clinic", "-150.25 USD", "1"},
                       {"Employer", "3,000.00 USD", "1"}, {"Clinic", "-40.00 EUR", "1"},
                       {"Employer", "2,500.00 EUR", "1"}, {"Clinic", "-3,000 JPY", "1"},
                       {"Ramen", "-2,300 JPY", "2"}, {"Bonus", "100,000 JPY", "1"}}));
        QCOMPARE(f.tab(ReportsScreen::TaxReportTab),
                 (Rows{{"Medical", "medical", "-150.25 USD"}, {"Medical", "medical", "-40.00 EUR"},
                       {"Medical", "medical", "-3,000 JPY"}}));
        const Rows flow{{"2024-01", "3,000.00 USD", "-1,200.00 USD", "1,800.00 USD"},
                        {"2024-01", "2,500.00 EUR", "0.00 EUR", "2,500.00 EUR"},
                        {"2024-01", "100,000 JPY", "0 JPY", "100,000 JPY"},
                        {"2024-02", "0.00 USD", "-150.25 USD", "-150.25 USD"},
                        {"2024-02", "0.00 EUR", "-40.00 EUR", "-40.00 EUR"},
                        {"2024-02", "0 JPY", "-5,300 JPY", "-5,300 JPY"},
                        {"Total", "3,000.00 USD", "-1,350.25 USD", "1,649.75 USD"},
                        {"Total", "2,500.00 EUR", "-40.00 EUR", "2,460.00 EUR"},
                        {"Total", "100,000 JPY", "-5,300 JPY", "94,700 JPY"}};
        QCOMPARE(f.tab(ReportsScreen::IncomeVsExpensesTab), flow);
        QCOMPARE(f.tab(ReportsScreen::CashFlowTab), flow);
        QCOMPARE(f.tab(ReportsScreen::AccountSummaryTab),
                 (Rows{{"Dollars", "Checking", "-200.00 USD", "1,749.75 USD", "1,549.75 USD"},
                       {"Euros", "Checking", "0.00 EUR", "2,460.00 EUR", "2,460.00 EUR"},
                       {"Yen", "Savings", "50,000 JPY", "93,500 JPY", "143,500 JPY"}}));
        QCOMPARE(f.tab(ReportsScreen::TransactionsTab),
                 (Rows{{shortDate(2024, 1, 5), "Dollars", "Landlord", "Rent", "", "-1,200.00 USD"},
                       {shortDate(2024, 1, 15), "Dollars", "Employer", "Salary", "", "3,000.00 USD"},
                       {shortDate(2024, 1, 20), "Euros", "Employer", "Salary", "", "2,500.00 EUR"},
                       {shortDate(2024, 1, 25), "Yen", "Bonus", "Salary", "", "100,000 JPY"},
                       {shortDate(2024, 2, 3), "Yen", "Ramen", "Food", "", "-1,500 JPY"},
                       {shortDate(2024, 2, 10), "Euros", "Clinic", "Medical", "", "-40.00 EUR"},
                       {shortDate(2024, 2, 11), "Dollars", "Clinic", "Medical", "", "-150.25 USD"},
                       {shortDate(2024, 2, 12), "Yen", "Clinic", "Medical", "", "-3,000 JPY"},
                       {shortDate(2024, 2, 20), "Yen", "Ramen", "Food", "", "-800 JPY"}}));
        QCOMPARE(f.yearOverYear2023To2024(),
                 (Rows{{"Food", "-1,200 JPY", "-2,300 JPY", "-1,100 JPY"},
                       {"Medical", "0.00 USD", "-150.25 USD", "-150.25 USD"},
                       {"Medical", "0.00 EUR", "-40.00 EUR", "-40.00 EUR"},
                       {"Medical", "0 JPY", "-3,000 JPY", "-3,000 JPY"},
                       {"Rent", "-1,100.00 USD", "-1,200.00 USD", "-100.00 USD"},
                       {"Salary", "0.00 USD", "3,000.00 USD", "3,000.00 USD"},
                       {"Salary", "0.00 EUR", "2,500.00 EUR", "2,500.00 EUR"},
                       {"Salary", "0 JPY", "100,000 JPY", "100,000 JPY"}}));

        // The accounts covered hold three currencies, even when the period's
        // rows are all in one.
        f.dateEdit("fromEdit")->setDate(QDate(2023, 1, 1));
        f.dateEdit("toEdit")->setDate(QDate(2023, 1, 31));
        QCOMPARE(f.tab(ReportsScreen::IncomeVsExpensesTab),
                 (Rows{{"2023-01", "0.00 USD", "-1,100.00 USD", "-1,100.00 USD"},
                       {"Total", "0.00 USD", "-1,100.00 USD", "-1,100.00 USD"}}));

        // One account is one currency; the tax report and the account summary
        // still cover all of them.
        f.showYear2024();
        f.chooseAccount(f.yen);
        QCOMPARE(f.tab(ReportsScreen::CategorySpendingTab), (Rows{{"Medical", "-$3,000"}, {"Food", "-$2,300"}}));
        QCOMPARE(f.tab(ReportsScreen::PayeeSummaryTab),
                 (Rows{{"Clinic", "-$3,000", "1"}, {"Ramen", "-$2,300", "2"}, {"Bonus", "$100,000", "1"}}));
        QCOMPARE(f.tab(ReportsScreen::CashFlowTab),
                 (Rows{{"2024-01", "$100,000", "$0", "$100,000"}, {"2024-02", "$0", "-$5,300", "-$5,300"},
                       {"Total", "$100,000", "-$5,300", "$94,700"}}));
        QCOMPARE(f.tab(ReportsScreen::TaxReportTab).size(), 3);
        QCOMPARE(f.tab(ReportsScreen::TaxReportTab).at(2), (QStringList{"Medical", "medical", "-3,000 JPY"}));
        QCOMPARE(f.tab(ReportsScreen::AccountSummaryTab).at(2).at(4), QStringLiteral("143,500 JPY"));
        QCOMPARE(f.tab(ReportsScreen::TransactionsTab).last().at(5), QStringLiteral("-$800"));
        QCOMPARE(f.yearOverYear2023To2024().first(),
                 (QStringList{"Food", "-$1,200", "-$2,300", "-$1,100"}));
    }

    // One account's figures keep its digits; the tax report and the account
    // summary ignore the account filter.
    void accountFilter()
    {
        ReportsFixture f;
        f.screen->refresh();
        f.showYear2024();
        f.chooseAccount(f.travel);
        QCOMPARE(f.tab(ReportsScreen::CategorySpendingTab), (Rows{{"Food", "-$1,500"}}));
        QCOMPARE(f.tab(ReportsScreen::IncomeVsExpensesTab),
                 (Rows{{"2024-02", "$0", "-$1,500", "-$1,500"}, {"Total", "$0", "-$1,500", "-$1,500"}}));
        // Over both currencies whatever the filter.
        QCOMPARE(f.tab(ReportsScreen::TaxReportTab), (Rows{{"Medical", "medical", "-150.25 USD"}}));
        QCOMPARE(f.tab(ReportsScreen::AccountSummaryTab).size(), 3);
        QCOMPARE(f.tab(ReportsScreen::TransactionsTab).size(), 1);
    }

    void emptyPeriodHasNoTotalRow()
    {
        ReportsFixture f;
        f.screen->refresh();
        f.showYear2024();
        f.dateEdit("fromEdit")->setDate(QDate(2030, 1, 1));
        f.dateEdit("toEdit")->setDate(QDate(2030, 12, 31));
        for (int tab : {ReportsScreen::CategorySpendingTab, ReportsScreen::IncomeVsExpensesTab,
                        ReportsScreen::CashFlowTab, ReportsScreen::TransactionsTab})
            QVERIFY2(f.tab(tab).isEmpty(), qPrintable(QString::number(tab)));
    }

    void customPresetKeepsTheDatesAndEachChangeReruns()
    {
        ReportsFixture f;
        f.screen->refresh();
        QComboBox *period = f.combo("periodCombo");
        period->setCurrentIndex(period->findText(QStringLiteral("Last Year")));
        const QDate lastYearStart(QDate::currentDate().year() - 1, 1, 1);
        QCOMPARE(f.dateEdit("fromEdit")->date(), lastYearStart);
        QVERIFY(f.dateEdit("fromEdit")->isHidden());
        QVERIFY(!findNamed<QLabel>(f.screen.get(), "periodLabel")->isHidden());

        period->setCurrentIndex(period->findText(QStringLiteral("Custom")));
        QCOMPARE(f.dateEdit("fromEdit")->date(), lastYearStart);
        QVERIFY(!f.dateEdit("fromEdit")->isHidden());
        QVERIFY(findNamed<QLabel>(f.screen.get(), "periodLabel")->isHidden());

        f.tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
        f.dateEdit("fromEdit")->setDate(QDate(2024, 2, 1));
        f.dateEdit("toEdit")->setDate(QDate(2024, 2, 11));
        QCOMPARE(cells(f.screen->tableForTab(ReportsScreen::TransactionsTab)).size(), 1);
        f.dateEdit("toEdit")->setDate(QDate(2024, 2, 29));
        QCOMPARE(cells(f.screen->tableForTab(ReportsScreen::TransactionsTab)).size(), 3);
    }

    void allTimeStartsIn2000()
    {
        ReportsFixture f;
        f.screen->refresh();
        f.combo("periodCombo")->setCurrentIndex(f.combo("periodCombo")->findText(QStringLiteral("All Time")));
        const Rows rows = f.tab(ReportsScreen::TransactionsTab);
        QCOMPARE(rows.size(), 6);
        for (const QStringList &row : rows)
            QVERIFY(row.at(2) != QLatin1String("Millennium"));
    }

    // Changes while shown rerun the report once per burst, with the filter
    // back on all accounts; changes while hidden wait for the next refresh.
    void dataChangesRerunOnceWhileShown()
    {
        ReportsFixture f;
        f.screen->show();
        f.screen->refresh();
        f.showYear2024();
        f.chooseAccount(f.checking);
        f.tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
        QCOMPARE(cells(f.screen->tableForTab(ReportsScreen::TransactionsTab)).size(), 4);

        auto *timer = f.screen->findChild<QTimer *>(QStringLiteral("dataChangeTimer"));
        QVERIFY(timer);
        QSignalSpy reruns(f.screen->tableForTab(ReportsScreen::TransactionsTab)->model(), &QAbstractItemModel::modelReset);
        for (int i = 0; i < 10; ++i)
            f.addTransaction(f.travel.id, QDate(2024, 3, 1), QStringLiteral("Burst %1").arg(i), -100);
        QCOMPARE(reruns.count(), 0);
        QVERIFY(timer->isActive());
        QTRY_COMPARE(reruns.count(), 1);
        QVERIFY(!timer->isActive());
        QCOMPARE(f.combo("accountCombo")->currentIndex(), 0);
        QCOMPARE(cells(f.screen->tableForTab(ReportsScreen::TransactionsTab)).size(), 15);

        f.screen->hide();
        f.addTransaction(f.travel.id, QDate(2024, 3, 2), QStringLiteral("Hidden"), -100);
        QVERIFY(!timer->isActive());
        QCOMPARE(reruns.count(), 1);
        f.screen->show();
        f.screen->refresh();
        QCOMPARE(cells(f.screen->tableForTab(ReportsScreen::TransactionsTab)).size(), 16);
    }

    // A tab runs again when the data or a choice its figures depend on
    // changes, and only then: the account summary ignores the period and the
    // account, the year comparison the main period, the tax report the
    // account, the other tabs the compared periods.
    void onlyWhatATabDependsOnRunsItAgain_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("runsAgain");
        const int summary = ReportsScreen::AccountSummaryTab;
        const int years = ReportsScreen::YearOverYearTab;
        const int tax = ReportsScreen::TaxReportTab;
        const int spending = ReportsScreen::CategorySpendingTab;
        const int entries = ReportsScreen::TransactionsTab;
        QTest::newRow("account summary, period") << summary << "period" << false;
        QTest::newRow("account summary, account") << summary << "account" << false;
        QTest::newRow("account summary, data") << summary << "data" << true;
        QTest::newRow("year over year, period") << years << "period" << false;
        QTest::newRow("year over year, compared periods") << years << "compared" << true;
        QTest::newRow("year over year, account") << years << "account" << true;
        QTest::newRow("year over year, data") << years << "data" << true;
        QTest::newRow("tax report, account") << tax << "account" << false;
        QTest::newRow("tax report, period") << tax << "period" << true;
        QTest::newRow("spending, period") << spending << "period" << true;
        QTest::newRow("spending, compared periods") << spending << "compared" << false;
        QTest::newRow("transactions, account") << entries << "account" << true;
        QTest::newRow("transactions, data") << entries << "data" << true;
    }

    void onlyWhatATabDependsOnRunsItAgain()
    {
        QFETCH(int, tab);
        QFETCH(QString, change);
        QFETCH(bool, runsAgain);
        ReportsFixture f;
        f.screen->show();
        f.screen->refresh();
        f.showYear2024();
        f.yearOverYear2023To2024();
        f.tabs()->setCurrentIndex(tab);
        const Rows before = cells(f.screen->tableForTab(tab));
        QVERIFY(!before.isEmpty());
        QAbstractItemModel *model = f.screen->tableForTab(tab)->model();
        QSignalSpy cellsSet(model, &QAbstractItemModel::dataChanged);
        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        const auto ran = [&] { return cellsSet.count() + reset.count() > 0; };
        if (change == QLatin1String("period")) {
            f.dateEdit("toEdit")->setDate(QDate(2024, 6, 30));
        } else if (change == QLatin1String("account")) {
            f.chooseAccount(f.checking);
        } else if (change == QLatin1String("compared")) {
            f.dateEdit("period1FromEdit")->setDate(QDate(2023, 2, 1));
        } else {
            f.addTransaction(f.checking.id, QDate(2024, 3, 1), QStringLiteral("Late"), -100);
            QTRY_VERIFY_WITH_TIMEOUT(ran(), 60000);
        }
        QCOMPARE(ran(), runsAgain);
        if (!runsAgain)
            QCOMPARE(cells(f.screen->tableForTab(tab)), before);
        // Shown again after another tab, it is still the same run.
        f.tabs()->setCurrentIndex(tab == ReportsScreen::CategorySpendingTab ? ReportsScreen::PayeeSummaryTab
                                                                            : ReportsScreen::CategorySpendingTab);
        cellsSet.clear();
        reset.clear();
        f.tabs()->setCurrentIndex(tab);
        QVERIFY(!ran());
    }

    void sumsTooLargeShowAnError_data()
    {
        QTest::addColumn<QList<QDate>>("dates");
        // Two deposits in one month overflow SQL's sum; in two months the
        // monthly figures fit but their total does not.
        QTest::newRow("in one month") << QList<QDate>{QDate(2024, 3, 1), QDate(2024, 3, 2)};
        QTest::newRow("in the total row") << QList<QDate>{QDate(2024, 3, 1), QDate(2024, 4, 1)};
    }

    void sumsTooLargeShowAnError()
    {
        QFETCH(QList<QDate>, dates);
        ReportsFixture f;
        for (const QDate &date : dates)
            f.addTransaction(f.odd.id, date, QStringLiteral("Huge"), 5'000'000'000'000'000'000);
        f.screen->refresh();
        f.showYear2024();
        QVERIFY(f.tab(ReportsScreen::IncomeVsExpensesTab).isEmpty());
        QVERIFY(!f.errorLabel()->isHidden());
        QVERIFY(f.errorLabel()->text().contains(QLatin1String("too large")));
        // A tab whose figures fit shows them, without the error.
        QCOMPARE(f.tab(ReportsScreen::TaxReportTab).size(), 1);
        QVERIFY(f.errorLabel()->isHidden());
    }

    void exportWritesTheTableAsShown()
    {
        ReportsFixture f;
        FakePrompts prompts;
        f.screen->refresh();
        f.showYear2024();
        const QString path = QDir(TestRegistry::rootPath()).filePath(QStringLiteral("flow.csv"));

        f.tabs()->setCurrentIndex(ReportsScreen::IncomeVsExpensesTab);
        QVERIFY(f.screen->exportCurrentTabTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QStringLiteral("\"Month\",\"Income\",\"Expenses\",\"Net\"\n"
                                "\"2024-01\",\"3,000.00 USD\",\"-1,200.00 USD\",\"1,800.00 USD\"\n"
                                "\"2024-02\",\"0.00 USD\",\"-160.25 USD\",\"-160.25 USD\"\n"
                                "\"2024-02\",\"0 JPY\",\"-1,500 JPY\",\"-1,500 JPY\"\n"
                                "\"Total\",\"3,000.00 USD\",\"-1,360.25 USD\",\"1,639.75 USD\"\n"
                                "\"Total\",\"0 JPY\",\"-1,500 JPY\",\"-1,500 JPY\"\n"));
        file.close();

        f.tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
        QVERIFY(f.screen->exportCurrentTabTo(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QCOMPARE(lines.at(0), QStringLiteral("\"Date\",\"Account\",\"Payee\",\"Category\",\"Memo\",\"Amount\""));
        QCOMPARE(lines.at(4), QStringLiteral("\"%1\",\"Checking\",\"Say \"\"hi\"\"\",\"\",\"\",\"-10.00 USD\"")
                                  .arg(shortDate(2024, 2, 12)));
        QCOMPARE(lines.at(5), QStringLiteral("\"%1\",\"Travel\",\"Ramen\",\"Food\",\"\",\"-1,500 JPY\"")
                                  .arg(shortDate(2024, 2, 20)));
        QVERIFY(prompts.messages.isEmpty());
    }

    // A full disk: the report's file is not kept, and the message gives the
    // file layer's reason.
    void exportToAFullDiskFails()
    {
        ReportsFixture f;
        FakePrompts prompts;
        f.screen->refresh();
        f.showYear2024();
        f.tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
        SmallFileSystem disk(64 * 1024);
        if (!disk.isMounted())
            QSKIP("mounting a small file system is not allowed here");
        QVERIFY(disk.fill());

        const QString path = disk.filePath(QStringLiteral("transactions.csv"));
        QVERIFY(!f.screen->exportCurrentTabTo(path));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.at(0).title, QStringLiteral("Export Failed"));
        QVERIFY2(prompts.messages.at(0).text.contains(QLatin1String("No space left on device")),
            qPrintable(prompts.messages.at(0).text));
        QVERIFY(!QFile::exists(path));
    }

    void failedOrEmptyExport()
    {
        ReportsFixture f;
        FakePrompts prompts;
        f.screen->refresh();
        f.showYear2024();
        f.tabs()->setCurrentIndex(ReportsScreen::PayeeSummaryTab);
        const QString missingFolder =
            QDir(TestRegistry::rootPath()).filePath(QStringLiteral("no-such-folder/payees.csv"));
        QVERIFY(!f.screen->exportCurrentTabTo(missingFolder));
        QCOMPARE(prompts.messages.size(), 1);
        QCOMPARE(prompts.messages.at(0).title, QStringLiteral("Export Failed"));
        QVERIFY(!QFile::exists(missingFolder));

        // An empty table writes nothing and says nothing, before any file dialog.
        f.dateEdit("fromEdit")->setDate(QDate(2030, 1, 1));
        f.dateEdit("toEdit")->setDate(QDate(2030, 1, 2));
        const QString path = QDir(TestRegistry::rootPath()).filePath(QStringLiteral("empty.csv"));
        QVERIFY(!f.screen->exportCurrentTabTo(path));
        f.screen->exportCurrentTab();
        QVERIFY(!QFile::exists(path));
        QCOMPARE(prompts.messages.size(), 1);
    }

    // A two-digit year typed into a period date lands in 1970-2069, in the
    // main period and in the compared periods, month-first and day-first.
    void typedTwoDigitYears_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("shownYear");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        for (const char *edit : {"fromEdit", "period2ToEdit"}) {
            for (const char *format : {"M/d/yy", "dd.MM.yy"}) {
                QTest::addRow("%s %s 99", edit, format) << edit << format << 2024 << "99" << 1999;
                QTest::addRow("%s %s 75", edit, format) << edit << format << 2024 << "75" << 1975;
                QTest::addRow("%s %s 70", edit, format) << edit << format << 2024 << "70" << 1970;
                QTest::addRow("%s %s 69", edit, format) << edit << format << 2024 << "69" << 2069;
                QTest::addRow("%s %s 00", edit, format) << edit << format << 2024 << "00" << 2000;
                // Whatever century the field showed before.
                QTest::addRow("%s %s 24 over 1995", edit, format) << edit << format << 1995 << "24" << 2024;
            }
        }
    }

    void typedTwoDigitYears()
    {
        QFETCH(QString, edit);
        QFETCH(QString, format);
        QFETCH(int, shownYear);
        QFETCH(QString, typed);
        QFETCH(int, year);
        ReportsFixture f;
        f.screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.screen.get()));
        f.screen->refresh();
        f.showYear2024();
        f.tabs()->setCurrentIndex(ReportsScreen::YearOverYearTab);
        f.combo("compareCombo")->setCurrentIndex(3);
        QDateEdit *field = f.dateEdit(qPrintable(edit));
        QVERIFY(field->isVisible());
        field->setDisplayFormat(format);
        field->setDate(QDate(shownYear, 6, 15));
        field->setFocus();
        field->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Enter);
        QCOMPARE(field->date(), QDate(year, 6, 15));
    }

    void columnWidths_data()
    {
        QTest::addColumn<int>("labelNeeded");
        QTest::addColumn<QList<int>>("othersNeeded");
        QTest::addColumn<int>("available");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("room for all: figures share the rest")
            << 180 << QList<int>{90, 90, 90} << 780 << QList<int>{180, 200, 200, 200};
        QTest::newRow("short month labels")
            << 70 << QList<int>{100, 100, 100} << 700 << QList<int>{70, 210, 210, 210};
        QTest::newRow("a long label gives way to the figures")
            << 600 << QList<int>{120, 120} << 800 << QList<int>{560, 120, 120};
        QTest::newRow("but keeps two fifths of the width")
            << 600 << QList<int>{200, 200, 200} << 800 << QList<int>{320, 200, 200, 200};
        QTest::newRow("a figure wider than its share keeps its width")
            << 100 << QList<int>{300, 80} << 500 << QList<int>{100, 300, 200};
        QTest::newRow("label column alone") << 120 << QList<int>{} << 500 << QList<int>{500};
        QTest::newRow("not laid out yet") << 150 << QList<int>{90, 90} << 0 << QList<int>{150, 90, 90};
    }

    void columnWidths()
    {
        QFETCH(int, labelNeeded);
        QFETCH(QList<int>, othersNeeded);
        QFETCH(int, available);
        QFETCH(QList<int>, expected);
        QCOMPARE(ReportsScreen::columnWidths(labelNeeded, othersNeeded, available), expected);
    }

    // A long payee is read whole on one line, and the figures beside it
    // share the rest of the table instead of the last one taking it all.
    void labelColumnFitsItsTextsAndFiguresShareTheRest()
    {
        ReportsScreenFixture f;
        const Account checking = f.addAccount(QStringLiteral("Checking"), AccountType::Checking, Currency::USD, 0, 0);
        const QString longPayee = QStringLiteral("Northern Valley Electric and Water Cooperative");
        f.add(checking, QDate(2024, 3, 4), longPayee, -12345, {});
        f.add(checking, QDate(2024, 3, 9), QStringLiteral("Cafe"), -450, {});
        f.openScreen();
        f.screen->resize(900, 600);
        f.screen->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.screen.get()));
        f.screen->refresh();
        f.showYear2024();
        f.tabs()->setCurrentIndex(ReportsScreen::PayeeSummaryTab);
        QCoreApplication::processEvents();

        QTableView *table = f.screen->tableForTab(ReportsScreen::PayeeSummaryTab);
        QVERIFY(!table->wordWrap());
        const QHeaderView *header = table->horizontalHeader();
        QVERIFY(header->sectionSize(0) > table->fontMetrics().horizontalAdvance(longPayee));
        const int total = header->sectionSize(1);
        const int count = header->sectionSize(2);
        QVERIFY2(std::abs(total - count) <= 2, qPrintable(QStringLiteral("%1 and %2").arg(total).arg(count)));
        QCOMPARE(header->sectionSize(0) + total + count, table->viewport()->width());

        // Narrower, the label keeps its width while the figures still fit.
        f.screen->resize(760, 600);
        QCoreApplication::processEvents();
        QVERIFY(header->sectionSize(0) > table->fontMetrics().horizontalAdvance(longPayee));
        QCOMPARE(header->sectionSize(0) + header->sectionSize(1) + header->sectionSize(2),
                 table->viewport()->width());

        // The list of entries keeps its amounts in view: payee, category and
        // memo give way to them.
        f.tabs()->setCurrentIndex(ReportsScreen::TransactionsTab);
        QCoreApplication::processEvents();
        QTableView *entries = f.screen->tableForTab(ReportsScreen::TransactionsTab);
        const QHeaderView *entryHeader = entries->horizontalHeader();
        QCOMPARE(entryHeader->length(), entries->viewport()->width());
        const int amount = entryHeader->sectionSize(entryHeader->count() - 1);
        QVERIFY(amount > entries->fontMetrics().horizontalAdvance(QStringLiteral("-$123.45")));
    }

    void accountTypeTexts()
    {
        const QList<std::pair<const char *, const char *>> cases = {
            {"checking", "Checking"}, {"savings", "Savings"},       {"credit_card", "Credit Card"},
            {"cash", "Cash"},         {"investment", "Investment"}, {"loan", "Loan"},
            {"other", "Other"},       {"Checking", "Other"},        {"", "Other"}};
        for (const auto &[stored, shown] : cases)
            QCOMPARE(ReportsScreen::accountTypeText(QLatin1String(stored)), QLatin1String(shown));
    }
};

TALLYRA_TEST(TestReportsScreen)
#include "test_reportsscreen.moc"
