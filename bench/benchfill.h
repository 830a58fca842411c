#pragma once

#include "benchutil.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/sqlvalues.h"
#include "support/datagenerator.h"

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <variant>
#include <vector>

// Large registers for the benchmarks, written straight through SQLite.
namespace Bench {

// One column value copied out of SQLite, ready to bind again.
using Value = std::variant<std::monostate, qint64, double, QByteArray>;
using Row = std::vector<Value>;

struct TableRows
{
    QByteArray table;
    QStringList columns;
    std::vector<Row> rows;
};

inline TableRows readTable(RawDb &raw, const char *table)
{
    TableRows result;
    result.table = table;
    sqlite3_stmt *statement = raw.prepare(QStringLiteral("SELECT * FROM ") + QLatin1String(table));
    const int columns = sqlite3_column_count(statement);
    for (int c = 0; c < columns; ++c)
        result.columns.append(QString::fromUtf8(sqlite3_column_name(statement, c)));
    while (sqlite3_step(statement) == SQLITE_ROW) {
        Row row;
        row.reserve(size_t(columns));
        for (int c = 0; c < columns; ++c) {
            switch (sqlite3_column_type(statement, c)) {
            case SQLITE_NULL:
                row.emplace_back(std::monostate());
                break;
            case SQLITE_INTEGER:
                row.emplace_back(qint64(sqlite3_column_int64(statement, c)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(sqlite3_column_double(statement, c));
                break;
            default:
                row.emplace_back(QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(statement, c)),
                                            sqlite3_column_bytes(statement, c)));
            }
        }
        result.rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    return result;
}

inline void insertRows(RawDb &raw, const TableRows &rows)
{
    QStringList marks(rows.columns.size(), QStringLiteral("?"));
    sqlite3_stmt *statement = raw.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(QString::fromLatin1(rows.table), rows.columns.join(u','),
                                                   marks.join(u',')));
    for (const Row &row : rows.rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            const int index = int(c) + 1;
            if (const auto *integer = std::get_if<qint64>(&row[c]))
                sqlite3_bind_int64(statement, index, *integer);
            else if (const auto *real = std::get_if<double>(&row[c]))
                sqlite3_bind_double(statement, index, *real);
            else if (const auto *text = std::get_if<QByteArray>(&row[c]))
                sqlite3_bind_text(statement, index, text->constData(), int(text->size()), SQLITE_STATIC);
            else
                sqlite3_bind_null(statement, index);
        }
        if (sqlite3_step(statement) != SQLITE_DONE)
            std::fprintf(stderr, "raw insert failed: %s\n", sqlite3_errmsg(raw.handle()));
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
}

inline std::unique_ptr<Database> openDatabase(const QString &path)
{
    auto database = std::make_unique<Database>();
    if (!database->open(path) || !database->migrate())
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
    return database;
}

// A migrated database holding the generated accounts, categories and
// `perAccount` transactions in each account, dated over `years` from
// `firstDate`.
inline void buildRegister(const QString &path, DataGenerator &generator, int accountCount, int perAccount,
                          const QDate &firstDate = QDate(2006, 1, 1), int years = 20)
{
    const QList<Account> accounts = generator.accounts(accountCount);
    const QList<Category> categories = generator.categories();
    {
        auto database = openDatabase(path);
        AccountRepository accountRepository(database.get());
        CategoryRepository categoryRepository(database.get());
        for (const Account &a : accounts)
            accountRepository.insert(a);
        for (const Category &c : categories)
            categoryRepository.insert(c);
    }
    RawDb raw(path);
    // Some tax-relevant categories, so the tax report has work to do.
    raw.exec("UPDATE categories SET is_tax_relevant = 1, tax_category = 'tax_' || name WHERE rowid % 3 = 0");
    TableRows rows;
    rows.table = "transactions";
    rows.columns = QStringList({"id", "account_id", "date", "payee", "memo", "amount", "category_id",
                                "check_number", "cleared", "transfer_link_id", "created_at", "updated_at"});
    raw.exec("BEGIN");
    for (const Account &account : accounts) {
        rows.rows.clear();
        const QList<Transaction> batch = generator.transactions(account.id, perAccount, categories, firstDate, years);
        for (qsizetype i = 0; i < batch.size(); ++i) {
            const Transaction &t = batch.at(i);
            // Every twentieth row is a transfer leg.
            const QByteArray link = i % 20 == 0 ? batch.at((i + 1) % batch.size()).id.toUtf8() : QByteArray();
            rows.rows.push_back({t.id.toUtf8(), t.accountId.toUtf8(), SqlValues::isoDate(t.date).toUtf8(),
                                 t.payee.toUtf8(), t.memo.toUtf8(), qint64(t.amount),
                                 t.categoryId.isEmpty() ? Value() : Value(t.categoryId.toUtf8()),
                                 t.checkNumber.toUtf8(), qint64(t.cleared), link.isEmpty() ? Value() : Value(link),
                                 SqlValues::isoDateTime(t.createdAt).toUtf8(),
                                 SqlValues::isoDateTime(t.updatedAt).toUtf8()});
        }
        insertRows(raw, rows);
    }
    raw.exec("COMMIT");
}

} // namespace Bench
