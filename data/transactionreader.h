#pragma once

#include "data/sqlstatement.h"
#include "data/sqlvalues.h"
#include "data/transaction.h"

#include <QSqlQuery>

// The one reader of the twenty transaction columns, for both QSqlQuery and
// SqlStatement rows (anything with text(), int64(), date(), dateTime() and
// optionalDateTime() of a column).
namespace TransactionReader {

struct QueryRow
{
    const QSqlQuery &query;
    QString text(int column) const { return query.value(column).toString(); }
    qint64 int64(int column) const { return query.value(column).toLongLong(); }
    QDate date(int column) const { return SqlValues::parseIsoDate(text(column)); }
    QDateTime dateTime(int column) const { return SqlValues::parseIsoDateTime(text(column)); }
    std::optional<QDateTime> optionalDateTime(int column) const
    {
        return SqlValues::parseOptionalDateTime(text(column));
    }
};

// A row of an SqlStatement; dates are read from its bytes.
struct StatementRow
{
    const SqlStatement &statement;
    QString text(int column) const { return statement.text(column); }
    qint64 int64(int column) const { return statement.int64(column); }
    QDate date(int column) const { return SqlValues::parseIsoDate(statement.utf8(column)); }
    QDateTime dateTime(int column) const { return SqlValues::parseIsoDateTime(statement.utf8(column)); }
    std::optional<QDateTime> optionalDateTime(int column) const
    {
        const QByteArrayView bytes = statement.utf8(column);
        if (bytes.isEmpty())
            return std::nullopt;
        return SqlValues::parseIsoDateTime(bytes);
    }
};

// Fills `t`, which may be a row already in place in a list.
template<typename Row>
void readInto(const Row &row, Transaction &t)
{
    using namespace SqlValues;
    t.id = row.text(0);
    t.accountId = row.text(1);
    t.date = row.date(2);
    t.payee = row.text(3);
    t.memo = row.text(4);
    t.amount = row.int64(5);
    t.categoryId = row.text(6);
    t.checkNumber = row.text(7);
    t.cleared = row.int64(8) != 0;
    t.reconciled = row.int64(9) != 0;
    t.transferLinkId = row.text(10);
    t.transferDestAccountId = row.text(11);
    t.isSplit = row.int64(12) != 0;
    t.recurringId = row.text(13);
    t.version = int(row.int64(14));
    t.syncStatus = syncStatusFromString(row.text(15));
    t.serverId = row.text(16);
    t.createdAt = row.dateTime(17);
    t.updatedAt = row.dateTime(18);
    t.deletedAt = row.optionalDateTime(19);
}

template<typename Row>
Transaction read(const Row &row)
{
    Transaction t;
    readInto(row, t);
    return t;
}

// A register row: the twenty columns, then the category label. Its running
// balance is the caller's to set.
template<typename Row>
RegisterRow readRegisterRow(const Row &row)
{
    RegisterRow registerRow;
    readInto(row, registerRow.transaction);
    registerRow.categoryName = row.text(20);
    return registerRow;
}

} // namespace TransactionReader
