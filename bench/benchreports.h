#pragma once

#include <QList>
#include <QString>

// The report service's statements as written for the sqlite3 C API
// baselines; the account filter goes where the service puts it.
namespace Bench {

struct ReportSql
{
    const char *name;
    QString head; // up to and including the WHERE conditions
    QString tail; // grouping and ordering
    bool dated = true;
    bool perAccount = true;

    // The statement, with the account condition when filtered.
    QString text(bool accountFiltered) const
    {
        return head + (accountFiltered && perAccount ? QStringLiteral(" AND t.account_id = ?") : QString()) + tail;
    }

    // The statement reading the transactions table in its stored order, one
    // plain scan, whatever the period.
    QString scanText(bool accountFiltered) const
    {
        QString sql = text(accountFiltered);
        return sql.replace(QStringLiteral("FROM transactions t "), QStringLiteral("FROM transactions t NOT INDEXED "));
    }
};

// Each sum is per currency; rows of one group in the account list's order
// of currencies (all accounts of the benchmark are in dollars).
inline const QString kCurrencyColumn = QStringLiteral(
    "CASE WHEN a.currency IN ('EUR', 'GBP', 'CAD', 'AUD', 'JPY') THEN a.currency ELSE 'USD' END AS report_currency");
inline const QString kCurrencyOrder = QStringLiteral(
    "CASE report_currency WHEN 'USD' THEN 0 WHEN 'EUR' THEN 1 WHEN 'GBP' THEN 2 WHEN 'CAD' THEN 3 "
    "WHEN 'AUD' THEN 4 WHEN 'JPY' THEN 5 END");

inline const ReportSql &reportSql(const char *name)
{
    static const QList<ReportSql> statements = {
        {"accountSummary",
         QStringLiteral("SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared = 1 THEN "
                        "t.amount ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount "
                        "ELSE 0 END), 0) AS uncleared_sum, COALESCE(SUM(t.amount), 0) AS total_sum, a.id, a.currency "
                        "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
                        "WHERE a.deleted_at IS NULL"),
         QStringLiteral(" GROUP BY a.id ORDER BY a.sort_order, a.name"), false, false},
        {"cashFlowByMonth",
         QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 "
                        "END) AS inflows, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows, ")
             + kCurrencyColumn
             + QStringLiteral(" FROM transactions t LEFT JOIN accounts a ON a.id = t.account_id WHERE "
                              "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
         QStringLiteral(" GROUP BY month, report_currency ORDER BY month, ") + kCurrencyOrder},
        {"spendingByCategory",
         QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount), ") + kCurrencyColumn
             + QStringLiteral(" FROM transactions t LEFT JOIN categories c ON t.category_id = c.id LEFT JOIN accounts "
                              "a ON a.id = t.account_id WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? "
                              "AND t.date <= ?"),
         QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized'), report_currency ORDER BY ") + kCurrencyOrder
             + QStringLiteral(", SUM(t.amount) ASC")},
        {"incomeVsExpenses",
         QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 "
                        "END) AS income, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses, ")
             + kCurrencyColumn
             + QStringLiteral(" FROM transactions t LEFT JOIN accounts a ON a.id = t.account_id WHERE "
                              "t.deleted_at IS NULL AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '') AND "
                              "t.date >= ? AND t.date <= ?"),
         QStringLiteral(" GROUP BY month, report_currency ORDER BY month, ") + kCurrencyOrder},
        {"payeeSummary",
         QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*), ") + kCurrencyColumn
             + QStringLiteral(" FROM transactions t LEFT JOIN accounts a ON a.id = t.account_id WHERE t.deleted_at IS "
                              "NULL AND t.date >= ? AND t.date <= ?"),
         QStringLiteral(" GROUP BY t.payee, report_currency ORDER BY ") + kCurrencyOrder
             + QStringLiteral(", SUM(t.amount) ASC")},
        {"taxReport",
         QStringLiteral("SELECT c.name, c.tax_category, SUM(t.amount), ") + kCurrencyColumn
             + QStringLiteral(" FROM transactions t JOIN categories c ON t.category_id = c.id LEFT JOIN accounts a ON "
                              "a.id = t.account_id WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.date >= "
                              "? AND t.date <= ?"),
         QStringLiteral(" GROUP BY c.name, c.tax_category, report_currency ORDER BY c.tax_category, c.name, ")
             + kCurrencyOrder,
         true, false},
        // Year over year is two of these, one per period.
        {"categoryTotals",
         QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount), ") + kCurrencyColumn
             + QStringLiteral(" FROM transactions t LEFT JOIN categories c ON t.category_id = c.id LEFT JOIN accounts "
                              "a ON a.id = t.account_id WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
         QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized'), report_currency")},
        {"transactionList",
         QStringLiteral("SELECT t.date, a.name AS account_name, t.payee, COALESCE(c.name, '') AS category_name, "
                        "COALESCE(t.memo, ''), t.amount, t.account_id, a.currency FROM transactions t LEFT JOIN "
                        "accounts a ON t.account_id = a.id LEFT JOIN categories c ON t.category_id = c.id WHERE "
                        "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
         QStringLiteral(" ORDER BY t.date, t.payee")},
    };
    for (const ReportSql &statement : statements) {
        if (qstrcmp(statement.name, name) == 0)
            return statement;
    }
    qFatal("no report statement %s", name);
}

} // namespace Bench
