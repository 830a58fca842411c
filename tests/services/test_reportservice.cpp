#include "servicesfixture.h"
#include "support/testmain.h"

#include "data/database.h"
#include "services/reportservice.h"
#include "support/datagenerator.h"

#include <QSqlQuery>

#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>

namespace {

const QDate kFrom(2024, 1, 1);
const QDate kTo(2024, 3, 31);

// Two live accounts with transactions across three months, a linked
// transfer, a split without its own category, a soft-deleted row and rows
// on and just after the end of the range.
struct ReportFixture : ServicesFixture
{
    ReportService reports{database.get()};

    ReportFixture()
    {
        const QStringList statements = {
            "INSERT INTO accounts (id, name, account_type, starting_balance, sort_order, created_at, updated_at) "
            "VALUES ('A', 'Checking', 'checking', 10000, 0, 'x', 'x'), "
            "('B', 'Savings', 'savings', 0, 1, 'x', 'x'), "
            "('E', 'Aardvark', 'cash', 0, 1, 'x', 'x'), "
            "('D', 'Empty', 'credit_card', 10000, 2, 'x', 'x')",
            "INSERT INTO accounts (id, name, sort_order, created_at, updated_at, deleted_at) "
            "VALUES ('C', 'Closed', 0, 'x', 'x', 'x')",
            "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, "
            "created_at, updated_at) VALUES "
            "('home', 'Home', 'expense', NULL, 0, NULL, 'x', 'x'), "
            "('car', 'Car', 'expense', NULL, 0, NULL, 'x', 'x'), "
            "('rent', 'Rent', 'expense', NULL, 0, NULL, 'x', 'x'), "
            "('bonus', 'Bonus', 'income', NULL, 0, NULL, 'x', 'x'), "
            "('maint-home', 'Maintenance', 'expense', 'home', 0, NULL, 'x', 'x'), "
            "('maint-car', 'Maintenance', 'expense', 'car', 0, NULL, 'x', 'x'), "
            "('med', 'Medical', 'expense', NULL, 1, 'medical_dental', 'x', 'x')",
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, cleared, "
            "transfer_link_id, transfer_dest_account_id, is_split, created_at, updated_at, deleted_at) VALUES "
            "('t1', 'A', '2024-01-05', 'Landlord', 'January', -90000, 'rent', 1, NULL, NULL, 0, 'x', 'x', NULL), "
            "('t2', 'A', '2024-01-20', 'Shop', NULL, -8000, NULL, 0, NULL, NULL, 1, 'x', 'x', NULL), "
            "('t3', 'A', '2024-02-10', 'Fixer', NULL, -3000, 'maint-home', 1, NULL, NULL, 0, 'x', 'x', NULL), "
            "('t4', 'A', '2024-02-11', 'Fixer', NULL, -2500, 'maint-car', 0, NULL, NULL, 0, 'x', 'x', NULL), "
            "('t5', 'A', '2024-02-29', 'Transfer to B', NULL, -5000, NULL, 0, 't6', 'B', 0, 'x', 'x', NULL), "
            "('t6', 'B', '2024-02-29', 'Transfer from A', NULL, 5000, NULL, 0, 't5', 'A', 0, 'x', 'x', NULL), "
            "('t7', 'B', '2024-03-31', 'Boss', NULL, 4000, 'bonus', 0, NULL, NULL, 0, 'x', 'x', NULL), "
            "('t8', 'B', '2024-04-01', 'Boss', NULL, 7777, 'bonus', 0, NULL, NULL, 0, 'x', 'x', NULL), "
            "('t9', 'A', '2024-03-15', 'Clinic', NULL, -2500, 'med', 0, NULL, NULL, 0, 'x', 'x', NULL), "
            "('t10', 'A', '2024-03-16', 'clinic', NULL, -100, 'med', 0, NULL, NULL, 0, 'x', 'x', NULL), "
            "('t11', 'A', '2024-03-01', 'Landlord', NULL, -99999, 'rent', 1, NULL, NULL, 0, 'x', 'x', 'x'), "
            "('t12', 'C', '2024-03-01', 'Closed', NULL, -1, NULL, 1, NULL, NULL, 0, 'x', 'x', NULL)",
            "INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) VALUES "
            "('s1', 't2', 'med', -8000, 'x', 'x')",
        };
        for (const QString &sql : statements) {
            if (!exec(sql))
                qFatal("cannot fill the report fixture: %s", qPrintable(sql));
        }
    }
};

// Three years of generated entries up to today in accounts in dollars,
// euros and yen, with tax-relevant categories, transfer legs, links left
// empty and deleted rows.
struct GeneratedFixture : ServicesFixture
{
    ReportService reports{database.get()};
    QList<Account> generated;

    GeneratedFixture()
    {
        DataGenerator generator;
        generated = generator.accounts(3);
        const Currency currencies[] = {Currency::USD, Currency::EUR, Currency::JPY};
        const QList<Category> categoryList = generator.categories();
        const QDate firstDate = QDate::currentDate().addYears(-3).addDays(1);
        SqlTransaction sql(database.get());
        for (qsizetype i = 0; i < generated.size(); ++i) {
            generated[i].currency = currencies[i];
            if (!accounts.insert(generated.at(i)))
                qFatal("cannot insert a generated account");
        }
        for (const Category &category : categoryList) {
            if (!categories.insert(category))
                qFatal("cannot insert a generated category");
        }
        for (const Account &account : std::as_const(generated)) {
            for (const Transaction &t : generator.transactions(account.id, 300, categoryList, firstDate, 3)) {
                if (!transactions.insert(t))
                    qFatal("cannot insert a generated transaction");
            }
        }
        if (!sql.commit())
            qFatal("cannot commit the generated fixture");
        const QStringList statements = {
            "UPDATE categories SET is_tax_relevant = 1, tax_category = 'tax_' || name WHERE rowid % 3 = 0",
            "UPDATE transactions SET transfer_link_id = id WHERE rowid % 15 = 0",
            "UPDATE transactions SET transfer_link_id = '' WHERE rowid % 17 = 0",
            "UPDATE transactions SET deleted_at = updated_at WHERE rowid % 11 = 0",
        };
        for (const QString &statement : statements) {
            if (!exec(statement))
                qFatal("cannot arrange the generated fixture: %s", qPrintable(statement));
        }
    }

    // Every dated report of the period as text, each row with its currency.
    QStringList reportTexts(const QDate &from, const QDate &to, const QString &accountId) const
    {
        QStringList out;
        const auto code = [](Currency currency) { return currencyToString(currency); };
        const std::pair<const char *, QList<MonthlyFlowRow>> flows[] = {
            {"cash flow", reports.cashFlowByMonth(from, to, accountId)},
            {"income", reports.incomeVsExpenses(from, to, accountId)},
        };
        for (const auto &[kind, rows] : flows) {
            for (const MonthlyFlowRow &row : rows)
                out << QStringLiteral("%1 %2 %3 %4 %5 %6")
                           .arg(QLatin1String(kind), row.month)
                           .arg(row.inflow)
                           .arg(row.outflow)
                           .arg(row.net)
                           .arg(code(row.currency));
        }
        for (const CategoryTotalRow &row : reports.spendingByCategory(from, to, accountId))
            out << QStringLiteral("spending %1 %2 %3").arg(row.categoryName).arg(row.total).arg(code(row.currency));
        for (const PayeeSummaryRow &row : reports.payeeSummary(from, to, accountId))
            out << QStringLiteral("payee %1 %2 %3 %4")
                       .arg(row.payee)
                       .arg(row.total)
                       .arg(row.count)
                       .arg(code(row.currency));
        for (const TaxCategoryRow &row : reports.taxReport(from, to))
            out << QStringLiteral("tax %1 %2 %3 %4")
                       .arg(row.categoryName, row.taxCategory)
                       .arg(row.total)
                       .arg(code(row.currency));
        for (const TransactionReportRow &row : reports.transactionList(from, to, accountId, {}))
            out << QStringLiteral("entry %1 %2 %3 %4 %5 %6 %7")
                       .arg(row.date.toString(Qt::ISODate), row.accountName, row.payee, row.categoryName, row.memo)
                       .arg(row.amount)
                       .arg(code(row.currency));
        // The period against the year before it, and against itself.
        for (const QDate &shift : {from.addYears(-1), from}) {
            const QDate shiftedTo = shift == from ? to : to.addYears(-1);
            for (const YearOverYearRow &row : reports.yearOverYear(shift, shiftedTo, from, to, accountId))
                out << QStringLiteral("year %1 %2 %3 %4 %5")
                           .arg(row.categoryName)
                           .arg(row.period1Total)
                           .arg(row.period2Total)
                           .arg(row.change)
                           .arg(code(row.currency));
        }
        return out;
    }
};

QString firstDifference(const QStringList &a, const QStringList &b)
{
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (a.value(i) != b.value(i))
            return QStringLiteral("line %1: \"%2\" against \"%3\"").arg(i).arg(a.value(i), b.value(i));
    }
    return QString();
}

QString flows(const QList<MonthlyFlowRow> &rows)
{
    QStringList out;
    for (const MonthlyFlowRow &row : rows)
        out.append(QStringLiteral("%1 %2 %3 %4").arg(row.month).arg(row.inflow).arg(row.outflow).arg(row.net));
    return out.join(QLatin1String("; "));
}

} // namespace

class ReportServiceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void accountSummary()
    {
        ReportFixture f;
        QStringList rows;
        for (const AccountSummaryRow &row : f.reports.accountSummary())
            rows.append(QStringLiteral("%1 %2 %3 %4 %5")
                            .arg(row.accountName, row.accountType)
                            .arg(row.clearedBalance)
                            .arg(row.unclearedAmount)
                            .arg(row.balance));
        QCOMPARE(rows, QStringList({"Checking checking -83000 -18100 -101100", "Aardvark cash 0 0 0",
                                    "Savings savings 0 16777 16777", "Empty credit_card 10000 0 10000"}));
    }

    void monthlyFlows()
    {
        ReportFixture f;
        QCOMPARE(flows(f.reports.cashFlowByMonth(kFrom, kTo, {})),
                 QStringLiteral("2024-01 0 -98000 -98000; 2024-02 5000 -10500 -5500; 2024-03 4000 -2601 1399"));
        QCOMPARE(flows(f.reports.cashFlowByMonth(kFrom, kTo, QStringLiteral("B"))),
                 QStringLiteral("2024-02 5000 0 5000; 2024-03 4000 0 4000"));
        // Both legs of the transfer stay out of income and expenses.
        QCOMPARE(flows(f.reports.incomeVsExpenses(kFrom, kTo, {})),
                 QStringLiteral("2024-01 0 -98000 -98000; 2024-02 0 -5500 -5500; 2024-03 4000 -2601 1399"));
        QCOMPARE(flows(f.reports.incomeVsExpenses(kFrom, kTo.addDays(1), QStringLiteral("B"))),
                 QStringLiteral("2024-03 4000 0 4000; 2024-04 7777 0 7777"));
    }

    void spendingByCategory()
    {
        ReportFixture f;
        QStringList rows;
        for (const CategoryTotalRow &row : f.reports.spendingByCategory(kFrom, kTo, {}))
            rows.append(QStringLiteral("%1 %2").arg(row.categoryName).arg(row.total));
        // The split counts once, under its own (empty) category; both
        // Maintenance categories share one row; only the account summary
        // drops the rows of a deleted account.
        QCOMPARE(rows, QStringList({"Rent -90000", "Uncategorized -13001", "Maintenance -5500", "Medical -2600"}));
        QCOMPARE(f.reports.spendingByCategory(kFrom, kTo, QStringLiteral("B")).size(), 0);
    }

    void payeeSummary()
    {
        ReportFixture f;
        QStringList rows;
        for (const PayeeSummaryRow &row : f.reports.payeeSummary(kFrom, kTo, QStringLiteral("A")))
            rows.append(QStringLiteral("%1 %2 %3").arg(row.payee).arg(row.total).arg(row.count));
        QCOMPARE(rows, QStringList({"Landlord -90000 1", "Shop -8000 1", "Fixer -5500 2", "Transfer to B -5000 1",
                                    "Clinic -2500 1", "clinic -100 1"}));
    }

    void taxReportCoversTheWholeRegister()
    {
        ReportFixture f;
        const QList<TaxCategoryRow> rows = f.reports.taxReport(kFrom, kTo);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.at(0).categoryName, QStringLiteral("Medical"));
        QCOMPARE(rows.at(0).taxCategory, QStringLiteral("medical_dental"));
        QCOMPARE(rows.at(0).total, qint64(-2600));
        QVERIFY(f.reports.taxReport(kFrom, QDate(2024, 3, 14)).isEmpty());
    }

    void transactionList_data()
    {
        QTest::addColumn<QString>("accountId");
        QTest::addColumn<QString>("categoryId");
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("all") << QString() << QString()
                             << QStringList({"Landlord", "Shop", "Fixer", "Fixer", "Transfer from A", "Transfer to B",
                                             "Closed", "Clinic", "clinic", "Boss"});
        QTest::newRow("one account") << QStringLiteral("B") << QString() << QStringList({"Transfer from A", "Boss"});
        QTest::newRow("one category, no children") << QString() << QStringLiteral("maint-home")
                                                   << QStringList({"Fixer"});
        QTest::newRow("account and category") << QStringLiteral("B") << QStringLiteral("med") << QStringList();
    }

    void transactionList()
    {
        QFETCH(QString, accountId);
        QFETCH(QString, categoryId);
        QFETCH(QStringList, ids);
        ReportFixture f;
        QStringList payees;
        for (const TransactionReportRow &row : f.reports.transactionList(kFrom, kTo, accountId, categoryId))
            payees.append(row.payee);
        QCOMPARE(payees, ids);
    }

    void transactionListRowFields()
    {
        ReportFixture f;
        const QList<TransactionReportRow> rows = f.reports.transactionList(kFrom, QDate(2024, 1, 31), {}, {});
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).date, QDate(2024, 1, 5));
        QCOMPARE(rows.at(0).accountName, QStringLiteral("Checking"));
        QCOMPARE(rows.at(0).categoryName, QStringLiteral("Rent"));
        QCOMPARE(rows.at(0).memo, QStringLiteral("January"));
        QCOMPARE(rows.at(0).amount, qint64(-90000));
        QCOMPARE(rows.at(1).categoryName, QString(""));
        QCOMPARE(rows.at(1).memo, QString(""));
    }

    void yearOverYear()
    {
        ServicesFixture f;
        QVERIFY(f.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                      "('A', 'A', 'x', 'x')")));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                                      "('rent', 'Rent', 'x', 'x'), ('bonus', 'Bonus', 'x', 'x'), "
                                      "('apple', 'apple', 'x', 'x')")));
        QVERIFY(f.exec(QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, amount, category_id, created_at, updated_at) "
            "VALUES ('1', 'A', '2023-03-01', 'p', -9000, 'rent', 'x', 'x'), "
            "('2', 'A', '2024-03-01', 'p', 4000, 'bonus', 'x', 'x'), "
            "('3', 'A', '2023-04-01', 'p', -100, 'apple', 'x', 'x'), "
            "('4', 'A', '2024-04-01', 'p', -300, 'apple', 'x', 'x')")));
        ReportService reports(f.database.get());
        QStringList rows;
        for (const YearOverYearRow &row : reports.yearOverYear(QDate(2023, 1, 1), QDate(2023, 12, 31),
                                                               QDate(2024, 1, 1), QDate(2024, 12, 31), {}))
            rows.append(QStringLiteral("%1 %2 %3 %4")
                            .arg(row.categoryName)
                            .arg(row.period1Total)
                            .arg(row.period2Total)
                            .arg(row.change));
        QCOMPARE(rows, QStringList({"Bonus 0 4000 4000", "Rent -9000 0 9000", "apple -100 -300 -200"}));

        const CategoryTotals totals = reports.categoryTotals(QDate(2023, 1, 1), QDate(2024, 12, 31), {});
        QCOMPARE(totals.value({QStringLiteral("apple"), Currency::USD}), qint64(-400));
        QCOMPARE(totals.size(), 3);
    }

    void rowsCarryTheirAccount()
    {
        ReportFixture f;
        QVERIFY(f.exec(QStringLiteral("UPDATE accounts SET currency = 'JPY' WHERE id = 'B'")));
        QStringList summary;
        for (const AccountSummaryRow &row : f.reports.accountSummary())
            summary.append(row.accountId + QLatin1Char(' ') + currencyToString(row.currency));
        QCOMPARE(summary, QStringList({"A USD", "E USD", "B JPY", "D USD"}));
        QStringList listed;
        for (const TransactionReportRow &row : f.reports.transactionList(kFrom, kTo, {}, QStringLiteral("bonus")))
            listed.append(row.accountId + QLatin1Char(' ') + currencyToString(row.currency));
        QCOMPARE(listed, QStringList({"B JPY"}));
    }

    // The fixture with Savings in yen, Aardvark in euros and one more
    // account whose unknown currency text reads as dollars: every sum is of
    // one currency, and the rows of one group follow the account list's
    // currencies (dollars, euros, yen).
    void sumsArePerCurrency()
    {
        ReportFixture f;
        const QStringList statements = {
            "UPDATE accounts SET currency = 'JPY' WHERE id = 'B'",
            "UPDATE accounts SET currency = 'EUR' WHERE id = 'E'",
            "INSERT INTO accounts (id, name, currency, sort_order, created_at, updated_at) "
            "VALUES ('X', 'Odd', 'XYZ', 3, 'x', 'x')",
            "INSERT INTO transactions (id, account_id, date, payee, amount, category_id, created_at, updated_at) "
            "VALUES ('e1', 'E', '2024-03-31', 'Boss', 300, 'bonus', 'x', 'x'), "
            "('e2', 'E', '2024-02-11', 'Fixer', -700, 'maint-home', 'x', 'x'), "
            "('j1', 'B', '2024-03-20', 'Clinic', -1500, 'med', 'x', 'x'), "
            "('x1', 'X', '2024-02-11', 'Fixer', -200, 'maint-car', 'x', 'x')",
        };
        for (const QString &sql : statements)
            QVERIFY2(f.exec(sql), qPrintable(sql));

        QCOMPARE(f.reports.currencies(), (QList<Currency>{Currency::USD, Currency::EUR, Currency::JPY}));
        QCOMPARE(f.reports.currencies(QStringLiteral("B")), QList<Currency>{Currency::JPY});

        const auto flowText = [](const QList<MonthlyFlowRow> &rows) {
            QStringList out;
            for (const MonthlyFlowRow &row : rows)
                out.append(QStringLiteral("%1 %2 %3 %4 %5")
                               .arg(row.month)
                               .arg(row.inflow)
                               .arg(row.outflow)
                               .arg(row.net)
                               .arg(currencyToString(row.currency)));
            return out;
        };
        QCOMPARE(flowText(f.reports.cashFlowByMonth(kFrom, kTo, {})),
                 QStringList({"2024-01 0 -98000 -98000 USD", "2024-02 0 -10700 -10700 USD", "2024-02 0 -700 -700 EUR",
                              "2024-02 5000 0 5000 JPY", "2024-03 0 -2601 -2601 USD", "2024-03 300 0 300 EUR",
                              "2024-03 4000 -1500 2500 JPY"}));
        QCOMPARE(flowText(f.reports.incomeVsExpenses(kFrom, kTo, {})),
                 QStringList({"2024-01 0 -98000 -98000 USD", "2024-02 0 -5700 -5700 USD", "2024-02 0 -700 -700 EUR",
                              "2024-03 0 -2601 -2601 USD", "2024-03 300 0 300 EUR", "2024-03 4000 -1500 2500 JPY"}));

        QStringList spending;
        for (const CategoryTotalRow &row : f.reports.spendingByCategory(kFrom, kTo, {}))
            spending.append(
                QStringLiteral("%1 %2 %3").arg(row.categoryName).arg(row.total).arg(currencyToString(row.currency)));
        QCOMPARE(spending, QStringList({"Rent -90000 USD", "Uncategorized -13001 USD", "Maintenance -5700 USD",
                                        "Medical -2600 USD", "Maintenance -700 EUR", "Medical -1500 JPY"}));

        QStringList payees;
        for (const PayeeSummaryRow &row : f.reports.payeeSummary(kFrom, kTo, {}))
            payees.append(QStringLiteral("%1 %2 %3 %4")
                              .arg(row.payee)
                              .arg(row.total)
                              .arg(row.count)
                              .arg(currencyToString(row.currency)));
        QCOMPARE(payees, QStringList({"Landlord -90000 1 USD", "Shop -8000 1 USD", "Fixer -5700 3 USD",
                                      "Transfer to B -5000 1 USD", "Clinic -2500 1 USD", "clinic -100 1 USD",
                                      "Closed -1 1 USD", "Fixer -700 1 EUR", "Boss 300 1 EUR", "Clinic -1500 1 JPY",
                                      "Boss 4000 1 JPY", "Transfer from A 5000 1 JPY"}));

        QStringList tax;
        for (const TaxCategoryRow &row : f.reports.taxReport(kFrom, kTo))
            tax.append(
                QStringLiteral("%1 %2 %3").arg(row.categoryName).arg(row.total).arg(currencyToString(row.currency)));
        QCOMPARE(tax, QStringList({"Medical -2600 USD", "Medical -1500 JPY"}));

        QStringList years;
        for (const YearOverYearRow &row :
             f.reports.yearOverYear(kFrom, QDate(2024, 1, 31), QDate(2024, 2, 1), kTo, {}))
            years.append(QStringLiteral("%1 %2 %3 %4 %5")
                             .arg(row.categoryName)
                             .arg(row.period1Total)
                             .arg(row.period2Total)
                             .arg(row.change)
                             .arg(currencyToString(row.currency)));
        QCOMPARE(years, QStringList({"Bonus 0 300 300 EUR", "Bonus 0 4000 4000 JPY", "Maintenance 0 -5700 -5700 USD",
                                     "Maintenance 0 -700 -700 EUR", "Medical 0 -2600 -2600 USD",
                                     "Medical 0 -1500 -1500 JPY", "Rent -90000 0 90000 USD",
                                     "Uncategorized -8000 -5001 2999 USD", "Uncategorized 0 5000 5000 JPY"}));

        // Amounts whose sum would not fit, but in two currencies: nothing adds them.
        QVERIFY(f.exec(QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) VALUES "
            "('h1', 'A', '2025-01-01', 'Huge', 5000000000000000000, 'x', 'x'), "
            "('h2', 'B', '2025-01-02', 'Huge', 5000000000000000000, 'x', 'x')")));
        ReportError error = ReportError::Overflow;
        QCOMPARE(flowText(f.reports.cashFlowByMonth(QDate(2025, 1, 1), QDate(2025, 1, 31), {}, &error)),
                 QStringList({"2025-01 5000000000000000000 0 5000000000000000000 USD",
                              "2025-01 5000000000000000000 0 5000000000000000000 JPY"}));
        QCOMPARE(error, ReportError::None);
    }

    // Two amounts whose sum does not fit in 64 bits, in March 2024 of
    // account 'A'; every report that adds them up says so instead of
    // showing a figure.
    void sumsTooLargeAreErrors_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::newRow("deposits") << qint64(5'000'000'000'000'000'000);
        QTest::newRow("payments") << qint64(-5'000'000'000'000'000'000);
    }

    void sumsTooLargeAreErrors()
    {
        QFETCH(qint64, amount);
        ServicesFixture f;
        f.addAccount(QStringLiteral("A"));
        QVERIFY(f.exec(QStringLiteral("INSERT INTO categories (id, name, is_tax_relevant, tax_category, created_at, "
                                      "updated_at) VALUES ('tax', 'Tax', 1, 'k', 'x', 'x')")));
        for (const QString &id : {QStringLiteral("1"), QStringLiteral("2")}) {
            QVERIFY(f.exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, category_id, "
                                          "created_at, updated_at) VALUES ('%1', 'A', '2024-03-0%1', 'p', %2, 'tax', "
                                          "'x', 'x')")
                               .arg(id)
                               .arg(amount)));
        }
        ReportService reports(f.database.get());
        const QDate from(2024, 3, 1);
        const QDate to(2024, 3, 31);
        const QString account = QStringLiteral("A");
        const QList<std::pair<const char *, std::function<qsizetype(ReportError *)>>> runs = {
            {"accountSummary", [&](ReportError *e) { return reports.accountSummary(e).size(); }},
            {"cashFlowByMonth", [&](ReportError *e) { return reports.cashFlowByMonth(from, to, account, e).size(); }},
            {"incomeVsExpenses", [&](ReportError *e) { return reports.incomeVsExpenses(from, to, {}, e).size(); }},
            {"payeeSummary", [&](ReportError *e) { return reports.payeeSummary(from, to, account, e).size(); }},
            {"taxReport", [&](ReportError *e) { return reports.taxReport(from, to, e).size(); }},
            {"categoryTotals", [&](ReportError *e) { return reports.categoryTotals(from, to, {}, e).size(); }},
            {"yearOverYear", [&](ReportError *e) { return reports.yearOverYear(from, to, from, to, {}, e).size(); }},
        };
        for (const auto &[name, run] : runs) {
            ReportError error = ReportError::None;
            QVERIFY2(run(&error) == 0, name);
            QVERIFY2(error == ReportError::Overflow, name);
        }
        // Spending adds up payments only.
        ReportError spending = ReportError::None;
        QVERIFY(reports.spendingByCategory(from, to, {}, &spending).isEmpty());
        QCOMPARE(spending, amount < 0 ? ReportError::Overflow : ReportError::None);
        // One row is no sum: the listing shows it.
        ReportError listing = ReportError::Overflow;
        QCOMPARE(reports.transactionList(from, QDate(2024, 3, 1), {}, {}, &listing).size(), 1);
        QCOMPARE(listing, ReportError::None);
    }

    // Sums that fit in SQL but not once the report combines them.
    void combinedFiguresTooLargeAreErrors()
    {
        ServicesFixture f;
        f.addAccount(QStringLiteral("A"), Currency::USD, std::numeric_limits<qint64>::max());
        f.addAccount(QStringLiteral("B"));
        QVERIFY(f.exec(QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) VALUES "
            "('1', 'A', '2024-03-01', 'p', 1, 'x', 'x'), "
            "('2', 'B', '2023-03-01', 'p', -5000000000000000000, 'x', 'x'), "
            "('3', 'B', '2024-03-01', 'p', 5000000000000000000, 'x', 'x')")));
        ReportService reports(f.database.get());
        ReportError error = ReportError::None;
        QVERIFY(reports.accountSummary(&error).isEmpty());
        QCOMPARE(error, ReportError::Overflow);
        error = ReportError::None;
        QVERIFY(reports.yearOverYear(QDate(2023, 1, 1), QDate(2023, 12, 31), QDate(2024, 1, 1), QDate(2024, 12, 31),
                                     QStringLiteral("B"), &error)
                    .isEmpty());
        QCOMPARE(error, ReportError::Overflow);
        // The same periods without the huge change are fine.
        QCOMPARE(reports.yearOverYear(QDate(2024, 1, 1), QDate(2024, 12, 31), QDate(2024, 1, 1), QDate(2024, 12, 31),
                                      QStringLiteral("B"), &error)
                     .size(),
                 1);
        QCOMPARE(error, ReportError::None);
    }

    void aFailedQueryIsAnError()
    {
        ReportFixture f;
        QVERIFY(f.exec(QStringLiteral("DROP TABLE split_lines")));
        QVERIFY(f.exec(QStringLiteral("ALTER TABLE categories RENAME TO gone")));
        ReportError error = ReportError::None;
        QVERIFY(f.reports.spendingByCategory(kFrom, kTo, {}, &error).isEmpty());
        QCOMPARE(error, ReportError::QueryFailed);
    }

    // Reading the whole table and reading the period through an index give
    // the same rows, for every period and account filter; the cheapest plan
    // gives them too.
    void everyPlanGivesTheSameFigures()
    {
        GeneratedFixture f;
        const QDate today = QDate::currentDate();
        const QDate first = f.scalar(QStringLiteral("SELECT MIN(date) FROM transactions")).toDate();
        const QDate last = f.scalar(QStringLiteral("SELECT MAX(date) FROM transactions")).toDate();
        QVERIFY(first.isValid() && last.isValid());
        const QList<std::tuple<const char *, QDate, QDate>> periods = {
            {"all time", QDate(2000, 1, 1), today},
            {"this month", QDate(today.year(), today.month(), 1), today},
            {"the data's edges", first, last},
            {"just inside the edges", first.addDays(1), last.addDays(-1)},
            {"one day", last, last},
            {"before the data", QDate(2001, 1, 1), first.addDays(-1)},
            {"from after to", last, first},
        };
        const QList<std::pair<const char *, QString>> filters = {
            {"all accounts", QString()},
            {"euros", f.generated.at(1).id},
            {"yen", f.generated.at(2).id},
        };
        for (const auto &[periodName, from, to] : periods) {
            for (const auto &[filterName, accountId] : filters) {
                f.reports.setReadPlan(ReportService::ReadPlan::TableScan);
                const QStringList scanned = f.reportTexts(from, to, accountId);
                for (const ReportService::ReadPlan plan : {ReportService::ReadPlan::Index,
                                                           ReportService::ReadPlan::Cheapest}) {
                    f.reports.setReadPlan(plan);
                    const QStringList read = f.reportTexts(from, to, accountId);
                    QVERIFY2(read == scanned, qPrintable(QStringLiteral("%1, %2, plan %3: %4")
                                                             .arg(QLatin1String(periodName), QLatin1String(filterName))
                                                             .arg(int(plan))
                                                             .arg(firstDifference(read, scanned))));
                }
            }
        }

        // The figures are there to compare: every currency, each on its own.
        f.reports.setReadPlan(ReportService::ReadPlan::Index);
        const QStringList all = f.reportTexts(QDate(2000, 1, 1), today, {});
        for (const char *kind : {"cash flow ", "income ", "spending ", "payee ", "tax ", "entry ", "year "}) {
            for (const char *currency : {" USD", " EUR", " JPY"}) {
                QVERIFY2(std::any_of(all.cbegin(), all.cend(),
                                     [&](const QString &line) {
                                         return line.startsWith(QLatin1String(kind))
                                                && line.endsWith(QLatin1String(currency));
                                     }),
                         qPrintable(QLatin1String(kind) + QLatin1String(currency)));
            }
        }
        QVERIFY(f.reportTexts(last.addDays(1), last, {}).isEmpty());
    }

    // The listing comes in the order the statement's ORDER BY t.date,
    // t.payee, t.rowid gives, texts compared by their stored bytes (a
    // character beyond U+FFFF sorts after U+FF01 there, before it in UTF-16).
    void listingFollowsTheStatementsOrder()
    {
        GeneratedFixture f;
        const QString account = f.generated.at(0).id;
        const QStringList payees = {QStringLiteral("b"), QStringLiteral("B"), QString::fromUtf8("\xF0\x9F\x98\x80"),
                                    QString::fromUtf8("\xEF\xBC\x81"), QString::fromUtf8("\xC3\x84"),
                                    QStringLiteral("a"), QStringLiteral("b")};
        for (qsizetype i = 0; i < payees.size(); ++i) {
            QSqlQuery insert(*f.database->db());
            insert.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                          "updated_at) VALUES (?, ?, ?, ?, ?, 'x', 'x')"));
            insert.addBindValue(QStringLiteral("order-%1").arg(i));
            insert.addBindValue(account);
            insert.addBindValue(QDate::currentDate().toString(Qt::ISODate));
            insert.addBindValue(payees.at(i));
            insert.addBindValue(-1 - i);
            QVERIFY(insert.exec());
        }
        QSqlQuery expected(*f.database->db());
        QVERIFY(expected.exec(QStringLiteral("SELECT date, payee, amount FROM transactions WHERE deleted_at IS NULL "
                                             "ORDER BY date, payee, rowid")));
        QStringList statementOrder;
        while (expected.next())
            statementOrder << QStringLiteral("%1 %2 %3")
                                  .arg(expected.value(0).toString(), expected.value(1).toString())
                                  .arg(expected.value(2).toLongLong());
        for (const ReportService::ReadPlan plan : {ReportService::ReadPlan::TableScan, ReportService::ReadPlan::Index}) {
            f.reports.setReadPlan(plan);
            QStringList listed;
            for (const TransactionReportRow &row : f.reports.transactionList(QDate(2000, 1, 1), QDate::currentDate(), {}, {}))
                listed << QStringLiteral("%1 %2 %3").arg(row.date.toString(Qt::ISODate), row.payee).arg(row.amount);
            QCOMPARE(listed, statementOrder);
        }
    }

    // A period that holds most of the table reads the table; a short one
    // reads its rows through an index, also within one account.
    void planFollowsThePeriod()
    {
        GeneratedFixture f;
        const QDate today = QDate::currentDate();
        const QString euros = f.generated.at(1).id;
        using Plan = ReportService::ReadPlan;
        QCOMPARE(f.reports.planFor(QDate(2000, 1, 1), today, {}), Plan::TableScan);
        QCOMPARE(f.reports.planFor(today.addYears(-2), today, {}), Plan::TableScan);
        QCOMPARE(f.reports.planFor(today.addDays(-30), today, {}), Plan::Index);
        QCOMPARE(f.reports.planFor(QDate(2000, 1, 1), today, euros), Plan::TableScan);
        QCOMPARE(f.reports.planFor(today.addDays(-30), today, euros), Plan::Index);
        QCOMPARE(f.reports.planFor(today, today.addDays(-1), {}), Plan::Index);
        f.reports.setReadPlan(Plan::TableScan);
        QCOMPARE(f.reports.planFor(today, today, {}), Plan::TableScan);

        ServicesFixture empty;
        QCOMPARE(ReportService(empty.database.get()).planFor(QDate(2000, 1, 1), today, {}), Plan::TableScan);
    }

    void csv_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every field quoted") << QStringList({"Date", "Amount"})
                                            << QList<QStringList>{{"1/2/2024", "-5.00"}, {"", "0"}}
                                            << "\"Date\",\"Amount\"\n\"1/2/2024\",\"-5.00\"\n\"\",\"0\"\n";
        QTest::newRow("a lone quote") << QStringList({"Q"}) << QList<QStringList>{{"\""}} << "\"Q\"\n\"\"\"\"\n";
        QTest::newRow("quotes in a header") << QStringList({"Say \"hi\""}) << QList<QStringList>{}
                                            << "\"Say \"\"hi\"\"\"\n";
        QTest::newRow("comma and line break stay inside") << QStringList({"Memo"})
                                                          << QList<QStringList>{{"a,b\nc"}} << "\"Memo\"\n\"a,b\nc\"\n";
        QTest::newRow("nothing at all") << QStringList() << QList<QStringList>{{}} << "\n\n";
    }

    void csv()
    {
        QFETCH(QStringList, headers);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, expected);
        QCOMPARE(ReportService::toCsv(headers, rows), expected);
    }
};

TALLYRA_TEST(ReportServiceTest)
#include "test_reportservice.moc"
