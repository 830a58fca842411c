#include "services/reportservice.h"

#include "data/database.h"
#include "data/money.h"
#include "data/sqlstatement.h"
#include "data/sqlvalues.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <limits>
#include <numeric>
#include <tuple>
#include <vector>

namespace {

// Prepares the statement, binds the date range and the filters that are set,
// in that order, and runs it. False when the query cannot run.
bool runRangeQuery(QSqlQuery &query, const QString &sql, const QDate &from, const QDate &to,
                   const QStringList &filters = {})
{
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return false;
    query.addBindValue(from.toString(Qt::ISODate));
    query.addBindValue(to.toString(Qt::ISODate));
    for (const QString &filter : filters) {
        if (!filter.isEmpty())
            query.addBindValue(filter);
    }
    return query.exec();
}

QString accountClause(const QString &accountId)
{
    return accountId.isEmpty() ? QString() : QStringLiteral(" AND t.account_id = ?");
}

// The currency of a row's account ("a"), read as currencyFromString reads
// it, so that every group holds exactly one currency.
const char kCurrencyColumn[] =
    "CASE WHEN a.currency IN ('EUR', 'GBP', 'CAD', 'AUD', 'JPY') THEN a.currency ELSE 'USD' END AS report_currency";
const char kAccountJoin[] = " LEFT JOIN accounts a ON a.id = t.account_id";

// A row read through an index costs a lookup in the table besides the index
// entry, about four times what reading the table in order costs a row: the
// index reads less while the period holds under a quarter of the table.
constexpr qint64 kLookupCost = 4;

// The rows each index hands over for a period, counted up to a limit: the
// count reads only the index, and stops where the table would read less.
const char kCountByDate[] =
    "SELECT COUNT(*) FROM (SELECT 1 FROM transactions INDEXED BY idx_transactions_date "
    "WHERE date >= ?1 AND date <= ?2 LIMIT ?3)";
const char kCountInAccount[] =
    "SELECT COUNT(*) FROM (SELECT 1 FROM transactions INDEXED BY idx_transactions_account_register "
    "WHERE account_id = ?4 AND deleted_at IS NULL AND date >= ?1 AND date <= ?2 LIMIT ?3)";
// The largest rowid tells the table's size without counting it (deleted
// rows stay in the table, marked).
const char kTableSize[] = "SELECT MAX(rowid) FROM transactions";

const Currency kAllCurrencies[] = {Currency::USD, Currency::EUR, Currency::GBP,
                                   Currency::CAD, Currency::AUD, Currency::JPY};

// Why a query that ran or failed to run has no usable rows. SQLite's SUM
// stops with "integer overflow" rather than wrap.
ReportError queryError(const QSqlQuery &query)
{
    const QSqlError error = query.lastError();
    if (error.type() == QSqlError::NoError)
        return ReportError::None;
    if (error.databaseText().contains(QLatin1String("integer overflow"), Qt::CaseInsensitive))
        return ReportError::Overflow;
    return ReportError::QueryFailed;
}

// Records the outcome; true when the report may be shown.
bool succeeded(ReportError outcome, ReportError *error)
{
    if (error)
        *error = outcome;
    return outcome == ReportError::None;
}

bool checkedAdd(qint64 a, qint64 b, qint64 *sum)
{
    const std::optional<qint64> result = checkedSum(a, b);
    *sum = result.value_or(0);
    return result.has_value();
}

// The distinct texts of one column of a listing (payees, dates), each held
// once and found by the bytes the statement holds, so a million rows
// neither hold nor build a million copies; ranked afterwards in the order
// SQLite sorts text (by its bytes, as the BINARY collation compares them).
class ListedTexts
{
public:
    // The text's number: the order in which the texts first came.
    int number(QByteArrayView utf8, bool *added)
    {
        // The lookup borrows the statement's bytes; a new text is copied.
        auto it = m_numbers.constFind(QByteArray::fromRawData(utf8.data(), utf8.size()));
        *added = it == m_numbers.constEnd();
        if (*added) {
            it = m_numbers.insert(utf8.toByteArray(), int(m_bytes.size()));
            m_bytes.append(it.key());
        }
        return *it;
    }

    // Each number's place among the texts in byte order.
    std::vector<int> ranks() const
    {
        std::vector<int> order(size_t(m_bytes.size()));
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [this](int a, int b) { return m_bytes.at(a) < m_bytes.at(b); });
        std::vector<int> ranks(order.size());
        for (size_t place = 0; place < order.size(); ++place)
            ranks[size_t(order[place])] = int(place);
        return ranks;
    }

private:
    QHash<QByteArray, int> m_numbers;
    QList<QByteArray> m_bytes;
};

// Where a listed row goes: by date, payee, then the order rows were stored
// in (rowid); `row` is its place as read.
struct ListingPlace
{
    int date = 0;
    int payee = 0;
    qint64 rowid = 0;
    qsizetype row = 0;
};

// Puts the rows in the listing's order. SQLite would sort whole rows, and
// for a long period spill them to disk: sorting small keys here and moving
// each row once costs a fraction of that.
void sortListing(QList<TransactionReportRow> &rows, std::vector<ListingPlace> &places,
                 const std::vector<int> &dateRanks, const std::vector<int> &payeeRanks)
{
    for (ListingPlace &place : places) {
        place.date = dateRanks[size_t(place.date)];
        place.payee = payeeRanks[size_t(place.payee)];
    }
    std::sort(places.begin(), places.end(), [](const ListingPlace &a, const ListingPlace &b) {
        return std::tie(a.date, a.payee, a.rowid) < std::tie(b.date, b.payee, b.rowid);
    });
    // Row i becomes the row read at places[i].row: each cycle of that
    // permutation is followed once, holding one row aside.
    std::vector<qsizetype> from(places.size());
    for (size_t i = 0; i < places.size(); ++i)
        from[i] = places[i].row;
    for (qsizetype start = 0; start < rows.size(); ++start) {
        if (from[size_t(start)] == start)
            continue;
        TransactionReportRow held = std::move(rows[start]);
        qsizetype current = start;
        while (from[size_t(current)] != start) {
            const qsizetype next = from[size_t(current)];
            rows[current] = std::move(rows[next]);
            from[size_t(current)] = current;
            current = next;
        }
        rows[current] = std::move(held);
        from[size_t(current)] = current;
    }
}

// The connection keeps a statement prepared under the address of its text,
// so each text of a statement built at run time is made once and kept.
const char *lastingSql(const QString &sql)
{
    static QHash<QString, QByteArray> texts;
    auto it = texts.constFind(sql);
    if (it == texts.constEnd())
        it = texts.insert(sql, sql.toUtf8());
    return it->constData();
}

QString csvField(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

void appendCsvLine(QString &out, const QStringList &fields)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        out += csvField(fields.at(i));
    }
    out += QLatin1Char('\n');
}

} // namespace

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{
}

ReportService::ReadPlan ReportService::planFor(const QDate &from, const QDate &to, const QString &accountId) const
{
    return planFor(QList<Period>{{from, to}}, accountId);
}

ReportService::ReadPlan ReportService::planFor(const QList<Period> &periods, const QString &accountId) const
{
    if (m_readPlan != ReadPlan::Cheapest)
        return m_readPlan;
    // When anything cannot be counted, the table read serves every period.
    qint64 limit = 0;
    {
        SqlStatement size(m_database, kTableSize);
        if (!size.next())
            return ReadPlan::TableScan;
        limit = size.int64(0) / kLookupCost;
    }
    qint64 counted = 0;
    for (const Period &period : periods) {
        const std::optional<qint64> rows = indexedRows(period, accountId, limit - counted);
        if (!rows)
            return ReadPlan::TableScan;
        counted += *rows;
        if (counted >= limit)
            return ReadPlan::TableScan;
    }
    return ReadPlan::Index;
}

std::optional<qint64> ReportService::indexedRows(const Period &period, const QString &accountId, qint64 limit) const
{
    SqlStatement rows(m_database, accountId.isEmpty() ? kCountByDate : kCountInAccount);
    rows.bindText(1, period.from.toString(Qt::ISODate));
    rows.bindText(2, period.to.toString(Qt::ISODate));
    rows.bindInt64(3, limit);
    if (!accountId.isEmpty())
        rows.bindText(4, accountId);
    if (!rows.next())
        return std::nullopt;
    return rows.int64(0);
}

QString ReportService::transactions(const QList<Period> &periods, const QString &accountId) const
{
    if (planFor(periods, accountId) == ReadPlan::TableScan)
        return QStringLiteral("transactions t NOT INDEXED");
    if (accountId.isEmpty())
        return QStringLiteral("transactions t INDEXED BY idx_transactions_date");
    return QStringLiteral("transactions t INDEXED BY idx_transactions_account_register");
}

QList<Currency> ReportService::currencies(const QString &accountId) const
{
    QSqlQuery query(*m_database->db());
    query.setForwardOnly(true);
    if (accountId.isEmpty()) {
        query.prepare(QStringLiteral(
            "SELECT currency FROM accounts WHERE deleted_at IS NULL ORDER BY sort_order, name"));
    } else {
        query.prepare(QStringLiteral("SELECT currency FROM accounts WHERE id = ?"));
        query.addBindValue(accountId);
    }
    QList<Currency> found;
    if (!query.exec())
        return found;
    while (query.next()) {
        const Currency currency = currencyFromString(query.value(0).toString());
        if (!found.contains(currency))
            found.append(currency);
    }
    return found;
}

QList<Currency> ReportService::currencyOrder() const
{
    QList<Currency> order = currencies();
    for (Currency currency : kAllCurrencies) {
        if (!order.contains(currency))
            order.append(currency);
    }
    return order;
}

QString ReportService::currencyOrderSql() const
{
    // The codes are the program's own, never data: safe to write inline.
    QString sql = QStringLiteral("CASE report_currency");
    const QList<Currency> order = currencyOrder();
    for (qsizetype rank = 0; rank < order.size(); ++rank)
        sql += QStringLiteral(" WHEN '%1' THEN %2").arg(currencyToString(order.at(rank))).arg(rank);
    return sql + QStringLiteral(" END");
}

QList<AccountSummaryRow> ReportService::accountSummary(ReportError *error) const
{
    QList<AccountSummaryRow> rows;
    QSqlQuery query(*m_database->db());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT a.name, a.account_type, a.starting_balance, "
            "COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, "
            "COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
            "COALESCE(SUM(t.amount), 0) AS total_sum, a.id, a.currency "
            "FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
            "WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name"))) {
        succeeded(queryError(query), error);
        return {};
    }
    while (query.next()) {
        const qint64 starting = query.value(2).toLongLong();
        AccountSummaryRow row;
        row.accountName = query.value(0).toString();
        row.accountType = query.value(1).toString();
        row.accountId = query.value(6).toString();
        row.currency = currencyFromString(query.value(7).toString());
        row.unclearedAmount = query.value(4).toLongLong();
        if (!checkedAdd(starting, query.value(3).toLongLong(), &row.clearedBalance)
            || !checkedAdd(starting, query.value(5).toLongLong(), &row.balance)) {
            succeeded(ReportError::Overflow, error);
            return {};
        }
        rows.append(row);
    }
    if (!succeeded(queryError(query), error))
        return {};
    return rows;
}

QList<MonthlyFlowRow> ReportService::monthlyFlow(const QString &sql, const QDate &from, const QDate &to,
                                                 const QString &accountId, ReportError *error) const
{
    QList<MonthlyFlowRow> rows;
    QSqlQuery query(*m_database->db());
    if (!runRangeQuery(query, sql, from, to, {accountId})) {
        succeeded(queryError(query), error);
        return {};
    }
    while (query.next()) {
        MonthlyFlowRow row;
        row.month = query.value(0).toString();
        row.inflow = query.value(1).toLongLong();
        row.outflow = query.value(2).toLongLong();
        // Never positive plus never negative: this cannot overflow.
        row.net = row.inflow + row.outflow;
        row.currency = currencyFromString(query.value(3).toString());
        rows.append(row);
    }
    if (!succeeded(queryError(query), error))
        return {};
    return rows;
}

QList<MonthlyFlowRow> ReportService::cashFlowByMonth(const QDate &from, const QDate &to,
                                                     const QString &accountId, ReportError *error) const
{
    return monthlyFlow(QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, "
                                      "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS inflows, "
                                      "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows, ")
                           + QLatin1String(kCurrencyColumn) + QStringLiteral(" FROM ")
                           + transactions({{from, to}}, accountId)
                           + QLatin1String(kAccountJoin)
                           + QStringLiteral(" WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
                           + accountClause(accountId)
                           + QStringLiteral(" GROUP BY month, report_currency ORDER BY month, ") + currencyOrderSql(),
                       from, to, accountId, error);
}

QList<MonthlyFlowRow> ReportService::incomeVsExpenses(const QDate &from, const QDate &to,
                                                      const QString &accountId, ReportError *error) const
{
    // Both legs of a linked transfer are left out: moving money is neither.
    // The link is tested as one term: as "IS NULL OR = ''" it could be read
    // through the link's index, which holds nearly every row.
    return monthlyFlow(QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, "
                                      "SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS income, "
                                      "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses, ")
                           + QLatin1String(kCurrencyColumn) + QStringLiteral(" FROM ")
                           + transactions({{from, to}}, accountId) + QLatin1String(kAccountJoin)
                           + QStringLiteral(" WHERE t.deleted_at IS NULL "
                                            "AND COALESCE(t.transfer_link_id, '') = '' "
                                            "AND t.date >= ? AND t.date <= ?")
                           + accountClause(accountId)
                           + QStringLiteral(" GROUP BY month, report_currency ORDER BY month, ") + currencyOrderSql(),
                       from, to, accountId, error);
}

QString ReportService::categoryDisplayName(const QString &reportedName)
{
    if (reportedName == QLatin1String("Uncategorized"))
        return QCoreApplication::translate("ReportService", "Uncategorized");
    return reportedName;
}

QList<CategoryTotalRow> ReportService::spendingByCategory(const QDate &from, const QDate &to,
                                                          const QString &accountId, ReportError *error) const
{
    QList<CategoryTotalRow> rows;
    QSqlQuery query(*m_database->db());
    // Each currency's rows together, the largest spending first.
    const QString sql = QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount), ")
                        + QLatin1String(kCurrencyColumn) + QStringLiteral(" FROM ") + transactions({{from, to}}, accountId)
                        + QStringLiteral(" LEFT JOIN categories c ON t.category_id = c.id")
                        + QLatin1String(kAccountJoin)
                        + QStringLiteral(" WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ?")
                        + accountClause(accountId)
                        + QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized'), report_currency ORDER BY ")
                        + currencyOrderSql() + QStringLiteral(", SUM(t.amount) ASC");
    if (runRangeQuery(query, sql, from, to, {accountId})) {
        while (query.next())
            rows.append({query.value(0).toString(), query.value(1).toLongLong(),
                         currencyFromString(query.value(2).toString())});
    }
    if (!succeeded(queryError(query), error))
        return {};
    return rows;
}

QList<PayeeSummaryRow> ReportService::payeeSummary(const QDate &from, const QDate &to,
                                                   const QString &accountId, ReportError *error) const
{
    QList<PayeeSummaryRow> rows;
    QSqlQuery query(*m_database->db());
    const QString sql = QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*), ") + QLatin1String(kCurrencyColumn)
                        + QStringLiteral(" FROM ") + transactions({{from, to}}, accountId) + QLatin1String(kAccountJoin)
                        + QStringLiteral(" WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
                        + accountClause(accountId) + QStringLiteral(" GROUP BY t.payee, report_currency ORDER BY ")
                        + currencyOrderSql() + QStringLiteral(", SUM(t.amount) ASC");
    if (runRangeQuery(query, sql, from, to, {accountId})) {
        while (query.next())
            rows.append({query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt(),
                         currencyFromString(query.value(3).toString())});
    }
    if (!succeeded(queryError(query), error))
        return {};
    return rows;
}

QList<TaxCategoryRow> ReportService::taxReport(const QDate &from, const QDate &to, ReportError *error) const
{
    QList<TaxCategoryRow> rows;
    QSqlQuery query(*m_database->db());
    // CROSS JOIN keeps the transactions the outer loop: read once, each
    // row's category looked up, never the period read once per category.
    const QString sql = QStringLiteral("SELECT c.name, c.tax_category, SUM(t.amount), ")
                        + QLatin1String(kCurrencyColumn) + QStringLiteral(" FROM ")
                        + transactions({{from, to}}, QString())
                        + QStringLiteral(" CROSS JOIN categories c ON t.category_id = c.id")
                        + QLatin1String(kAccountJoin)
                        + QStringLiteral(" WHERE t.deleted_at IS NULL AND c.is_tax_relevant = 1 "
                                         "AND t.date >= ? AND t.date <= ? "
                                         "GROUP BY c.name, c.tax_category, report_currency "
                                         "ORDER BY c.tax_category, c.name, ")
                        + currencyOrderSql();
    if (runRangeQuery(query, sql, from, to)) {
        while (query.next())
            rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong(),
                         currencyFromString(query.value(3).toString())});
    }
    if (!succeeded(queryError(query), error))
        return {};
    return rows;
}

QList<TransactionReportRow> ReportService::transactionList(const QDate &from, const QDate &to,
                                                           const QString &accountId,
                                                           const QString &categoryId, ReportError *error) const
{
    // A listing can hold every row of the register: the statement reads
    // the transactions alone and each row's account and category come from
    // the few of them, read first (deleted ones included, as a join would
    // find them).
    struct ListedAccount
    {
        QString id;
        QString name;
        Currency currency = Currency::USD;
    };
    QHash<QByteArray, ListedAccount> accounts;
    QHash<QByteArray, QString> categoryNames;
    {
        SqlStatement all(m_database, "SELECT id, name, currency FROM accounts");
        while (all.next())
            accounts.insert(all.utf8(0).toByteArray(), {all.text(0), all.text(1), currencyFromString(all.text(2))});
        SqlStatement names(m_database, "SELECT id, name FROM categories");
        while (names.next())
            categoryNames.insert(names.utf8(0).toByteArray(), names.text(1));
        if (!all.ok() || !names.ok()) {
            succeeded(ReportError::QueryFailed, error);
            return {};
        }
    }

    QString sql = QStringLiteral("SELECT t.date, t.account_id, t.payee, t.category_id, COALESCE(t.memo, ''), t.amount, "
                                 "t.rowid FROM ")
                  + transactions({{from, to}}, accountId)
                  + QStringLiteral(" WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
                  + accountClause(accountId);
    if (!categoryId.isEmpty())
        sql += QStringLiteral(" AND t.category_id = ?");
    SqlStatement query(m_database, lastingSql(sql));
    int position = 1;
    query.bindText(position++, from.toString(Qt::ISODate));
    query.bindText(position++, to.toString(Qt::ISODate));
    if (!accountId.isEmpty())
        query.bindText(position++, accountId);
    if (!categoryId.isEmpty())
        query.bindText(position++, categoryId);

    ListedTexts dates;
    QList<QDate> dateValues;
    ListedTexts payees;
    QStringList payeeTexts;
    std::vector<ListingPlace> places;
    QList<TransactionReportRow> rows;
    while (query.next()) {
        bool added = false;
        const int date = dates.number(query.utf8(0), &added);
        if (added)
            dateValues.append(SqlValues::parseIsoDate(query.utf8(0)));
        const int payee = payees.number(query.utf8(2), &added);
        if (added)
            payeeTexts.append(query.text(2));
        const QByteArrayView accountKey = query.utf8(1);
        auto account = accounts.constFind(QByteArray::fromRawData(accountKey.data(), accountKey.size()));
        if (account == accounts.constEnd())
            account = accounts.insert(accountKey.toByteArray(), {query.text(1), QString(), currencyFromString({})});
        const QByteArrayView categoryKey = query.utf8(3);
        places.push_back({date, payee, query.int64(6), rows.size()});
        TransactionReportRow &row = rows.emplaceBack();
        row.date = dateValues.at(date);
        row.accountId = account->id;
        row.accountName = account->name;
        row.currency = account->currency;
        row.payee = payeeTexts.at(payee);
        row.categoryName = categoryNames.value(QByteArray::fromRawData(categoryKey.data(), categoryKey.size()),
                                               QStringLiteral(""));
        row.memo = query.text(4);
        row.amount = query.int64(5);
    }
    if (!succeeded(query.ok() ? ReportError::None : ReportError::QueryFailed, error))
        return {};
    // By date and payee as the texts sort, rows alike in both in the order
    // they were stored in, whichever way the table was read.
    sortListing(rows, places, dates.ranks(), payees.ranks());
    return rows;
}

CategoryTotals ReportService::categoryTotals(const QDate &from, const QDate &to, const QString &accountId,
                                            ReportError *error) const
{
    return categoryTotalsPerPeriod({{from, to}}, accountId, error).value(0);
}

QList<CategoryTotals> ReportService::categoryTotalsPerPeriod(const QList<Period> &periods, const QString &accountId,
                                                             ReportError *error) const
{
    // One read covers every period: from the earliest start to the latest
    // end, each row added to the sum of each period it falls in. A sum stays
    // NULL for a category without rows in that period.
    QString sums;
    QStringList inPeriods;
    QVariantList values;
    QDate first = periods.value(0).from;
    QDate last = periods.value(0).to;
    for (const Period &period : periods) {
        sums += QStringLiteral(", SUM(CASE WHEN t.date >= ? AND t.date <= ? THEN t.amount END)");
        inPeriods.append(QStringLiteral("(t.date >= ? AND t.date <= ?)"));
        values << period.from.toString(Qt::ISODate) << period.to.toString(Qt::ISODate);
        first = std::min(first, period.from);
        last = std::max(last, period.to);
    }
    const QString sql = QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), ") + QLatin1String(kCurrencyColumn)
                        + sums + QStringLiteral(" FROM ") + transactions(periods, accountId)
                        + QStringLiteral(" LEFT JOIN categories c ON t.category_id = c.id")
                        + QLatin1String(kAccountJoin)
                        + QStringLiteral(" WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? AND (")
                        + inPeriods.join(QLatin1String(" OR ")) + QLatin1Char(')') + accountClause(accountId)
                        + QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized'), report_currency");
    QList<CategoryTotals> totals(periods.size());
    QSqlQuery query(*m_database->db());
    query.setForwardOnly(true);
    if (query.prepare(sql)) {
        for (const QVariant &value : std::as_const(values))
            query.addBindValue(value);
        query.addBindValue(first.toString(Qt::ISODate));
        query.addBindValue(last.toString(Qt::ISODate));
        for (const QVariant &value : std::as_const(values))
            query.addBindValue(value);
        if (!accountId.isEmpty())
            query.addBindValue(accountId);
        if (query.exec()) {
            while (query.next()) {
                const CategoryTotals::key_type key{query.value(0).toString(),
                                                   currencyFromString(query.value(1).toString())};
                for (qsizetype i = 0; i < periods.size(); ++i) {
                    const QVariant sum = query.value(int(2 + i));
                    if (!sum.isNull())
                        totals[i].insert(key, sum.toLongLong());
                }
            }
        }
    }
    if (!succeeded(queryError(query), error))
        return QList<CategoryTotals>(periods.size());
    return totals;
}

QList<YearOverYearRow> ReportService::yearOverYear(const QDate &period1From, const QDate &period1To,
                                                   const QDate &period2From, const QDate &period2To,
                                                   const QString &accountId, ReportError *error) const
{
    ReportError outcome = ReportError::None;
    const QList<CategoryTotals> totals =
        categoryTotalsPerPeriod({{period1From, period1To}, {period2From, period2To}}, accountId, &outcome);
    if (!succeeded(outcome, error))
        return {};
    const CategoryTotals &totals1 = totals.at(0);
    const CategoryTotals &totals2 = totals.at(1);

    using Key = CategoryTotals::key_type;
    QList<Key> keys = totals1.keys() + totals2.keys();
    const QList<Currency> order = currencyOrder();
    // By name (QString's operator< compares UTF-16 code units,
    // case-sensitively), then each currency in its place.
    std::sort(keys.begin(), keys.end(), [&order](const Key &a, const Key &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return order.indexOf(a.second) < order.indexOf(b.second);
    });
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());

    QList<YearOverYearRow> rows;
    rows.reserve(keys.size());
    for (const Key &key : std::as_const(keys)) {
        YearOverYearRow row;
        row.categoryName = key.first;
        row.currency = key.second;
        row.period1Total = totals1.value(key, 0);
        row.period2Total = totals2.value(key, 0);
        if (row.period1Total == std::numeric_limits<qint64>::min()
            || !checkedAdd(row.period2Total, -row.period1Total, &row.change)) {
            succeeded(ReportError::Overflow, error);
            return {};
        }
        rows.append(row);
    }
    return rows;
}

QString ReportService::toCsv(const QStringList &headers, const QList<QStringList> &rows)
{
    QString out;
    appendCsvLine(out, headers);
    for (const QStringList &row : rows)
        appendCsvLine(out, row);
    return out;
}
