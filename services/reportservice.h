#pragma once

#include "data/account.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class Database;

struct AccountSummaryRow
{
    QString accountId;
    Currency currency = Currency::USD;
    QString accountName;
    QString accountType; // the stored type text, such as "checking"
    qint64 clearedBalance = 0;
    qint64 unclearedAmount = 0;
    qint64 balance = 0;
};

// Rows that add amounts up hold one currency each: a group whose
// transactions are in several currencies gives one row per currency.

struct MonthlyFlowRow
{
    QString month; // "yyyy-MM"
    qint64 inflow = 0;  // income, never negative
    qint64 outflow = 0; // expenses, never positive
    qint64 net = 0;
    Currency currency = Currency::USD;
};

struct CategoryTotalRow
{
    QString categoryName;
    qint64 total = 0;
    Currency currency = Currency::USD;
};

struct PayeeSummaryRow
{
    QString payee;
    qint64 total = 0;
    int count = 0;
    Currency currency = Currency::USD;
};

struct TaxCategoryRow
{
    QString categoryName;
    QString taxCategory;
    qint64 total = 0;
    Currency currency = Currency::USD;
};

struct TransactionReportRow
{
    QDate date;
    QString accountId;
    Currency currency = Currency::USD; // of the row's account
    QString accountName;
    QString payee;
    QString categoryName;
    QString memo;
    qint64 amount = 0;
};

// A period's listing can hold a million rows: the list grows by moving
// its memory, not by copying each row.
Q_DECLARE_TYPEINFO(TransactionReportRow, Q_RELOCATABLE_TYPE);

struct YearOverYearRow
{
    QString categoryName;
    qint64 period1Total = 0;
    qint64 period2Total = 0;
    qint64 change = 0; // period 2 minus period 1
    Currency currency = Currency::USD;
};

// A category's total in one currency, keyed by category name and currency.
using CategoryTotals = QMap<std::pair<QString, Currency>, qint64>;

// Why a report has no rows to show.
enum class ReportError {
    None = 0,
    Overflow = 1, // a sum does not fit in 64 bits
    QueryFailed = 2,
};

// The reports, computed with SQL aggregates over live transactions. A report
// that cannot be computed yields an empty result and, through `error`, the
// reason, so that a sum too large is never shown as a wrapped figure.
// Amounts in different currencies are never added: sums are per currency,
// and rows of one group come in the order of `currencies()`.
class ReportService : public QObject
{
    Q_OBJECT

public:
    explicit ReportService(Database *database, QObject *parent = nullptr);

    // How a report reads the transactions of its period: the whole table in
    // its stored order, or the rows of the period through the date index
    // (the account's own index when the report is of one account). Every
    // row read through an index costs a lookup in the table, so the index
    // reads less only for periods that hold a small part of the table.
    enum class ReadPlan {
        Cheapest = 0, // chosen per report: the default
        TableScan = 1,
        Index = 2,
    };
    // Makes every report read one way, whatever its period (the figures are
    // the same either way).
    void setReadPlan(ReadPlan plan) { m_readPlan = plan; }
    // The way a report of this period reads: never Cheapest.
    ReadPlan planFor(const QDate &from, const QDate &to, const QString &accountId) const;

    // The currencies of the accounts a report covers (every live account, or
    // the one account), in the order they first appear in the account list.
    QList<Currency> currencies(const QString &accountId = QString()) const;

    QList<AccountSummaryRow> accountSummary(ReportError *error = nullptr) const;
    QList<MonthlyFlowRow> cashFlowByMonth(const QDate &from, const QDate &to, const QString &accountId,
                                          ReportError *error = nullptr) const;
    QList<CategoryTotalRow> spendingByCategory(const QDate &from, const QDate &to, const QString &accountId,
                                               ReportError *error = nullptr) const;
    QList<MonthlyFlowRow> incomeVsExpenses(const QDate &from, const QDate &to, const QString &accountId,
                                           ReportError *error = nullptr) const;
    QList<PayeeSummaryRow> payeeSummary(const QDate &from, const QDate &to, const QString &accountId,
                                        ReportError *error = nullptr) const;
    QList<TaxCategoryRow> taxReport(const QDate &from, const QDate &to, ReportError *error = nullptr) const;
    QList<TransactionReportRow> transactionList(const QDate &from, const QDate &to, const QString &accountId,
                                                const QString &categoryId, ReportError *error = nullptr) const;
    QList<YearOverYearRow> yearOverYear(const QDate &period1From, const QDate &period1To, const QDate &period2From,
                                        const QDate &period2To, const QString &accountId,
                                        ReportError *error = nullptr) const;
    CategoryTotals categoryTotals(const QDate &from, const QDate &to, const QString &accountId,
                                  ReportError *error = nullptr) const;

    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows);

    // The category name of a report row as the user reads it: the rows of
    // transactions without a category carry the fixed name "Uncategorized",
    // shown in the user's language.
    static QString categoryDisplayName(const QString &reportedName);

private:
    struct Period
    {
        QDate from;
        QDate to;
    };
    ReadPlan planFor(const QList<Period> &periods, const QString &accountId) const;
    // The rows of the period in the index the plan would read (those of the
    // account when one is given), counted up to `limit`.
    std::optional<qint64> indexedRows(const Period &period, const QString &accountId, qint64 limit) const;
    // "transactions t" as the reports' FROM clause names it, read the way
    // that suits the periods.
    QString transactions(const QList<Period> &periods, const QString &accountId) const;
    // The category totals of each period, from one read of the transactions.
    QList<CategoryTotals> categoryTotalsPerPeriod(const QList<Period> &periods, const QString &accountId,
                                                  ReportError *error) const;

    // Every currency, those of the live accounts first: the order of the
    // rows of one group.
    QList<Currency> currencyOrder() const;
    QString currencyOrderSql() const;
    QList<MonthlyFlowRow> monthlyFlow(const QString &sql, const QDate &from, const QDate &to,
                                      const QString &accountId, ReportError *error) const;

    Database *m_database;
    ReadPlan m_readPlan = ReadPlan::Cheapest;
};
