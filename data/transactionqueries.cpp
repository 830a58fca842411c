// The computing half of TransactionRepository: register rows with running
// balances, balances, search, payee lists and opening-balance recognition.

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/sqlstatement.h"
#include "data/sqlvalues.h"
#include "data/transactionreader.h"
#include "data/transactionrepository.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

using namespace SqlValues;

namespace TransactionColumns {
extern const QString kColumns;
}

using TransactionColumns::kColumns;

namespace {

const QString kCategoryName = CategoryRepository::labelSql() + QStringLiteral(" AS category_name");

// The translations of "Opening Balance" in every interface language, lower-cased.
const QStringList &openingBalanceWords()
{
    static const QStringList words = {
        QStringLiteral("opening balance"), QStringLiteral("saldo inicial"), QStringLiteral("solde d'ouverture"),
        QStringLiteral("\u671F\u9996\u6B8B\u9AD8"), QStringLiteral("anfangssaldo"),
    };
    return words;
}

const QUuid kDnsNamespace(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));

// Texts that repeat down a register (the account, payees, categories, the
// sync state) are read once each and shared by every row that carries them:
// an account of decades holds a few hundred distinct ones, and a copy per
// row is an allocation per row and column.
class SharedTexts
{
public:
    QString text(const SqlStatement &statement, int column)
    {
        const QByteArrayView bytes = statement.utf8(column);
        if (bytes.isNull())
            return QString();
        // Most columns repeat the row before (one account, one sync state,
        // a payee's run of rows): compared before hashed.
        Last &last = m_last[size_t(column) % m_last.size()];
        if (last.column == column && bytes == last.key)
            return last.value;
        const QByteArray rawKey = QByteArray::fromRawData(bytes.data(), bytes.size());
        auto found = m_texts.constFind(rawKey);
        if (found == m_texts.cend()) {
            // The key is copied first: reading the value may convert the column's bytes.
            QByteArray key(bytes.data(), bytes.size());
            found = m_texts.insert(std::move(key), statement.text(column));
        }
        last = {column, found.key(), found.value()};
        return found.value();
    }

private:
    struct Last
    {
        int column = -1;
        QByteArray key;
        QString value;
    };
    QHash<QByteArray, QString> m_texts;
    std::array<Last, 24> m_last;
};

// The label of every category, deleted ones included, by the UTF-8 bytes of
// its id. A register joins a few hundred categories to tens of thousands of
// rows: looked up here, not joined per row.
QHash<QByteArray, QString> categoryLabels(Database *database)
{
    QHash<QByteArray, QString> labels;
    QSqlQuery query = prepare(database->db(),
        QStringLiteral("SELECT c.id, %1 FROM categories c").arg(CategoryRepository::labelSql()));
    if (!exec(query))
        return labels;
    while (query.next())
        labels.insert(query.value(0).toString().toUtf8(), query.value(1).toString());
    return labels;
}

// A row of the register statement for TransactionReader, its repeating
// columns shared.
struct RegisterStatementRow : TransactionReader::StatementRow
{
    SharedTexts &shared;
    const QHash<QByteArray, QString> &labels;

    QString text(int column) const
    {
        switch (column) {
        case 1: // account
        case 3: // payee
        case 6: // category
        case 11: // transfer account
        case 13: // recurring rule
        case 15: // sync state
            return shared.text(statement, column);
        default:
            return statement.text(column);
        }
    }
    QString categoryLabel() const
    {
        const QByteArrayView id = statement.utf8(6);
        if (id.isNull())
            return QString();
        return labels.value(QByteArray::fromRawData(id.data(), id.size()));
    }
};

// Reads a register statement's rows (REGISTER_SELECT, ordered by date and
// creation time) onto the end of `rows`, with their category labels. The
// index hands rows of one date and second over in no useful order; the
// register lists them in the order they were stored (rowid, the last
// column). Ordering them here is cheap, where an ORDER BY on rowid puts
// every row through SQLite's sorter.
bool readRegisterRows(Database *database, SqlStatement &statement, QList<RegisterRow> &rows)
{
    SharedTexts shared;
    const QHash<QByteArray, QString> labels = categoryLabels(database);
    const RegisterStatementRow statementRow{{statement}, shared, labels};
    const qsizetype first = rows.size();
    std::vector<qint64> rowids;
    rowids.reserve(size_t(rows.capacity() - first));
    // Each row is read in its place in the list: a row is some 350 bytes,
    // and a copy per row shows on an account of decades.
    while (statement.next()) {
        RegisterRow &row = rows.emplace_back();
        TransactionReader::readInto(statementRow, row.transaction);
        row.categoryName = statementRow.categoryLabel();
        rowids.push_back(statement.int64(20));
    }
    if (!statement.ok())
        return false;

    const RegisterRow *read = rows.constData() + first;
    const qsizetype count = rows.size() - first;
    qsizetype start = 0;
    while (start < count) {
        const Transaction &tied = read[start].transaction;
        qsizetype end = start + 1;
        bool ordered = true;
        for (; end < count && read[end].transaction.date == tied.date
               && read[end].transaction.createdAt == tied.createdAt;
             ++end) {
            ordered = ordered && rowids[size_t(end)] > rowids[size_t(end - 1)];
        }
        if (!ordered) {
            std::vector<std::pair<qint64, RegisterRow>> run;
            run.reserve(size_t(end - start));
            for (qsizetype i = start; i < end; ++i)
                run.emplace_back(rowids[size_t(i)], std::move(rows[first + i]));
            std::sort(run.begin(), run.end(),
                      [](const auto &a, const auto &b) { return a.first < b.first; });
            for (qsizetype i = start; i < end; ++i)
                rows[first + i] = std::move(run[size_t(i - start)].second);
            read = rows.constData() + first;
        }
        start = end;
    }
    return true;
}

// The value kept for `key`, or the one read now, kept when it may be.
template<typename Value, typename Read>
std::optional<Value> keptOrRead(bool keepable, QHash<QString, Value> &kept, const QString &key, Read read)
{
    if (keepable) {
        const auto found = kept.constFind(key);
        if (found != kept.cend())
            return *found;
    }
    const std::optional<Value> value = read();
    if (value && keepable)
        kept.insert(key, *value);
    return value;
}

} // namespace

// The register's columns: the twenty of a transaction, then the rowid. A
// literal, so that each statement built on it is one cached text.
#define REGISTER_SELECT                                                                                        \
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, " \
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "    \
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, t.rowid FROM transactions t WHERE "

qint64 TransactionRepository::startingBalance(const QString &accountId) const
{
    QSqlQuery query = prepare(m_database->db(), QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"),
                              {accountId});
    if (!exec(query) || !query.next())
        return 0;
    return query.value(0).toLongLong();
}

QList<RegisterRow> TransactionRepository::listRegister(const QString &accountId) const
{
    return readRegister(accountId, QDate()).value_or(QList<RegisterRow>());
}

std::optional<QList<RegisterRow>> TransactionRepository::listRegisterBefore(const QString &accountId,
    const QDate &before) const
{
    return readRegister(accountId, before);
}

std::optional<QList<RegisterRow>> TransactionRepository::readRegister(const QString &accountId,
    const QDate &before) const
{
    // Read straight from the SQLite handle: this is the register's whole
    // account, often tens of thousands of rows, on every reload.
    SqlStatement statement(m_database,
        before.isValid()
            ? REGISTER_SELECT "t.account_id = ? AND t.deleted_at IS NULL AND t.date < ? "
                              "ORDER BY t.date ASC, t.created_at ASC"
            : REGISTER_SELECT "t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC");
    QList<RegisterRow> rows;
    if (!statement.isValid())
        return std::nullopt;
    statement.bindText(1, accountId);
    if (before.isValid())
        statement.bindText(2, SqlValues::isoDate(before));

    qint64 running = startingBalance(accountId);
    if (running != 0) {
        RegisterRow opening;
        opening.transaction.payee = tr("Opening Balance");
        opening.transaction.amount = running;
        opening.transaction.cleared = true;
        opening.transaction.reconciled = true;
        QDate earliest;
        QSqlQuery first = prepare(m_database->db(),
                                  QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND deleted_at "
                                                 "IS NULL ORDER BY date ASC LIMIT 1"),
                                  {accountId});
        if (exec(first) && first.next())
            earliest = parseIsoDate(first.value(0).toString());
        opening.transaction.date = earliest.isValid() ? earliest : QDate::currentDate();
        opening.runningBalance = running;
        rows.append(opening);
    }

    // Room for every row at once: a list grown by doubling leaves its
    // earlier copies behind as freed memory the size of the account.
    if (const std::optional<AccountTotals> totals = accountTotals(accountId))
        rows.reserve(rows.size() + totals->count);

    const qsizetype first = rows.size();
    if (!readRegisterRows(m_database, statement, rows))
        return std::nullopt;
    std::optional<qint64> balance = running;
    for (auto row = rows.begin() + first; row != rows.end(); ++row) {
        if (balance)
            balance = checkedSum(*balance, row->transaction.amount);
        row->runningBalance = balance;
    }
    return rows;
}

std::optional<TransactionRepository::RegisterNewest> TransactionRepository::listRegisterNewest(
    const QString &accountId, int rows) const
{
    const std::optional<AccountTotals> totals = accountTotals(accountId);
    if (!totals)
        return std::nullopt;
    const qint64 count = totals->count;
    if (count <= rows)
        return std::nullopt;
    const qint64 opening = startingBalance(accountId);
    const qint64 largest = qMax(totals->largest, opening == std::numeric_limits<qint64>::min()
            ? std::numeric_limits<qint64>::max() : qAbs(opening));
    // No partial sum can leave the range when no term is larger than this:
    // then the balances count back from the total exactly as they add up.
    if (largest > std::numeric_limits<qint64>::max() / (count + 2))
        return std::nullopt;
    RegisterNewest newest;
    const qint64 total = opening + totals->sum;
    newest.clearedSum = opening + totals->clearedSum;
    newest.unclearedSum = totals->sum - totals->clearedSum;
    newest.largestAmount = largest;

    // Every row from the day of the rows-th newest on: rows of one day and
    // second all come or none do.
    SqlStatement statement(m_database,
        REGISTER_SELECT
        "t.account_id = ?1 AND t.deleted_at IS NULL AND t.date >= (SELECT date FROM transactions WHERE "
        "account_id = ?1 AND deleted_at IS NULL ORDER BY date DESC LIMIT 1 OFFSET ?2) "
        "ORDER BY t.date ASC, t.created_at ASC");
    if (!statement.isValid())
        return std::nullopt;
    statement.bindText(1, accountId);
    statement.bindInt64(2, rows - 1);
    if (!readRegisterRows(m_database, statement, newest.rows) || newest.rows.isEmpty() || newest.rows.size() >= count)
        return std::nullopt;
    qint64 balance = total;
    for (auto it = newest.rows.rbegin(); it != newest.rows.rend(); ++it) {
        it->runningBalance = balance;
        balance -= it->transaction.amount;
    }
    newest.earlierRows = int(count - newest.rows.size()) + (opening != 0 ? 1 : 0);
    return newest;
}

#undef REGISTER_SELECT

bool TransactionRepository::totalsKeepable() const
{
    const std::optional<Database::TableMark> mark = m_database->transactionsMark();
    if (!mark)
        return false;
    if (mark != m_totalsMark) {
        m_totals.clear();
        m_settledSums.clear();
        m_totalsMark = mark;
    }
    return true;
}

std::optional<TransactionRepository::AccountTotals> TransactionRepository::accountTotals(
    const QString &accountId) const
{
    return keptOrRead(totalsKeepable(), m_totals, accountId, [&]() -> std::optional<AccountTotals> {
        // Served by the register index alone.
        SqlStatement statement(m_database,
            "SELECT COUNT(*), SUM(amount), SUM(CASE WHEN cleared THEN amount ELSE 0 END), MAX(ABS(amount)) "
            "FROM transactions WHERE account_id = ? AND deleted_at IS NULL");
        if (!statement.isValid())
            return std::nullopt;
        statement.bindText(1, accountId);
        // SQLite refuses a sum that does not fit with an error: no row then.
        if (!statement.next())
            return std::nullopt;
        return AccountTotals{statement.int64(0), statement.int64(1), statement.int64(2), statement.int64(3)};
    });
}

std::optional<qint64> TransactionRepository::settledSum(const QString &accountId) const
{
    return keptOrRead(totalsKeepable(), m_settledSums, accountId, [&]() -> std::optional<qint64> {
        SqlStatement statement(m_database,
            "SELECT COALESCE(SUM(amount), 0) FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
            "AND (cleared = 1 OR reconciled = 1)");
        if (!statement.isValid())
            return std::nullopt;
        statement.bindText(1, accountId);
        if (!statement.next())
            return std::nullopt;
        return statement.int64(0);
    });
}

std::optional<qint64> TransactionRepository::balance(const QString &accountId, int mode) const
{
    // SQLite's SUM fails on integer overflow: that is a balance that cannot
    // be computed, not the starting balance alone.
    std::optional<qint64> sum;
    if (mode == ClearedBalance) {
        sum = settledSum(accountId);
    } else if (mode == CurrentBalance) {
        // The kept totals fail as a whole when only the cleared sum overflows.
        if (const std::optional<AccountTotals> totals = accountTotals(accountId))
            sum = totals->sum;
    }
    if (mode != ClearedBalance && !sum) {
        const QString condition = mode == BalanceAsOfToday
            ? QStringLiteral(" AND date < '%1'").arg(QDate::currentDate().addDays(1).toString(Qt::ISODate))
            : QString();
        QSqlQuery query = prepare(m_database->db(),
                                  QStringLiteral("SELECT COALESCE(SUM(amount), 0) FROM transactions WHERE "
                                                 "account_id = ? AND deleted_at IS NULL%1")
                                      .arg(condition),
                                  {accountId});
        if (exec(query) && query.next())
            sum = query.value(0).toLongLong();
    }
    if (!sum)
        return std::nullopt;
    return checkedSum(startingBalance(accountId), *sum);
}

QString TransactionRepository::buildFtsQuery(const QString &text)
{
    QStringList terms;
    QString word;
    auto endWord = [&terms, &word]() {
        if (word.isEmpty())
            return;
        // Upper-case AND, OR and NOT are FTS5 operators; the user means the word.
        if (word == QLatin1String("AND") || word == QLatin1String("OR") || word == QLatin1String("NOT"))
            terms.append(QLatin1Char('"') + word + QStringLiteral("\"*"));
        else
            terms.append(word + QLatin1Char('*'));
        word.clear();
    };
    // By code point: a letter outside the basic plane is two UTF-16 units,
    // neither of which is a letter on its own.
    const QList<uint> codePoints = text.toUcs4();
    for (const uint c : codePoints) {
        const char32_t codePoint = c;
        if (QChar::isLetterOrNumber(codePoint))
            word.append(QString::fromUcs4(&codePoint, 1));
        else
            endWord();
    }
    endWord();
    return terms.join(QLatin1Char(' '));
}

QList<RegisterRow> TransactionRepository::search(const QString &text, const TransactionSearchFilter &filter) const
{
    const QString ftsQuery = text.isEmpty() ? QString() : buildFtsQuery(text);
    QString sql;
    QVariantList values;
    if (ftsQuery.isEmpty()) {
        sql = QStringLiteral("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                             "WHERE t.deleted_at IS NULL")
                  .arg(kColumns, kCategoryName);
    } else {
        sql = QStringLiteral("SELECT %1, %2 FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid "
                             "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND "
                             "transactions_fts MATCH ?")
                  .arg(kColumns, kCategoryName);
        values.append(ftsQuery);
    }
    if (!filter.accountId.isEmpty()) {
        sql += QStringLiteral(" AND t.account_id = ?");
        values.append(filter.accountId);
    }
    if (!filter.categoryId.isEmpty()) {
        sql += QStringLiteral(" AND t.category_id = ?");
        values.append(filter.categoryId);
    }
    if (filter.fromDate.isValid()) {
        sql += QStringLiteral(" AND t.date >= ?");
        values.append(isoDate(filter.fromDate));
    }
    if (filter.toDate.isValid()) {
        sql += QStringLiteral(" AND t.date <= ?");
        values.append(isoDate(filter.toDate));
    }
    if (filter.cleared) {
        sql += QStringLiteral(" AND t.cleared = ?");
        values.append(*filter.cleared ? 1 : 0);
    }
    sql += QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC LIMIT 200");

    QList<RegisterRow> rows;
    QSqlQuery query = prepare(m_database->db(), sql, values);
    if (!exec(query))
        return rows;
    while (query.next())
        rows.append(TransactionReader::readRegisterRow(TransactionReader::QueryRow{query}));
    return rows;
}

std::optional<Transaction> TransactionRepository::findLastByPayee(const QString &payee,
                                                                  const QString &accountId) const
{
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT %1 FROM transactions t WHERE t.payee = ? AND t.account_id = ? "
                                             "AND t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC "
                                             "LIMIT 1")
                                  .arg(kColumns),
                              {payee, accountId});
    if (!exec(query) || !query.next())
        return std::nullopt;
    return readTransaction(query);
}

bool TransactionRepository::isOpeningBalancePayee(const QString &payee)
{
    static const QSet<QString> words(openingBalanceWords().cbegin(), openingBalanceWords().cend());
    return words.contains(payee.trimmed().toLower());
}

QString TransactionRepository::openingBalanceRowId(const QString &accountId) const
{
    // The derived id decides as soon as a row carries it, live or deleted:
    // payee words never make an ordinary row the opening balance.
    const QString derived = openingBalanceId(accountId);
    QSqlQuery byId = prepare(m_database->db(), QStringLiteral("SELECT 1 FROM transactions WHERE id = ?"), {derived});
    if (!exec(byId))
        return QString();
    if (byId.next())
        return derived;
    // Accounts whose opening balance was never written under the derived id
    // (older versions, sample data) still have theirs: the earliest row with
    // the words, the one created last on a tie.
    QVariantList values{accountId};
    for (const QString &word : openingBalanceWords())
        values.append(word);
    QSqlQuery legacy = prepare(m_database->db(),
                               QStringLiteral("SELECT id FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
                                              "  AND LOWER(TRIM(payee)) IN (?, ?, ?, ?, ?) ORDER BY date ASC, "
                                              "created_at DESC LIMIT 1"),
                               values);
    if (!exec(legacy) || !legacy.next())
        return QString();
    return legacy.value(0).toString();
}

bool TransactionRepository::isOpeningBalance(const Transaction &transaction) const
{
    return !transaction.id.isEmpty() && transaction.id == openingBalanceRowId(transaction.accountId);
}

std::optional<Transaction> TransactionRepository::findOpeningBalance(const QString &accountId) const
{
    const QString id = openingBalanceRowId(accountId);
    if (id.isEmpty())
        return std::nullopt;
    // A deleted derived-id row means no opening balance until it is set again.
    std::optional<Transaction> found = findById(id);
    if (!found || found->deletedAt)
        return std::nullopt;
    return found;
}

QString TransactionRepository::openingBalanceId(const QString &accountId)
{
    return QUuid::createUuidV5(kDnsNamespace, QStringLiteral("opening-balance:%1").arg(accountId).toUtf8())
        .toString(QUuid::WithoutBraces);
}

OpeningBalanceProbe TransactionRepository::openingBalanceProbe(const QString &accountId) const
{
    OpeningBalanceProbe probe;
    QVariantList values;
    for (const QString &word : openingBalanceWords())
        values.append(word);
    values.append(accountId);
    QSqlQuery query = prepare(m_database->db(),
                              QStringLiteral("SELECT MIN(date), SUM(CASE WHEN LOWER(TRIM(payee)) IN (?, ?, ?, ?, ?) "
                                             "THEN 1 ELSE 0 END) FROM transactions WHERE account_id = ? AND "
                                             "deleted_at IS NULL"),
                              values);
    if (!exec(query, "TransactionRepository::openingBalanceProbe"))
        return probe;
    if (query.next()) {
        const QString earliest = query.value(0).toString();
        if (!earliest.isEmpty())
            probe.earliestDate = parseIsoDate(earliest);
        probe.hasOpeningBalancePayee = query.value(1).toLongLong() > 0;
    }
    return probe;
}
