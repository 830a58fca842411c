#pragma once

#include "data/sqlvalues.h"
#include "data/transaction.h"

#include <QSqlQuery>

// The one reader of the twenty transaction columns, for both QSqlQuery and
// SqlStatement rows (anything with text(column) and int64(column)).
namespace TransactionReader {

struct QueryRow
{
    const QSqlQuery &query;
    QString text(int column) const { return query.value(column).toString(); }
    qint64 int64(int column) const { return query.value(column).toLongLong(); }
};

template<typename Row>
Transaction read(const Row &row)
{
    using namespace SqlValues;
    Transaction t;
    t.id = row.text(0);
    t.accountId = row.text(1);
    t.date = parseIsoDate(row.text(2));
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
    t.createdAt = parseIsoDateTime(row.text(17));
    t.updatedAt = parseIsoDateTime(row.text(18));
    t.deletedAt = parseOptionalDateTime(row.text(19));
    return t;
}

// A register row: the twenty columns, then the category label. Its running
// balance is the caller's to set.
template<typename Row>
RegisterRow readRegisterRow(const Row &row)
{
    RegisterRow registerRow;
    registerRow.transaction = read(row);
    registerRow.categoryName = row.text(20);
    return registerRow;
}

} // namespace TransactionReader
